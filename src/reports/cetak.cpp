#include "reports/cetak.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/deLaporan.h"
#include "data/error.h"
#include "reports/engine/pdffile.h"
#include "reports/export.h"
#include "reports/registry.h"
#include "reports/report.h"
#include "rules/calendar.h"

#include <QDir>
#include <QTextStream>
#include <optional>

namespace reports {

using data::deLaporan;
using data::RowCursor;
using data::Selection;
using data::SelectionError;

namespace {

constexpr int BusyWaitMs = 5000; // as every connection of the program waits

struct Option {
    const char* name;
    std::optional<Selection::Kind> kind; // none: the year of a report of one year
};

const Option options[] = {
    {"--np", Selection::Kind::Trainee},  {"--ns", Selection::Kind::Letters},
    {"--bulan", Selection::Kind::Month}, {"--selesai", Selection::Kind::Ending},
    {"--tahun", std::nullopt},
};

// The reports that can be written as an Excel workbook.
QStringList workbookReports()
{
    QStringList names;
    for (const QString& name : reportNames())
        if (hasWorkbook(name) || findLayout(name)->workbookOfYear)
            names << name;
    return names;
}

// "drKursan, drUnit dan drRegister".
QString inWords(QStringList names)
{
    const QString last = names.takeLast();
    return names.isEmpty() ? last
                           : names.join(QStringLiteral(", ")) + QStringLiteral(" dan ") + last;
}

// The reports that print one year, for --help: ": drRegister", or nothing when there is none.
QString yearReports()
{
    QStringList names;
    for (const QString& name : reportNames())
        if (findLayout(name)->takesYear())
            names << name;
    return names.isEmpty() ? QString() : QStringLiteral(": ") + names.join(QStringLiteral(", "));
}

void printUsage(QTextStream& to)
{
    to << "Pemakaian: kursan-cetak DATABASE LAPORAN KELUARAN.pdf [PILIHAN]\n"
       << "           kursan-cetak DATABASE " << workbookReports().join(QLatin1Char('|'))
       << " KELUARAN.xlsx [PILIHAN]\n"
       << "DATABASE: berkas DataBase, atau server postgresql://PENGGUNA@HOST[:PORT]/NAMA\n"
       << "Laporan: " << reportNames().join(QStringLiteral(", ")) << "\n"
       << "Pilihan (satu saja, sebelum atau sesudah argumen lain; tanpa pilihan: semua baris):\n"
       << "  --np NP             hanya Kursan bernomor NP (1 dan 001 sama) atau bernama NP\n"
       << "  --ns DARI[:SAMPAI]  hanya surat bernomor urut DARI sampai SAMPAI (7:20,\n"
       << "                      B/007/IV/PKL/2005); bukan untuk drUnit\n"
       << "  --bulan MM/YYYY     hanya penempatan yang mulai pada bulan itu; bukan untuk\n"
       << "                      drKursan dan drUnit\n"
       << "  --selesai DD/MM/YYYY:DD/MM/YYYY\n"
       << "                      hanya penempatan \"Dapat\" yang berakhir pada tanggal itu;\n"
       << "                      bukan untuk drKursan dan drUnit\n"
       << "  --tahun YYYY        laporan tahun itu (tanpa pilihan: tahun ini); hanya untuk\n"
       << "                      laporan per tahun" << yearReports() << "\n"
       << "  --help              tampilkan petunjuk ini\n"
       << "Kode keluar: 0 tertulis, 1 DataBase atau berkas keluaran tidak dapat dipakai,\n"
       << "  2 argumen atau pilihan salah, 3 DataBase sedang dipakai program lain (coba lagi).\n";
}

// The command line read: three arguments and at most one selection. `problem` says what is
// wrong with it; nothing is read from the database yet.
struct Arguments {
    QStringList positional;
    Selection selection;
    int year = 0;   // --tahun; 0 when not given
    QString option; // the option given, for messages
    bool help = false;
    QString problem;
};

Arguments readArguments(const QStringList& arguments)
{
    Arguments a;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size() && a.problem.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) ||
            argument == QLatin1String("-")) {
            a.positional << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            a.help = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const Option* option = nullptr;
        for (const Option& o : options)
            if (name == QLatin1String(o.name))
                option = &o;
        if (!option) {
            a.problem = QStringLiteral("Pilihan \"%1\" tidak dikenal.").arg(name);
            break;
        }
        QString value;
        if (equals >= 0)
            value = argument.mid(equals + 1);
        else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
            value = arguments[++i];
        else {
            a.problem = QStringLiteral("Pilihan %1 memerlukan nilai.").arg(name);
            break;
        }
        if (!a.option.isEmpty()) {
            a.problem =
                QStringLiteral("Hanya satu pilihan dapat dipakai: %1 dan %2.").arg(a.option, name);
            break;
        }
        a.option = name;
        if (!option->kind) {
            a.year = calendar::readYear(value);
            if (!a.year)
                a.problem = QStringLiteral("Tahun \"%1\" tidak dapat dibaca. Tulis tahun dengan "
                                           "empat angka, misalnya 2026.")
                                .arg(value.trimmed());
            continue;
        }
        try {
            a.selection = Selection::parse(*option->kind, value);
        } catch (const SelectionError& e) {
            a.problem = QStringLiteral("Pilihan %1: %2").arg(name, e.message());
        }
    }
    return a;
}

