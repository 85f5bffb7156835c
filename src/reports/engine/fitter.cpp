#include "reports/engine/fitter.h"

#include "reports/engine/pager.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <limits>

namespace reports {

namespace {

const QString ellipsis = QStringLiteral("\u2026");

bool isText(const Control& c)
{
    return c.kind == ControlKind::Label || c.kind == ControlKind::Field;
}

// Character boundaries of a text: a cut or a line break never falls inside a letter.
std::vector<int> boundaries(const QString& text)
{
    std::vector<int> at{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        at.push_back(finder.position());
    return at;
}

// How many of the text's characters (`at`: its character boundaries) fit `room` by their own
// advances; a guess at the longest start that fits, as kerning is left out.
size_t roughStart(const Face& face, const QString& text, const std::vector<int>& at, qreal room,
                  qreal scale)
{
    size_t guess = 0;
    for (qreal sum = 0; guess + 1 < at.size(); ++guess) {
        const qreal more = face.roughWidth(
            QStringView(text).sliced(at[guess], at[guess + 1] - at[guess]));
        sum += more;
        if (more < 0 || sum * scale > room)
            break;
    }
    return guess;
}

// The longest start of the text, ending on a character boundary (`at`), whose width times
// `scale` is within `room`; its length.
int longestStart(const Face& face, const QString& text, const std::vector<int>& at, qreal room,
                 qreal scale)
{
    size_t low = 0, high = at.size() - 1; // at[low] fits; above `high` nothing does
    auto fits = [&](size_t i) { return face.width(text.left(at[i])) * scale <= room; };
    // Each exact width shapes the text anew. The characters' own advances nearly always
    // point at the answer, which two exact widths then confirm; else the search narrows.
    const size_t guess = roughStart(face, text, at, room, scale);
    if (guess > 0 && fits(guess))
        low = guess;
    else if (guess > 0)
        high = guess - 1;
    if (low == guess && guess < high) {
        if (fits(guess + 1))
            low = guess + 1;
        else
            high = guess;
    }
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid - 1;
    }
    return at[low];
}

bool breaksAfter(QChar c)
{
    return c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char(',');
}

// Whether a line may end at `i`: after a space, slash, hyphen or comma, or before a space.
bool breaksAt(const QString& text, int i)
{
    return breaksAfter(text[i - 1]) || (i < text.size() && text[i].isSpace());
}

// The last place at or before `end` where a line may end; 0: none.
int lastBreak(const QString& text, int end)
{
    for (int i = end; i > 0; --i)
        if (breaksAt(text, i))
            return i;
    return 0;
}

// Where a text goes on to the next line of `room`: -1 when it fits whole, else after the last
// space, slash, hyphen or comma that fits. A first word wider than the line goes whole when it
// fits condensed, else it is broken after its last character that fits, when `splitWords`;
// otherwise 0: the word does not fit the line.
int lineBreak(const Face& face, const QString& text, qreal room, bool splitWords)
{
    const std::vector<int> at = boundaries(text);
    // Mostly the characters' own advances show where the line ends; one exact width, up to the
    // next place a line may end, then confirms it.
    const int guess = lastBreak(text, at[roughStart(face, text, at, room, 1)]);
    if (guess > 0 && face.surelyFits(text.left(guess), room)) {
        int next = guess + 1;
        while (next < text.size() && !breaksAt(text, next))
            ++next;
        if (face.width(text.left(next)) > room)
            return guess;
    }
    const int fits = longestStart(face, text, at, room, 1);
    if (fits == text.size())
        return -1;
    if (const int end = lastBreak(text, fits))
        return end;
    const int condensed = longestStart(face, text, at, room, BandFitter::narrowest);
    if (const int end = lastBreak(text, condensed))
        return end;
    if (condensed == text.size())
        return condensed; // one word, whole when condensed
    if (!splitWords)
        return 0;
    return condensed > 0 ? condensed : at.at(1);
}

// The lines of a text in `lines` lines of `room` (in the face's own size): each ends after a
// word (see lineBreak), the last holds what is left. False when that does not fit the last
// line even condensed, or a word does not fit its line and `splitWords` is false.
bool breakLines(const Face& face, const QString& text, qreal room, int lines, bool splitWords,
                std::vector<QString>& out)
{
    out.clear();
    QString rest = text;
    while (int(out.size()) < lines - 1 && !face.surelyFits(rest, room)) {
        const int end = lineBreak(face, rest, room, splitWords);
        if (end <= 0) {
            out.push_back(rest);
            return end < 0;
        }
        out.push_back(rest.left(end).trimmed());
        rest = rest.mid(end).trimmed();
        if (rest.isEmpty())
            return true;
    }
    out.push_back(rest);
    return face.fits(rest, room / BandFitter::narrowest);
}

} // namespace

BandFitter::BandFitter(const Layout& layout, const Band& band, Faces& faces)
    : m_band(band), m_right(layout.pageWidth - std::min(layout.margins.right, paperEdge))
{
    const std::vector<Control>& controls = band.controls;
    m_slots.resize(controls.size());
    auto heightOf = [&](const Control& c) {
        return c.height ? c.height : layout.fontOf(c).lineHeight();
    };
    for (size_t i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        if (!isText(c))
            continue;
        Slot& slot = m_slots[i];
        slot.onLine = c.width == 0;
        slot.face = &faces.of(c);
        if (!slot.onLine)
            continue;
        m_byLeft.push_back(int(i));
        for (size_t j = 0; j < controls.size(); ++j) {
            const Control& other = controls[j];
            // Tops within half a line of each other: a big heading above does not count.
            const bool sameLine = std::abs(other.top - c.top) * 2 <
                                  std::min(heightOf(c), heightOf(other));
            if (j != i && isText(other) && other.left > c.left && sameLine)
                slot.followers.push_back(int(j));
        }
        std::stable_sort(slot.followers.begin(), slot.followers.end(),
                         [&](int a, int b) { return controls[a].left < controls[b].left; });
    }
    std::stable_sort(m_byLeft.begin(), m_byLeft.end(),
                     [&](int a, int b) { return controls[a].left < controls[b].left; });
    m_width.resize(m_slots.size());
    m_latest.resize(m_slots.size());
    m_pushed.resize(m_slots.size());
    m_next.resize(m_slots.size());
}

int BandFitter::slotOf(const PageItem& item) const
{
    return int(item.control - m_band.controls.data());
}

qreal BandFitter::naturalWidth(int slot, const PageItem& item)
{
    Slot& s = m_slots[slot];
    // A label prints the same text every time (today's date included).
    if (item.control->kind == ControlKind::Label) {
        if (s.labelWidth < 0)
            s.labelWidth = s.face->width(item.text);
        return s.labelWidth;
    }
    return s.face->width(item.text);
}

void BandFitter::fit(std::vector<PageItem>& items, size_t first)
{
    m_first = first;
    for (Slot& slot : m_slots)
        slot.item = -1;
    bool anyOnLine = false;
    const size_t end = items.size();
    for (size_t i = first; i < end; ++i) {
        if (items[i].kind != ItemKind::Text)
            continue;
        Slot& slot = m_slots[slotOf(items[i])];
        slot.item = int(i);
        items[i].x = items[i].box.left();
        if (slot.onLine)
            anyOnLine = true;
        else
            fitBox(items, int(i));
    }
    if (anyOnLine)
        fitLines(items);
}

void BandFitter::fitLines(std::vector<PageItem>& items)
{
    // The next text of each: the nearest one to its right on its line that prints something.
    bool asDesigned = true;
    for (int s : m_byLeft) {
        const Slot& slot = m_slots[s];
        if (slot.item < 0)
            continue;
        m_next[s] = -1;
        for (int f : slot.followers) {
            if (m_slots[f].item >= 0 && !items[m_slots[f].item].text.isEmpty()) {
                m_next[s] = f;
                break;
            }
        }
        if (!asDesigned)
            continue;
        const PageItem& item = items[slot.item];
        const qreal room = m_next[s] < 0 ? m_right - item.box.left()
                                         : items[m_slots[m_next[s]].item].box.left() -
                                               slot.face->spaceWidth() - item.box.left();
        asDesigned = item.control->kind == ControlKind::Label ? naturalWidth(s, item) <= room
                                                              : slot.face->fits(item.text, room);
    }
    if (asDesigned)
        return; // every text already at its own place

    // Where each text may start at the latest, so that those after it keep their own width.
    auto limitOf = [&](int next) {
        return m_slots[next].onLine ? m_latest[next] : qreal(items[m_slots[next].item].box.left());
    };
    for (auto it = m_byLeft.rbegin(); it != m_byLeft.rend(); ++it) {
        const int s = *it;
        const Slot& slot = m_slots[s];
        if (slot.item < 0)
            continue;
        const PageItem& item = items[slot.item];
        m_width[s] = naturalWidth(s, item);
        m_pushed[s] = -std::numeric_limits<qreal>::infinity();
        const qreal end = m_next[s] < 0 ? m_right : limitOf(m_next[s]) - slot.face->spaceWidth();
        m_latest[s] = std::max<qreal>(item.box.left(), end - m_width[s]);
    }
    for (int s : m_byLeft) {
        const Slot& slot = m_slots[s];
        if (slot.item < 0)
            continue;
        PageItem& item = items[slot.item];
        const int next = m_next[s];
        const qreal x = std::max<qreal>(item.box.left(), m_pushed[s]);
        const qreal limit = next < 0 ? m_right : limitOf(next) - slot.face->spaceWidth();
        qreal room = limit - x;
        // Down to its narrowest, a text takes room from the texts after it, never from a box.
        if (m_width[s] * narrowest > room && (next < 0 || m_slots[next].onLine))
            room = std::max(room, std::min(m_right - x, m_width[s] * narrowest));
        const QString whole = item.text;
        const qreal end = place(item, *slot.face, x, room, m_width[s]);
        // place() writes a text anew only to cut it.
        if (item.text.constData() != whole.constData() && item.control->kind == ControlKind::Field)
            m_cuts.push_back({slot.item, whole, x, room});
        if (next >= 0 && m_slots[next].onLine)
            m_pushed[next] = std::max(m_pushed[next], end + slot.face->spaceWidth());
    }
    // Every text in place, a value that was cut goes on below itself where the page is free.
    for (const Cut& cut : m_cuts)
        wrapBelow(items, cut);
    m_cuts.clear();
}

void BandFitter::wrapBelow(std::vector<PageItem>& items, const Cut& cut)
{
    const Face& face = *m_slots[slotOf(items[cut.item])].face;
    QString rest = cut.text;
    const int end = lineBreak(face, rest, cut.room, true);
    if (end <= 0 || end >= rest.size())
        return;
    const QString first = rest.left(end).trimmed();
    rest = rest.mid(end).trimmed();
    struct Line {
        QString text;
        int top;
        qreal room;
    };
    std::vector<Line> below;
    const qreal spacing = face.lineSpacing();
    const int top = items[cut.item].box.top();
    // Too little room for a word and its cut mark is no line.
    const qreal least = face.spaceWidth() * 6;
    for (int k = 1; !rest.isEmpty(); ++k) {
        const int lineTop = top + qRound(k * spacing);
        const qreal room = freeRoom(items, cut.item, cut.x, lineTop, lineTop + spacing,
                                    face.spaceWidth());
        if (room < least)
            break;
        const int next = face.width(rest) * narrowest <= room ? -1
                                                              : lineBreak(face, rest, room, true);
        if (next < 0 || next >= rest.size()) {
            below.push_back({rest, lineTop, room});
            rest.clear();
        } else {
            below.push_back({rest.left(next).trimmed(), lineTop, room});
            rest = rest.mid(next).trimmed();
        }
    }
    if (below.empty())
        return; // it stays cut on its line, the cut showing
    if (!rest.isEmpty())
        below.back().text += QLatin1Char(' ') + rest; // cut on the last line free
    items[cut.item].text = first;
    place(items[cut.item], face, cut.x, cut.room, face.width(first));
    for (Line& line : below) {
        PageItem more = items[cut.item];
        more.box.moveTop(line.top);
        more.text = std::move(line.text);
        items.push_back(std::move(more));
        place(items.back(), face, cut.x, line.room, face.width(items.back().text));
    }
}

qreal BandFitter::freeRoom(const std::vector<PageItem>& items, int self, qreal x, int top,
                           qreal bottom, qreal gap) const
{
    const PageItem& any = items[m_first];
    const int bandBottom = any.box.top() - any.control->top + m_band.height;
    if (bottom > bandBottom)
        return 0;
    qreal right = m_right;
    for (size_t i = m_first; i < items.size(); ++i) {
        const PageItem& other = items[i];
        if (int(i) == self)
            continue; // the line above, whose spacing may round past this one's top
        QRectF ink;
        if (other.kind != ItemKind::Text) {
            // A line or a rectangle, with room for its pen.
            ink = QRectF(other.box.topLeft(), QSizeF(other.box.width(), other.box.height()))
                      .normalized()
                      .adjusted(-15, -15, 15, 15);
        } else if (!other.text.isEmpty()) {
            const Face& face = *m_slots[slotOf(other)].face;
            ink = QRectF(other.x, other.box.top(),
                         face.width(other.text) * other.stretch * other.size,
                         face.lineSpacing() * other.size);
        }
        if (ink.isNull() || ink.bottom() <= top || ink.top() >= bottom || ink.right() <= x)
            continue;
        if (ink.left() <= x)
            return 0;
        right = std::min(right, ink.left() - gap);
    }
    return right - x;
}

void BandFitter::fitBox(std::vector<PageItem>& items, int index)
{
    Slot& slot = m_slots[slotOf(items[index])];
    const Face& face = *slot.face;
    const Control& c = *items[index].control;
    const QRect box = items[index].box;
    // A label prints the same text every time: fitted once, then repeated.
    const bool label = c.kind == ControlKind::Label;
    if (label && !slot.boxLines.empty() && slot.boxText == items[index].text) {
        repeatBox(items, index, slot.boxLines);
        return;
    }
    const QString text = items[index].text;
    qreal room = box.width();
    Align align = c.align;
    bool known = face.surelyFits(text, room); // fits, so not measured again
    // Wider than its box, a spilling text starts at the box's left and goes on to the right.
    if (c.spills && !known && !face.fits(text, room)) {
        room = std::max<qreal>(room, m_right - box.left());
        align = Align::Left;
    }
    auto linesAt = [&](qreal size) {
        return c.wraps ? std::max(1, int(box.height() / (face.lineSpacing() * size))) : 1;
    };
    qreal size = 1;
    std::vector<QString>& lines = m_lines;
    lines.assign(1, text);
    if (!known && !breakLines(face, text, room, linesAt(size), label, lines) && !label) {
        // A value takes smaller type, down to the smallest, before a word of it is broken or
        // it is cut; smaller, its box may hold more lines.
        bool fitted = false;
        const int steps = qRound((1 - smallest) / sizeStep);
        for (int step = 1; !fitted && step <= steps; ++step) {
            size = 1 - step * sizeStep;
            fitted = breakLines(face, text, room / size, linesAt(size), false, lines);
        }
        if (!fitted)
            breakLines(face, text, room / size, linesAt(size), true, lines);
    }
    const size_t firstLine = items.size();
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) {
            PageItem further = items[index];
            const int down = qRound(qreal(k) * face.lineSpacing() * size);
            further.box.setTop(box.top() + down);
            further.box.setHeight(std::max(0, box.height() - down));
            items.push_back(std::move(further));
        }
        PageItem& item = k == 0 ? items[index] : items.back();
        item.text = std::move(lines[k]);
        item.size = size;
        if (align == Align::Left && size == 1 && (known || face.fits(item.text, room))) {
            item.x = box.left();
            continue;
        }
        const qreal drawn = place(item, face, box.left(), room, face.width(item.text)) - box.left();
        if (align == Align::Centre)
            item.x += (room - drawn) / 2;
        else if (align == Align::Right)
            item.x += room - drawn;
    }
    if (label) {
        slot.boxText = items[index].text;
        slot.boxLines.clear();
        slot.boxLines.push_back(lineOf(items[index], box));
        for (size_t i = firstLine; i < items.size(); ++i)
            slot.boxLines.push_back(lineOf(items[i], box));
    }
}

