#pragma once

#include "reports/engine/layout.h"
#include "reports/engine/rows.h"

#include <QDate>
#include <QRect>
#include <memory>
#include <vector>

namespace reports {

enum class ItemKind { Text, Line, Rect };

// One thing to draw, placed on its page in twips from the paper's top-left corner.
struct PageItem {
    ItemKind kind = ItemKind::Text;
    BandKind band = BandKind::Detail;
    int row = -1;                     // the command's row for a detail item, else -1
    const Control* control = nullptr; // its control (font, alignment, wrapping)
    QRect box;                        // text cell or rectangle; a line from box.topLeft()
                                      // by (box.width(), box.height())
    QString text;                     // one line of text as it is drawn
    qreal x = 0;                      // where the text starts: right of its cell's left edge
                                      // when centred, or when a wider text before it on its
                                      // line pushed it along
    qreal stretch = 1;                // horizontal scale of the text; below 1: condensed
    int cutAt = 0;                    // page y where the item is cut off; 0: whole
};

struct Page {
    std::vector<PageItem> items;
};

// A report laid out on pages: what the painter draws and what tests check.
struct Document {
    std::shared_ptr<const Layout> layout;
    std::vector<Page> pages;
    int rowCount = 0;
    std::shared_ptr<const Rows> rows; // the command's rows, when kept for an export
};

// Lays the command's rows out: the report header once at the top of the first page, the page
// header at the top and the page footer at the bottom of every page, one detail band per row in
// row order, the report footer (when it holds anything) after the last row. A band that does
// not fit in what is left of a page starts the next one; a band taller than a whole page prints
// on one page, cut at the bottom margin. Texts are fitted as BandFitter says. Throws data::Error
// when the layout names a column the rows lack.
Document paginate(const Layout& layout, const Rows& rows, const QDate& today);

} // namespace reports
