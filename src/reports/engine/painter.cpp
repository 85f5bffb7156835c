#include "reports/engine/painter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace reports {

using data::HeldRowCursor;

void setUpPage(QPagedPaintDevice* device, const Layout& layout)
{
    const bool a4 = layout.pageWidth == 11906 && layout.pageHeight == 16838;
    const QPageSize size = a4 ? QPageSize(QPageSize::A4)
                              : QPageSize(QSizeF(layout.pageWidth / 20.0, layout.pageHeight / 20.0),
                                          QPageSize::Point);
    device->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
}

namespace {

class PageDrawer {
public:
    PageDrawer(QPainter& painter, const Layout& layout) : m_painter(painter), m_faces(layout) {}

    // The texts first, then the lines and rectangles, then the bars. Only bars are filled and
    // nothing overlaps them, so the order changes nothing on paper, but a PDF writer switching
    // between text and strokes at every cell of a list restates its brush each time.
    void draw(const Page& page)
    {
        for (const PageItem& item : page.items)
            if (item.kind == ItemKind::Text)
                drawText(item);
        bool bars = false;
        for (const PageItem& item : page.items) {
            if (item.kind == ItemKind::Line || item.kind == ItemKind::Rect)
                drawShape(item);
            bars = bars || item.kind == ItemKind::Bar;
        }
        if (bars)
            drawBars(page);
    }

private:
    void drawText(const PageItem& item);
    void drawShape(const PageItem& item);
    void drawBars(const Page& page);

    QPainter& m_painter;
    Faces m_faces;
    const Face* m_current = nullptr;
};

void PageDrawer::drawText(const PageItem& item)
{
    if (item.text.isEmpty())
        return;
    const Face& face = m_faces.of(*item.control);
    if (m_current != &face) {
        m_painter.setFont(face.font());
        m_current = &face;
    }
    const QPointF baseline(item.x, item.box.top() + face.ascent() * item.size);
    if (!item.cutAt && item.stretch == 1 && item.size == 1) {
        m_painter.drawText(baseline, item.text);
        return;
    }
    m_painter.save();
    if (item.cutAt) {
        // A band taller than the page: only the bottom margin cuts.
        const qreal reach = face.lineSpacing();
        m_painter.setClipRect(QRectF(item.x - reach, item.box.top() - reach, 1e6,
                                     item.cutAt - item.box.top() + reach));
    }
    m_painter.translate(baseline);
    m_painter.scale(item.stretch * item.size, item.size);
    m_painter.drawText(QPointF(0, 0), item.text);
    m_painter.restore();
}

void PageDrawer::drawShape(const PageItem& item)
{
    const QRect& b = item.box;
    if (item.cutAt) {
        // Room around the shape for the pen; only the bottom is cut.
        const int left = std::min(b.left(), b.left() + b.width()) - 30;
        const int top = std::min(b.top(), b.top() + b.height()) - 30;
        m_painter.save();
        m_painter.setClipRect(QRect(left, top, std::abs(b.width()) + 60, item.cutAt - top));
    }
    if (item.kind == ItemKind::Line)
        m_painter.drawLine(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
    else
        m_painter.drawRect(b.left(), b.top(), b.width(), b.height());
    if (item.cutAt)
        m_painter.restore();
}

// Grey, so that a chart prints alike on any printer and the numbers beside it stand out.
void PageDrawer::drawBars(const Page& page)
{
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(0x70, 0x70, 0x70));
    for (const PageItem& item : page.items)
        if (item.kind == ItemKind::Bar && !item.cutAt)
            m_painter.drawRect(item.box);
    m_painter.restore();
}

} // namespace

namespace {
void setUpPen(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 15, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
}
} // namespace

void drawPage(QPainter& painter, const Document& doc, int index)
{
    painter.save();
    setUpPen(painter);
    PageDrawer(painter, *doc.layout).draw(doc.pages[size_t(index)]);
    painter.restore();
}

bool paintPages(Pager& pager, QPagedPaintDevice* device, const Progress& progress)
{
    QPainter p;
    if (!p.begin(device))
        return false;
    // Positions are twips; one scale turns them into device units.
    p.scale(device->logicalDpiX() / 1440.0, device->logicalDpiY() / 1440.0);
    setUpPen(p);
    PageDrawer drawer(p, pager.layout());
    Page page;
    while (pager.next(page)) {
        if (pager.pagesDone() > 1 && !device->newPage())
            return false;
        drawer.draw(page);
        if (progress && !progress(pager.pagesDone(), pager.rowsDone()))
            return false;
    }
    return p.end();
}

bool paintDocument(const Document& doc, QPagedPaintDevice* device, const Progress& progress)
{
    HeldRowCursor rows(*doc.rows);
    Pager pager(*doc.layout, rows, doc.today);
    return paintPages(pager, device, progress);
}

} // namespace reports
