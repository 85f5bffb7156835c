#include "reports/report.h"

#include "data/clock.h"
#include "data/deLaporan.h"
#include "rules/calendar.h"

namespace reports {

using data::deLaporan;
using data::Rows;
using data::Selection;

QString selectionTitle(const Selection& selection)
{
    const QString text = selection.text();
    switch (selection.kind()) {
    case Selection::Kind::All: return {};
    case Selection::Kind::Trainee: {
        // The trainee as the list knows them, one of a name or a number typed.
        const Rows found = deLaporan::instance().run(QStringLiteral("cmdKursan"), {}, selection);
        if (found.count() != 1)
            return text;
        return (found.value(0, found.columnIndex(QStringLiteral("Np"))).trimmed() +
                QLatin1Char(' ') +
                found.value(0, found.columnIndex(QStringLiteral("Nama_Kursan"))).trimmed())
            .trimmed();
    }
    case Selection::Kind::Letters: return QStringLiteral("Nomor surat ") + text;
    case Selection::Kind::Month:
        return QStringLiteral("Bulan mulai %1 %2")
            .arg(calendar::monthName(text.section(QLatin1Char('/'), 0, 0).toInt()),
                 text.section(QLatin1Char('/'), 1));
    case Selection::Kind::Ending:
        return QStringLiteral("Selesai %1 s/d %2")
            .arg(text.section(QLatin1Char(':'), 0, 0), text.section(QLatin1Char(':'), 1));
    }
    return text;
}

int yearOfRun(int year) { return year ? year : data::today().year(); }

Layout layoutOfRun(const Layout& layout, int year)
{
    Layout run = layout;
    if (!layout.takesYear())
        return run;
    const QString shown = QString::number(yearOfRun(year));
    for (const BandKind kind : {BandKind::ReportHeader, BandKind::PageHeader, BandKind::Detail,
                                BandKind::PageFooter, BandKind::ReportFooter})
        for (Control& c : run.band(kind).controls)
            if (c.kind == ControlKind::Label)
                c.text.replace(QLatin1String("%Y"), shown);
    return run;
}

std::unique_ptr<data::RowCursor> openRows(const Layout& layout, const Selection& selection,
                                          int year)
{
    if (layout.takesYear())
        return layout.rowsOfYear(yearOfRun(year));
    return deLaporan::instance().cursor(layout.command, layout.filter, selection);
}

QString yearTitle(int year) { return QStringLiteral("Tahun %1").arg(year); }

QString rowsTitle(const Layout& layout, const Selection& selection, int year)
{
    if (layout.takesYear())
        return yearTitle(yearOfRun(year));
    return selectionTitle(selection);
}

Document readReport(const Layout& layout, const Selection& selection, int year)
{
    Document doc;
    // A document keeps its own copy of the layout: it may outlive the one it was read for.
    doc.layout = std::make_shared<const Layout>(layoutOfRun(layout, year));
    doc.selection = rowsTitle(layout, selection, year); // before the rows' cursor opens
    doc.rows = std::make_shared<const Rows>(data::readAll(*openRows(layout, selection, year)));
    doc.rowCount = doc.rows->count();
    doc.today = data::today();
    // A layout naming a column the command lacks is refused now, before anything is shown.
    detailColumns(*doc.layout, doc.rows->columns);
    return doc;
}

Document prepareReport(const Layout& layout, const Selection& selection, int year)
{
    Document doc = readReport(layout, selection, year);
    layOut(doc);
    return doc;
}

} // namespace reports
