#pragma once

#include "reports/engine/fonts.h"

#include <vector>

namespace reports {

struct PageItem;

// Fits the texts of one band as it is printed, so that no text touches or covers another.
//
// A text without a width of its own shares its line with the texts beside it (tops within half
// a line). It keeps its place and its natural width when it ends at least a space before the
// next text; otherwise the following texts of its line move right, as far as the page's
// printable width allows; then it is condensed, to no less than 85% of its width. A value
// (a field) that still does not fit goes on to further lines below itself, as far as the page
// there is free, moving nothing. What still does not fit is cut at a character boundary, and
// the cut shows ("…"). A text keeps its 85% before any text after it on its line: those are
// condensed or cut first.
//
// A text with a width of its own fits its box the same way, wrapping onto the box's further
// lines first when it wraps; a value that spills takes the free room to the right of its box.
// A value then takes smaller type, down to half its size (when its box holds more lines of
// it, it may use them), before a word of it is broken between lines or it is cut. Centred and
// right-aligned texts are placed by the width they are drawn with.
class BandFitter {
public:
    BandFitter(const Layout& layout, const Band& band, Faces& faces);

    // Fits the items of one printing of the band, items[first] to the end; a wrapped text adds
    // an item for each further line.
    void fit(std::vector<PageItem>& items, size_t first);

    // Never condensed below this share of the natural width.
    static constexpr qreal narrowest = 0.85;
    // Never set in type smaller than this share of its size, tried in these steps.
    static constexpr qreal smallest = 0.5;
    static constexpr qreal sizeStep = 0.05;
    // Printers leave this much of the paper's edge blank (a quarter inch), in twips.
    static constexpr int paperEdge = 360;

private:
    // One line of a fitted box, relative to the box.
    struct BoxLine {
        QString text;
        int down;
        qreal dx;
        qreal stretch;
    };

    struct Slot {
        bool onLine = false; // a text without a width of its own
        const Face* face = nullptr;
        std::vector<int> followers;    // texts to its right on its line, nearest first
        qreal labelWidth = -1;         // a label's natural width, measured once
        int item = -1;                 // its item in the printing being fitted
        QString boxText;               // a boxed label's text as last fitted…
        std::vector<BoxLine> boxLines; // …and its lines
    };

    // A value cut on its line: its whole text, and where and in what room it was placed.
    struct Cut {
        int item;
        QString text;
        qreal x;
        qreal room;
    };

    int slotOf(const PageItem& item) const;
    qreal naturalWidth(int slot, const PageItem& item);
    void fitLines(std::vector<PageItem>& items);
    void fitBox(std::vector<PageItem>& items, int index);
    void wrapBelow(std::vector<PageItem>& items, const Cut& cut);
    // The room from x to the right, between top and bottom, that no item of the printing but
    // `self` takes (a gap before the next); 0 when something covers x or the band ends above.
    qreal freeRoom(const std::vector<PageItem>& items, int self, qreal x, int top, qreal bottom,
                   qreal gap) const;
    static BoxLine lineOf(const PageItem& item, const QRect& box);
    static void repeatBox(std::vector<PageItem>& items, int index,
                          const std::vector<BoxLine>& lines);
    // Places one line of text at x in `room`; returns where its ink ends.
    qreal place(PageItem& item, const Face& face, qreal x, qreal room, qreal width);

    const Band& m_band;
    const int m_right; // the right edge of the page's printable width
    std::vector<Slot> m_slots;
    std::vector<int> m_byLeft; // texts on lines, by their left edge
    // Scratch for one printing.
    size_t m_first = 0;
    std::vector<qreal> m_width, m_latest, m_pushed;
    std::vector<int> m_next;
    std::vector<Cut> m_cuts;
    std::vector<QString> m_lines;
};

} // namespace reports
