#include "reports/engine/layout.h"

namespace reports {

namespace {
Control& add(std::vector<Control>& controls, ControlKind kind, const QString& name, int left,
             int top)
{
    Control& c = controls.emplace_back();
    c.kind = kind;
    c.name = name;
    c.left = left;
    c.top = top;
    return c;
}
} // namespace

Control& Band::label(const QString& name, int left, int top, const QString& text)
{
    Control& c = add(controls, ControlKind::Label, name, left, top);
    c.text = text;
    return c;
}

Control& Band::field(const QString& name, int left, int top, const QString& column)
{
    Control& c = add(controls, ControlKind::Field, name, left, top);
    c.column = column;
    return c;
}

Control& Band::line(const QString& name, int left, int top, int dx, int dy)
{
    return add(controls, ControlKind::Line, name, left, top).size(dx, dy);
}

Control& Band::rect(const QString& name, int left, int top, int w, int h)
{
    return add(controls, ControlKind::Rect, name, left, top).size(w, h);
}

Control& Band::bar(const QString& name, int left, int top, int w, int h, const QString& column)
{
    Control& c = add(controls, ControlKind::Bar, name, left, top).size(w, h);
    c.column = column;
    return c;
}

const Band& Layout::band(BandKind kind) const
{
    switch (kind) {
    case BandKind::ReportHeader: return reportHeader;
    case BandKind::PageHeader: return pageHeader;
    case BandKind::Detail: return detail;
    case BandKind::PageFooter: return pageFooter;
    case BandKind::ReportFooter: break;
    }
    return reportFooter;
}

Band& Layout::band(BandKind kind)
{
    return const_cast<Band&>(static_cast<const Layout*>(this)->band(kind));
}

} // namespace reports
