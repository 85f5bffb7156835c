#include "platform/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace platform {

void useIndonesian()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/i18n/kursan_id.qm")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace platform
