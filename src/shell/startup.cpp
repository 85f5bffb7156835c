#include "shell/startup.h"

#include "data/backup.h"
#include "data/database.h"
#include "data/error.h"
#include "platform/msgbox.h"

namespace shell {

bool openDatabase(const QString& path)
{
    const QString title = QStringLiteral("Kursan");
    for (;;) {
        try {
            data::Database::prepare(path);
            data::removeLeftoverCopies();
            return true;
        } catch (const data::InUseError& e) {
            const QString question = e.message() +
                                     QStringLiteral("\nTutup program itu, lalu pilih Ulangi.");
            if (platform::msgBox(question, title, platform::Icon::Critical,
                                 platform::Buttons::RetryCancel) != platform::Answer::Retry)
                return false;
        } catch (const data::Error& e) {
            platform::msgBox(e.message(), title, platform::Icon::Critical);
            return false;
        }
    }
}

} // namespace shell
