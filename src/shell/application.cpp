#include "shell/application.h"

#include "data/error.h"
#include "platform/msgbox.h"

#include <exception>

bool KursanApplication::notify(QObject* receiver, QEvent* event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const data::Declined&) {
        return false;
    } catch (const data::Error& e) {
        message = e.message();
    } catch (const std::exception& e) {
        message = QStringLiteral("Terjadi kesalahan: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        message = QStringLiteral("Terjadi kesalahan yang tidak dikenal.");
    }
    platform::msgBox(message + QStringLiteral("\nProgram tetap berjalan."),
                     QStringLiteral("Kesalahan"), platform::Icon::Critical);
    return false;
}
