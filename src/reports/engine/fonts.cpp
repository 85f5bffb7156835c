#include "reports/engine/fonts.h"

namespace reports {

QFont fontFor(const FontSpec& wanted)
{
    QFont font;
    if (wanted.family.compare(QLatin1String("Garamond"), Qt::CaseInsensitive) == 0) {
        // EB Garamond's figures are old-style (its bold has no others), so dates and numbers
        // would not line up with the Arial beside them; Junicode, an old-style face
        // in the Garamond tradition and nearly as narrow, has lining figures and a true bold.
        font.setFamilies({QStringLiteral("Garamond"), QStringLiteral("Junicode Two Beta"),
                          QStringLiteral("Junicode"), QStringLiteral("EB Garamond 12"),
                          QStringLiteral("EB Garamond"), QStringLiteral("Liberation Serif"),
                          QStringLiteral("DejaVu Serif"), QStringLiteral("Times New Roman")});
        font.setStyleHint(QFont::Serif);
    } else if (wanted.family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) {
        font.setFamilies(
            {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamilies({wanted.family});
    }
    // The painter works in twips, so the size is given in twips too (1 pt = 20 twips).
    font.setPixelSize(qRound(wanted.pointSize * 20));
    font.setBold(wanted.isBold);
    font.setItalic(wanted.isItalic);
    font.setUnderline(wanted.isUnderlined);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

Face::Face(const QFont& font)
    : m_font(font), m_metrics(font), m_space(m_metrics.horizontalAdvance(QLatin1Char(' '))),
      m_ascent(m_metrics.ascent()), m_lineSpacing(m_metrics.lineSpacing())
{
    m_advances.fill(-1);
}

qreal Face::roughWidth(QStringView text) const
{
    qreal sum = 0;
    for (QChar c : text) {
        if (c.unicode() >= m_advances.size())
            return -1;
        qreal& a = m_advances[c.unicode()];
        if (a < 0)
            a = m_metrics.horizontalAdvance(c);
        sum += a;
    }
    return sum;
}

bool Face::surelyFits(const QString& text, qreal room) const
{
    const qreal sum = roughWidth(text);
    // Kerning rarely widens a text, and never by more than this.
    constexpr qreal kerningMargin = 20; // twips
    return sum >= 0 && sum * 1.03 + kerningMargin <= room;
}

bool Face::fits(const QString& text, qreal room) const
{
    return surelyFits(text, room) || width(text) <= room;
}

const Face& Faces::of(const Control& c)
{
    auto hit = m_byControl.constFind(&c);
    if (hit != m_byControl.constEnd())
        return *hit.value();
    const FontSpec& wanted = m_layout.fontOf(c);
    const Face* face = nullptr;
    for (const auto& [known, f] : m_faces)
        if (known == wanted)
            face = f.get();
    if (!face) {
        m_faces.emplace_back(wanted, std::make_unique<Face>(fontFor(wanted)));
        face = m_faces.back().second.get();
    }
    m_byControl.insert(&c, face);
    return *face;
}

} // namespace reports
