#include "reports/cetak.h"

#include "data/database.h"
#include "data/error.h"
#include "platform/clock.h"
#include "reports/deLaporan.h"
#include "reports/engine/pdffile.h"
#include "reports/export.h"
#include "reports/registry.h"

#include <QDir>
#include <QTextStream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace reports {

namespace {

// The PDF writer takes two 16 MiB buffers for every page and frees them again. Handed back to the
// system each time, they are faulted in anew on every page (some 6% of the printing); kept
// by the allocator, what the pages touch of them adds up. So they are kept, and every so many
// pages the allocator hands back what is free: the memory stays flat however long the report.
void keepFreedBuffers()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

void handBackFreedMemory(int pagesDone)
{
#if defined(__GLIBC__)
    constexpr int every = 64; // pages
    if (pagesDone % every == 0)
        malloc_trim(0);
#else
    Q_UNUSED(pagesDone);
#endif
}

// A list report as an Excel workbook instead of a PDF.
int cetakWorkbook(const QString& name, const QString& output, QTextStream& out, QTextStream& err)
{
    if (!hasWorkbook(name)) {
        err << "Laporan \"" << name << "\" tidak dapat ditulis sebagai .xlsx; hanya drKursan dan "
            << "drUnit.\n";
        return 2;
    }
    try {
        const Rows rows = readList(name);
        writeWorkbook(name, rows, output);
        out << name << ": " << rows.count() << " baris -> " << QDir::toNativeSeparators(output)
            << "\n";
    } catch (const data::Error& e) {
        err << e.message() << "\n";
        return 1;
    }
    return 0;
}
} // namespace

int cetakMain(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString known = reportNames().join(QStringLiteral(", "));
    if (arguments.size() != 3) {
        err << "Pemakaian: kursan-cetak DATABASE LAPORAN KELUARAN.pdf\n"
            << "           kursan-cetak DATABASE drKursan|drUnit KELUARAN.xlsx\n"
            << "Laporan: " << known << "\n";
        return 2;
    }
    const QString& database = arguments[0];
    const QString& name = arguments[1];
    const QString& output = arguments[2];

    const Layout* layout = findLayout(name);
    if (!layout) {
        err << "Laporan \"" << name << "\" tidak dikenal. Laporan yang ada: " << known << "\n";
        return 2;
    }
    const QString path = QDir::current().absoluteFilePath(database);
    // The start check also rolls back a save that a crash cut short, which the read-only
    // report connection could not do.
    const data::FileCheck found = data::Database::check(path);
    if (!found.accepted()) {
        err << found.message << "\n";
        return 1;
    }
    data::Database::setPath(path);
    if (output.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return cetakWorkbook(name, output, out, err);
    // The rows are laid out and drawn as they are read, a page at a time: the memory a report
    // takes does not grow with its length.
    std::unique_ptr<RowCursor> rows;
    std::unique_ptr<Pager> pager;
    try {
        rows = deLaporan::instance().cursor(layout->command, layout->filter);
        pager = std::make_unique<Pager>(*layout, *rows, platform::today());
    } catch (const data::Error& e) {
        err << e.message() << "\n";
        return 1;
    }
    QString why;
    keepFreedBuffers();
    if (!writePdf(*pager, output, [](int pages, int) { handBackFreedMemory(pages); }, &why)) {
        err << "Berkas PDF " << QDir::toNativeSeparators(output) << " tidak dapat ditulis: " << why
            << "\n";
        return 1;
    }
    out << name << ": " << pager->rowsDone() << " baris, " << pager->pagesDone() << " halaman -> "
        << QDir::toNativeSeparators(output) << "\n";
    return 0;
}

} // namespace reports