BandFitter::BoxLine BandFitter::lineOf(const PageItem& item, const QRect& box)
{
    return {item.text, item.box.top() - box.top(), item.x - box.left(), item.stretch};
}

void BandFitter::repeatBox(std::vector<PageItem>& items, int index,
                           const std::vector<BoxLine>& lines)
{
    const QRect box = items[index].box;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) {
            PageItem further = items[index];
            further.box.setTop(box.top() + lines[k].down);
            further.box.setHeight(std::max(0, box.height() - lines[k].down));
            items.push_back(std::move(further));
        }
        PageItem& item = k == 0 ? items[index] : items.back();
        item.text = lines[k].text;
        item.x = box.left() + lines[k].dx;
        item.stretch = lines[k].stretch;
    }
}

qreal BandFitter::place(PageItem& item, const Face& face, qreal x, qreal room, qreal width)
{
    const qreal drawn = width * item.size;
    item.x = x;
    item.stretch = 1;
    if (drawn <= room)
        return x + drawn;
    if (drawn * narrowest <= room) {
        item.stretch = room / drawn;
        return x + room;
    }
    // What still does not fit is cut between two characters, and the cut shows.
    const qreal mark = face.width(ellipsis) * narrowest;
    const int keep = longestStart(face, item.text, boundaries(item.text),
                                  std::max<qreal>(0, room / item.size - mark), narrowest);
    item.text.truncate(keep);
    while (!item.text.isEmpty() && item.text.back().isSpace())
        item.text.chop(1);
    item.text += ellipsis;
    const qreal cut = face.width(item.text) * item.size;
    if (cut > room && cut > 0)
        item.stretch = room / cut;
    return x + cut * item.stretch;
}

} // namespace reports
