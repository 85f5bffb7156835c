#include "data/backup.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/error.h"
#include "platform/language.h"
#include "platform/msgbox.h"
#include "shell/application.h"
#include "shell/frmPassword.h"
#include "shell/startup.h"

int main(int argc, char* argv[])
{
    KursanApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kursan"));
    // Desktops take the window's icon and name from the installed menu entry.
    QApplication::setDesktopFileName(QStringLiteral("id.co.tembara.Kursan"));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    platform::useIndonesian();

    if (!shell::openConfiguredDatabase())
        return 1;
    try {
        data::keepDailyCopy(data::today());
    } catch (const data::Error& e) {
        // The program still runs on its data; the clerk learns that today has no copy.
        platform::msgBox(QStringLiteral("Salinan harian tidak dibuat. %1").arg(e.message()),
                         QStringLiteral("Kursan"), platform::Icon::Critical);
    }

    auto* login = new frmPassword();
    login->show();
    return app.exec();
}
