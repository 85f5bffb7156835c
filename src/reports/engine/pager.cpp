#include "reports/engine/pager.h"

#include "data/error.h"
#include "reports/engine/dateformat.h"
#include "reports/engine/fitter.h"

#include <algorithm>
#include <cmath>

namespace reports {

using data::HeldRowCursor;
using data::RowCursor;
using data::Rows;

std::vector<int> detailColumns(const Layout& layout, const QStringList& columns)
{
    std::vector<int> found;
    for (const Control& c : layout.detail.controls) {
        if (c.kind != ControlKind::Field && c.kind != ControlKind::Bar)
            continue;
        const int i = int(columns.indexOf(c.column));
        if (i < 0)
            throw data::Error(QStringLiteral("Laporan %1: kolom %2 tidak ada pada perintah %3.")
                                  .arg(layout.name, c.column, layout.command));
        found.push_back(i);
    }
    return found;
}

class Pager::Paginator {
public:
    Paginator(const Layout& layout, RowCursor& rows, const QDate& today)
        : m_layout(layout), m_rows(rows),
          m_footerTop(layout.pageHeight - layout.margins.bottom - layout.pageFooter.height),
          m_cut(layout.pageHeight - layout.margins.bottom),
          m_right(layout.pageWidth - layout.margins.right), m_longDate(longDate(today)),
          m_today(today), m_faces(layout), m_columns(detailColumns(layout, rows.columns())),
          m_keep(layout.keepColumn.isEmpty() ? -1 : rows.columnIndex(layout.keepColumn))
    {
        for (BandKind kind : {BandKind::ReportHeader, BandKind::PageHeader, BandKind::Detail,
                              BandKind::PageFooter, BandKind::ReportFooter})
            m_fitters.emplace_back(layout, layout.band(kind), m_faces);
    }

    const Layout& layout() const { return m_layout; }
    int pagesDone() const { return m_pages; }
    int rowsDone() const { return m_rowsDone; }

    bool next(Page& page)
    {
        if (m_finished)
            return false;
        page.items.clear();
        m_page = &page;
        startPage();
        // What did not fit on the last page opens this one.
        if (m_waiting == Waiting::Row)
            putDetail();
        m_waiting = Waiting::Nothing;
        while (!m_rowsEnded) {
            if (!m_rows.next()) {
                m_rowsEnded = true;
                break;
            }
            if (!fits(m_layout.detail) || !keptTogether()) {
                m_waiting = Waiting::Row; // the cursor stays on it
                return true;
            }
            putDetail();
        }
        // An empty report footer prints nothing, so it never starts a page of its own.
        if (!m_layout.reportFooter.controls.empty()) {
            if (!fits(m_layout.reportFooter)) {
                m_waiting = Waiting::ReportFooter;
                return true;
            }
            place(m_layout.reportFooter, BandKind::ReportFooter, -1);
        }
        m_finished = true;
        return true;
    }

private:
    enum class Waiting { Nothing, Row, ReportFooter };

    void startPage()
    {
        ++m_pages;
        m_y = m_layout.margins.top;
        m_fresh = true;
        if (m_pages == 1) {
            put(m_layout.reportHeader, BandKind::ReportHeader, -1, m_y);
            m_y += m_layout.reportHeader.height;
            m_fresh = m_layout.reportHeader.height == 0;
        }
        put(m_layout.pageHeader, BandKind::PageHeader, -1, m_y);
        m_y += m_layout.pageHeader.height;
        put(m_layout.pageFooter, BandKind::PageFooter, -1, m_footerTop);
    }

    // A band goes where the last one ended, unless it needs a new page (a fresh page takes any).
    bool fits(const Band& band) const { return m_fresh || m_y + band.height <= m_footerTop; }

    // Whether the rows the current one keeps with it fit in what is left of the page.
    bool keptTogether() const
    {
        if (m_keep < 0 || m_fresh)
            return true;
        const int rows = m_rows.value(m_keep).toInt();
        return rows <= 1 || m_y + rows * m_layout.detail.height <= m_footerTop;
    }

    void putDetail() { place(m_layout.detail, BandKind::Detail, m_rowsDone++); }

    void place(const Band& band, BandKind kind, int row)
    {
        put(band, kind, row, m_y);
        m_y += band.height;
        m_fresh = false;
    }

