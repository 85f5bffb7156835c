#include "data/database.h"
#include "data/error.h"
#include "platform/language.h"
#include "platform/msgbox.h"
#include "shell/frmPassword.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kursan"));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    platform::useIndonesian();

    try {
        data::Database::prepare(data::Database::defaultPath());
    } catch (const data::Error& e) {
        platform::msgBox(e.message(), QStringLiteral("Kursan"), platform::Icon::Critical);
        return 1;
    }

    auto* login = new frmPassword();
    login->show();
    return app.exec();
}
