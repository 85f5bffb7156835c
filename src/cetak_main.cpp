#include "reports/cetak.h"

#include <QGuiApplication>
#include <QTextStream>

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
    return reports::cetakMain(QGuiApplication::arguments().mid(1), out, err);
}