    void put(const Band& band, BandKind kind, int row, int top)
    {
        std::vector<PageItem>& items = m_page->items;
        const size_t first = items.size();
        int field = 0;
        for (const Control& c : band.controls) {
            PageItem item;
            item.band = kind;
            item.row = row;
            item.control = &c;
            int width = c.width, height = c.height;
            switch (c.kind) {
            case ControlKind::Line: item.kind = ItemKind::Line; break;
            case ControlKind::Rect: item.kind = ItemKind::Rect; break;
            case ControlKind::Bar:
                item.kind = ItemKind::Bar;
                width = barLength(c, kind == BandKind::Detail ? m_columns.data() + field : nullptr,
                                  row);
                ++field;
                if (width == 0)
                    continue;
                break;
            case ControlKind::Label:
            case ControlKind::Field:
                item.kind = ItemKind::Text;
                item.text = textOf(c, kind == BandKind::Detail ? m_columns.data() + field : nullptr,
                                   row);
                if (c.kind == ControlKind::Field)
                    ++field;
                // Without a width of its own a text may reach the printable width's edge.
                if (width == 0)
                    width = m_right - m_layout.margins.left - c.left;
                if (height == 0)
                    height = m_layout.fontOf(c).lineHeight();
                break;
            }
            item.box = QRect(m_layout.margins.left + c.left, top + c.top, width, height);
            const int upper = std::min(item.box.top(), item.box.top() + height);
            const int lower = std::max(item.box.top(), item.box.top() + height);
            if (upper >= m_cut)
                continue;
            if (lower > m_cut)
                item.cutAt = m_cut;
            items.push_back(std::move(item));
        }
        m_fitters[size_t(kind)].fit(items, first);
    }

    int barLength(const Control& c, const int* column, int row) const
    {
        if (!column || row < 0)
            return 0;
        const double share = m_rows.value(*column).toDouble();
        return int(std::lround(std::clamp(share, 0.0, 1.0) * c.width));
    }

    QString textOf(const Control& c, const int* column, int row) const
    {
        if (c.kind == ControlKind::Label)
            return c.text == QLatin1String("%D") ? m_longDate : c.text;
        // Fields outside the detail band have no current row; they print nothing.
        if (!column || row < 0)
            return {};
        const QString value = m_rows.value(*column);
        return c.dateFormat.isEmpty() ? value : formatDate(value, c.dateFormat, m_today);
    }

    const Layout& m_layout;
    RowCursor& m_rows;
    const int m_footerTop;
    const int m_cut;
    const int m_right;
    const QString m_longDate;
    const QDate m_today;
    Faces m_faces;
    const std::vector<int> m_columns;  // column index of each detail field, in control order
    const int m_keep;                  // the keep column's index; -1: none
    std::vector<BandFitter> m_fitters; // one per band, in BandKind order
    Page* m_page = nullptr;
    int m_y = 0;
    bool m_fresh = true;
    int m_pages = 0;
    int m_rowsDone = 0;
    bool m_rowsEnded = false;
    bool m_finished = false;
    Waiting m_waiting = Waiting::Nothing;
};

Pager::Pager(const Layout& layout, RowCursor& rows, const QDate& today)
    : d(std::make_unique<Paginator>(layout, rows, today))
{
}

Pager::~Pager() = default;

const Layout& Pager::layout() const { return d->layout(); }
bool Pager::next(Page& page) { return d->next(page); }
int Pager::pagesDone() const { return d->pagesDone(); }
int Pager::rowsDone() const { return d->rowsDone(); }

QString documentTitle(const Layout& layout, const QString& selection)
{
    const QString report = layout.title.isEmpty() ? layout.name : layout.title;
    return selection.isEmpty() ? report : report + QStringLiteral(" — ") + selection;
}

QString Document::title() const { return documentTitle(*layout, selection); }

void layOut(Document& doc)
{
    doc.pages.clear();
    HeldRowCursor cursor(*doc.rows);
    Pager pager(*doc.layout, cursor, doc.today);
    Page page;
    while (pager.next(page))
        doc.pages.push_back(std::move(page));
}

Document paginate(const Layout& layout, const Rows& rows, const QDate& today)
{
    Document doc;
    doc.layout = std::make_shared<const Layout>(layout);
    doc.rows = std::make_shared<const Rows>(rows);
    doc.rowCount = rows.count();
    doc.today = today;
    layOut(doc);
    return doc;
}

} // namespace reports
