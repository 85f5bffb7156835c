#include "data/database.h"
#include "shell/frmPassword.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kursan"));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));

    if (!shell::openDatabase(data::Database::defaultPath()))
        return 1;

    auto* login = new frmPassword();
    login->show();
    return app.exec();
}
