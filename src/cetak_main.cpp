#include "reports/cetak.h"

#include <QGuiApplication>
#include <QTextStream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// The PDF writer takes two 16 MiB buffers for every page and frees them again. Handed back to
// the system each time, they are faulted in anew on every page (some 6% of the printing); kept
// by the allocator, what the pages touch of them adds up. So they are kept, and every so many
// pages the allocator hands back what is free: the memory stays flat however long the report.
static void keepFreedBuffers()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

static void handBackFreedMemory(int pagesDone)
{
#if defined(__GLIBC__)
    constexpr int every = 64; // pages
    if (pagesDone % every == 0)
        malloc_trim(0);
#else
    Q_UNUSED(pagesDone);
#endif
}

// A batch log holds the program's own lines only, not the toolkit's notes about its
// surroundings (a missing runtime folder, fonts).
static void quiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        QTextStream(stderr) << message << "\n";
}

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quiet);
    // The batch printer opens no window, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    keepFreedBuffers();
    return reports::cetakMain(QGuiApplication::arguments().mid(1), out, err, handBackFreedMemory);
}
