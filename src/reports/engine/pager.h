#pragma once

#include "data/rows.h"
#include "reports/engine/layout.h"

#include <QDate>
#include <QRect>
#include <memory>
#include <vector>

namespace reports {

enum class ItemKind { Text, Line, Rect, Bar };

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
    qreal size = 1;                   // the type's size against its font's; below 1: smaller
    int cutAt = 0;                    // page y where the item is cut off; 0: whole
};

struct Page {
    std::vector<PageItem> items;
};

// A report: its layout, the rows it prints and the day it is printed ("%D"). `pages` holds
// the pages when the whole report was laid out at once (paginate); a report that is drawn is
// laid out again a page at a time from its rows.
struct Document {
    std::shared_ptr<const Layout> layout;
    std::vector<Page> pages;
    int rowCount = 0;
    std::shared_ptr<const data::Rows> rows; // the command's rows, for drawing and for an export
    QDate today;
    QString selection; // what its rows are, as a title says it ("001 Budi"); empty: every row

    QString title() const;
};

// What a document is called in its file's properties and as a print job: the report's title
// and its selection ("Sertifikat — 001 Budi Santoso", "Daftar Kursan").
QString documentTitle(const Layout& layout, const QString& selection);

// Lays a report out a page at a time, reading its rows as it goes: the report header once at
// the top of the first page, the page header at the top and the page footer at the bottom of
// every page, one detail band per row in row order, the report footer (when it holds anything)
// after the last row. A band that does not fit in what is left of a page starts the next one; a
// band taller than a whole page prints on one page, cut at the bottom margin. Texts are fitted
// as BandFitter says. Only the page being laid out is held. The layout and the cursor must
// outlive the pager; a page's items point into the layout.
class Pager {
public:
    // Throws data::Error when the layout names a column the rows lack.
    Pager(const Layout& layout, data::RowCursor& rows, const QDate& today);
    ~Pager();
    Pager(const Pager&) = delete;
    Pager& operator=(const Pager&) = delete;

    const Layout& layout() const;
    // Lays out the next page in `page` (its items replaced); false when every page is done.
    // Throws data::Error when the rows cannot be read.
    bool next(Page& page);
    int pagesDone() const;
    int rowsDone() const; // rows on the pages done so far

private:
    class Paginator;
    std::unique_ptr<Paginator> d;
};

// The column of each field and bar of the detail band among the rows' `columns`, in control
// order.
// Throws data::Error naming the first field whose column the rows lack.
std::vector<int> detailColumns(const Layout& layout, const QStringList& columns);

// The whole document laid out at once into its pages, for a report small enough to hold (tests
// inspect its pages).
void layOut(Document& doc);

// The same for a layout and rows, which the document keeps copies of.
Document paginate(const Layout& layout, const data::Rows& rows, const QDate& today);

} // namespace reports
