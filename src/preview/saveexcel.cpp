#include "preview/saveexcel.h"

#include "platform/filechooser.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "preview/preview.h"
#include "reports/export.h"

#include <QAction>
#include <QDir>

namespace reports {

using data::Rows;

void saveExcel(const QString& list, QWidget* parent, const Rows* shown)
{
    const QString title = QStringLiteral("Ekspor Excel");
    const QString path = platform::askFileName(
        {platform::FileAction::Save, title,
         QDir::home().filePath(workbookTitle(list) + QStringLiteral(".xlsx")),
         QStringLiteral("Buku kerja Excel (*.xlsx)"), QStringLiteral("xlsx")},
        parent);
    if (path.isEmpty())
        return;
    if (!platform::guarded(
            parent, [&] { writeWorkbook(list, shown ? *shown : readList(list), path); }, title))
        return;
    platform::msgBox(QStringLiteral("%1 disimpan ke %2.")
                         .arg(workbookTitle(list), QDir::toNativeSeparators(path)),
                     title, platform::Icon::Information, platform::Buttons::Ok, parent);
}

void addExcelExport(ReportPreview* preview)
{
    const QString list = preview->document().layout->name;
    if (!hasWorkbook(list))
        return;
    auto* action = new QAction(QStringLiteral("Ekspor Excel"), preview);
    action->setObjectName(QStringLiteral("EksporExcel"));
    preview->addFileAction(action);
    // The rows the preview shows, as its bar narrowed them.
    QObject::connect(action, &QAction::triggered, preview,
                     [preview, list] { saveExcel(list, preview, preview->document().rows.get()); });
}

} // namespace reports
