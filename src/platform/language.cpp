#include "platform/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace platform {

void useIndonesian()
{
    // Numbers, dates and the file types Qt names (from the desktop's list of types) follow.
    QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/i18n/kursan_id.qm")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace platform