// The exit codes, as --help and README give them.
enum Exit { Written = 0, Unusable = 1, WrongArguments = 2, Busy = 3 };

// A failed read: a selection that names no trainee is a wrong argument, a database held past
// the wait is busy, anything else a database that could not be read.
int failed(const data::Error& e, QTextStream& err)
{
    err << e.message() << "\n";
    if (dynamic_cast<const SelectionError*>(&e))
        return WrongArguments;
    return dynamic_cast<const data::InUseError*>(&e) ? Busy : Unusable;
}

// The data of DATABASE, a file or a server's URI, made the program's; an exit code other than
// Written when it cannot be used. The file's check also rolls back a save that a crash cut
// short, which the read-only report connection could not do; a batch run has the time for the
// full check, and waits for a save as long as the program does.
int openDatabase(const QString& database, QTextStream& err)
{
    try {
        const data::Location at = data::Location::parse(database);
        if (at.isServer()) {
            data::Database::prepare(at);
            return Written;
        }
        const data::FileCheck found = data::Database::check(at.path, data::Database::Depth::Full,
                                                            BusyWaitMs);
        if (!found.accepted()) {
            err << found.message << "\n";
            return found.outcome == data::FileCheck::Outcome::InUse ? Busy : Unusable;
        }
        data::Database::use(at);
        return Written;
    } catch (const data::Error& e) {
        return failed(e, err);
    }
}

// A report of one year whose workbook is its own, not a list of its rows.
int cetakWorkbookOfYear(const Layout& layout, int year, const QString& output, QTextStream& out,
                        QTextStream& err)
{
    const int shown = yearOfRun(year);
    try {
        layout.workbookOfYear(shown, output);
    } catch (const data::Error& e) {
        return failed(e, err);
    }
    out << layout.name << ": tahun " << shown << " -> " << QDir::toNativeSeparators(output) << "\n";
    return Written;
}

// A list report as an Excel workbook instead of a PDF, written as its rows are read.
int cetakWorkbook(const Layout& layout, const QString& output, const Selection& selection, int year,
                  QTextStream& out, QTextStream& err)
{
    if (layout.workbookOfYear)
        return cetakWorkbookOfYear(layout, year, output, out, err);
    if (!hasWorkbook(layout.name)) {
        err << "Laporan \"" << layout.name << "\" tidak dapat ditulis sebagai .xlsx; hanya "
            << inWords(workbookReports()) << ".\n";
        return WrongArguments;
    }
    int written = 0;
    try {
        const QString title = rowsTitle(layout, selection, year); // before the rows' cursor opens
        const auto rows = openRows(layout, selection, year);
        writeWorkbook(layout.name, *rows, output, title, [&](int done) {
            written = done;
            return true;
        });
    } catch (const data::Error& e) {
        return failed(e, err);
    }
    out << layout.name << ": " << written << " baris -> " << QDir::toNativeSeparators(output)
        << "\n";
    return Written;
}

} // namespace

int cetakMain(const QStringList& arguments, QTextStream& out, QTextStream& err,
              const std::function<void(int pages)>& pageDone)
{
    const Arguments args = readArguments(arguments);
    if (args.help && args.problem.isEmpty()) {
        printUsage(out);
        return Written;
    }
    if (!args.problem.isEmpty()) {
        err << args.problem << "\nPetunjuk: kursan-cetak --help\n";
        return WrongArguments;
    }
    if (args.positional.size() != 3) {
        printUsage(err);
        return WrongArguments;
    }
    const QString& database = args.positional[0];
    const QString& name = args.positional[1];
    const QString& output = args.positional[2];

    const Layout* layout = findLayout(name);
    if (!layout) {
        err << "Laporan \"" << name
            << "\" tidak dikenal. Laporan yang ada: " << reportNames().join(QStringLiteral(", "))
            << "\n";
        return WrongArguments;
    }
    if (!args.selection.appliesTo(layout->command) || (args.year && !layout->takesYear())) {
        err << "Pilihan " << args.option << " tidak berlaku untuk laporan " << name << ".\n";
        return WrongArguments;
    }
    const int year = args.year; // 0: this year, for a report of one year
    if (const int code = openDatabase(database, err); code != Written)
        return code;
    if (output.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return cetakWorkbook(*layout, output, args.selection, year, out, err);
    // The rows are laid out and drawn as they are read, a page at a time: the memory a report
    // takes does not grow with its length.
    const Layout printed = layoutOfRun(*layout, year);
    std::unique_ptr<RowCursor> rows;
    std::unique_ptr<Pager> pager;
    QString title;
    try {
        title = documentTitle(printed, rowsTitle(printed, args.selection, year));
        rows = openRows(printed, args.selection, year);
        pager = std::make_unique<Pager>(printed, *rows, data::today());
    } catch (const data::Error& e) {
        return failed(e, err);
    }
    QString why;
    auto progress = [&pageDone](int pages, int) {
        if (pageDone)
            pageDone(pages);
        return true;
    };
    if (!writePdf(*pager, output, title, progress, &why)) {
        err << "Berkas PDF " << QDir::toNativeSeparators(output) << " tidak dapat ditulis: " << why
            << "\n";
        return Unusable;
    }
    out << name << ": " << pager->rowsDone() << " baris, " << pager->pagesDone() << " halaman -> "
        << QDir::toNativeSeparators(output) << "\n";
    return Written;
}

} // namespace reports
