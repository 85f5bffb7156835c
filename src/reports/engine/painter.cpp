#include "reports/engine/painter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>
#include <cmath>

namespace reports {

QFont fontFor(const FontSpec& wanted)
{
    QFont font;
    if (wanted.family.compare(QLatin1String("Garamond"), Qt::CaseInsensitive) == 0)
        font.setFamilies({QStringLiteral("EB Garamond 12"), QStringLiteral("EB Garamond"),
                          QStringLiteral("Garamond")});
    else if (wanted.family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                          QStringLiteral("Arial")});
    else
        font.setFamilies({wanted.family});
    // The painter works in twips, so the size is given in twips too (1 pt = 20 twips).
    font.setPixelSize(qRound(wanted.pointSize * 20));
    font.setBold(wanted.isBold);
    font.setItalic(wanted.isItalic);
    font.setUnderline(wanted.isUnderlined);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void setUpPage(QPagedPaintDevice* device, const Layout& layout)
{
    const bool a4 = layout.pageWidth == 11906 && layout.pageHeight == 16838;
    const QPageSize size = a4 ? QPageSize(QPageSize::A4)
                              : QPageSize(QSizeF(layout.pageWidth / 20.0, layout.pageHeight / 20.0),
                                          QPageSize::Point);
    device->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
}

namespace {

struct Face {
    QFont font;
    QFontMetricsF metrics;
    explicit Face(const QFont& f) : font(f), metrics(f) { advances.fill(-1); }

    // Width of a text in twips, exact enough to decide whether it fits in `limit`. Shaping a
    // text only to measure it costs as much as drawing it, so widths are summed from cached
    // character advances; only a text within a hair of the limit (where kerning could tip it)
    // or outside Latin-1 is measured exactly.
    qreal width(const QString& text, qreal limit) const
    {
        qreal sum = 0;
        for (QChar c : text) {
            if (c.unicode() >= advances.size())
                return metrics.horizontalAdvance(text);
            qreal& a = advances[c.unicode()];
            if (a < 0)
                a = metrics.horizontalAdvance(c);
            sum += a;
        }
        return std::abs(sum - limit) < closeCall ? metrics.horizontalAdvance(text) : sum;
    }

    static constexpr qreal closeCall = 30; // twips
    mutable std::array<qreal, 256> advances;
};

// One QFont and its metrics per control, made once per document.
class Faces {
public:
    explicit Faces(const Layout& layout) : m_layout(layout) {}

    const Face& of(const Control* c)
    {
        auto hit = m_byControl.constFind(c);
        if (hit != m_byControl.constEnd())
            return *hit.value();
        const FontSpec& wanted = m_layout.fontOf(*c);
        const Face* face = nullptr;
        for (const auto& [known, f] : m_faces)
            if (known == wanted)
                face = f.get();
        if (!face) {
            m_faces.emplace_back(wanted, std::make_unique<Face>(fontFor(wanted)));
            face = m_faces.back().second.get();
        }
        m_byControl.insert(c, face);
        return *face;
    }

private:
    const Layout& m_layout;
    std::vector<std::pair<FontSpec, std::unique_ptr<Face>>> m_faces;
    QHash<const Control*, const Face*> m_byControl;
};

// Below this a text is no longer comfortable to read; a squeezed text never gets narrower.
constexpr qreal minimumSqueeze = 0.5;

class PageDrawer {
public:
    PageDrawer(QPainter& p, const Layout& layout) : p(p), m_faces(layout) {}

    void draw(const PageItem& item)
    {
        if (item.kind == ItemKind::Text)
            drawText(item);
        else
            drawShape(item);
    }

private:
    void drawText(const PageItem& item);
    void drawShape(const PageItem& item);

    QPainter& p;
    Faces m_faces;
    const Face* m_current = nullptr;
};

void PageDrawer::drawText(const PageItem& item)
{
    if (item.text.isEmpty())
        return;
    const Face& face = m_faces.of(item.control);
    if (m_current != &face) {
        p.setFont(face.font);
        m_current = &face;
    }
    const QRectF box(item.box);
    if (item.control->wraps) {
        const int align = item.control->align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        p.save();
        p.setClipRect(box.adjusted(0, 0, 0, item.cutAt ? item.cutAt - box.bottom() : 0));
        p.drawText(box, align | Qt::AlignTop | Qt::TextWordWrap, item.text);
        p.restore();
        return;
    }
    const qreal advance = face.width(item.text, box.width());
    if (item.squeeze && advance > box.width()) {
        // Condensed rather than printed over its neighbour, so every letter stays readable.
        const qreal factor = std::max(box.width() / advance, minimumSqueeze);
        const qreal reach = face.metrics.height();
        QRectF clip(box.left(), box.top() - reach, box.width(), box.height() + 2 * reach);
        if (item.cutAt)
            clip.setBottom(item.cutAt);
        p.save();
        p.setClipRect(clip); // what even the narrowest squeeze cannot fit is cut at the edge
        p.translate(box.left(), box.top() + face.metrics.ascent());
        p.scale(factor, 1);
        p.drawText(QPointF(0, 0), item.text);
        p.restore();
        return;
    }
    const bool tooWide = advance > box.width();
    qreal x = box.left();
    // A centred text too wide for its cell starts at the left edge like any other.
    if (item.control->align == Align::Centre && !tooWide)
        x += (box.width() - advance) / 2;
    const QPointF baseline(x, box.top() + face.metrics.ascent());
    if (!tooWide && !item.cutAt) {
        p.drawText(baseline, item.text);
        return;
    }
    // Cut at the cell's side edges (and at the bottom margin for a band taller than the page);
    // a glyph reaching above or below its cell is left whole.
    const qreal reach = face.metrics.height();
    QRectF clip(box.left(), box.top() - reach, box.width(), box.height() + 2 * reach);
    if (item.cutAt)
        clip.setBottom(item.cutAt);
    p.save();
    p.setClipRect(clip);
    p.drawText(baseline, item.text);
    p.restore();
}

void PageDrawer::drawShape(const PageItem& item)
{
    const QRect& b = item.box;
    if (item.cutAt) {
        // Room around the shape for the pen; only the bottom is cut.
        const int left = std::min(b.left(), b.left() + b.width()) - 30;
        const int top = std::min(b.top(), b.top() + b.height()) - 30;
        p.save();
        p.setClipRect(QRect(left, top, std::abs(b.width()) + 60, item.cutAt - top));
    }
    if (item.kind == ItemKind::Line)
        p.drawLine(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
    else
        p.drawRect(b.left(), b.top(), b.width(), b.height());
    if (item.cutAt)
        p.restore();
}

} // namespace

void drawPage(QPainter& painter, const Document& doc, int index)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 15, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    PageDrawer drawer(painter, *doc.layout);
    for (const PageItem& item : doc.pages[index].items)
        drawer.draw(item);
    painter.restore();
}

bool paintDocument(const Document& doc, QPagedPaintDevice* device, const Progress& progress)
{
    QPainter p;
    if (!p.begin(device))
        return false;
    // Positions are twips; one scale turns them into device units.
    p.scale(device->logicalDpiX() / 1440.0, device->logicalDpiY() / 1440.0);
    p.setPen(QPen(Qt::black, 15, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    PageDrawer drawer(p, *doc.layout);
    const int total = int(doc.pages.size());
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !device->newPage())
            return false;
        for (const PageItem& item : doc.pages[i].items)
            drawer.draw(item);
        if (progress)
            progress(i + 1, total);
    }
    return p.end();
}

} // namespace reports
