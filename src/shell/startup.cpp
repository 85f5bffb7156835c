#include "shell/startup.h"

#include "data/backup.h"
#include "data/database.h"
#include "data/error.h"
#include "platform/msgbox.h"
#include "shell/frmLokasi.h"

using namespace platform;

namespace shell {

namespace {
const QString Title = QStringLiteral("Kursan");

// Asks what to do about a place that cannot be used; false when the program has to end.
bool anotherTry(const QString& why, data::Location& location)
{
    switch (msgBox(why, Title, Icon::Critical, Buttons::RetryLocationCancel)) {
    case Answer::Retry: return true;
    case Answer::Location: {
        frmLokasi dialog;
        dialog.exec();
        if (dialog.saved())
            location = *dialog.saved();
        return true;
    }
    default: return false;
    }
}
} // namespace

bool openDatabase(data::Location location)
{
    for (;;) {
        try {
            data::Database::prepare(location);
            data::removeLeftoverCopies();
            return true;
        } catch (const data::InUseError& e) {
            const QString question = e.message() +
                                     QStringLiteral("\nTutup program itu, lalu pilih Ulangi.");
            if (msgBox(question, Title, Icon::Critical, Buttons::RetryCancel) != Answer::Retry)
                return false;
        } catch (const data::Error& e) {
            if (!location.isServer()) {
                msgBox(e.message(), Title, Icon::Critical);
                return false;
            }
            if (!anotherTry(e.message(), location))
                return false;
        }
    }
}

bool openConfiguredDatabase()
{
    for (;;) {
        data::Location location;
        try {
            location = data::Location::configured();
        } catch (const data::Error& e) {
            if (!anotherTry(e.message(), location))
                return false;
            if (location == data::Location())
                continue; // nothing chosen: the settings are read again
        }
        return openDatabase(location);
    }
}

} // namespace shell
