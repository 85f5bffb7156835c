#pragma once

#include "reports/engine/layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <array>
#include <memory>
#include <vector>

namespace reports {

// The installed face that stands in for a layout's font, sized in twips. "Garamond" prints in a
// Garamond-like serif with lining figures (Junicode), else in EB Garamond, else in another
// serif; "Arial" in Liberation Sans.
QFont fontFor(const FontSpec& wanted);

// A font with its metrics, in twips.
class Face {
public:
    explicit Face(const QFont& font);

    const QFont& font() const { return m_font; }
    qreal ascent() const { return m_ascent; }
    qreal lineSpacing() const { return m_lineSpacing; }
    qreal spaceWidth() const { return m_space; }

    // The width of the text as it is drawn, kerning included.
    qreal width(const QString& text) const { return m_metrics.horizontalAdvance(text); }

    // True when the text is certainly no wider than `room`. Shaping a text only to measure it
    // costs as much as drawing it, so this sums cached character advances with a margin for
    // kerning; a text near the limit or outside Latin-1 is measured exactly.
    bool fits(const QString& text, qreal room) const;
    // The cheap half of fits: true when the cached advances alone show that the text fits.
    bool surelyFits(const QString& text, qreal room) const;

    // The sum of the characters' own advances, without kerning: a cheap estimate of the width;
    // -1 for a text outside Latin-1.
    qreal roughWidth(QStringView text) const;

private:
    QFont m_font;
    QFontMetricsF m_metrics;
    qreal m_space;
    qreal m_ascent;
    qreal m_lineSpacing;
    mutable std::array<qreal, 256> m_advances;
};

// One Face per font a layout uses, made on first use.
class Faces {
public:
    explicit Faces(const Layout& layout) : m_layout(layout) {}
    const Face& of(const Control& c);

private:
    const Layout& m_layout;
    std::vector<std::pair<FontSpec, std::unique_ptr<Face>>> m_faces;
    QHash<const Control*, const Face*> m_byControl;
};

} // namespace reports
