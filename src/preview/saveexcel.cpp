#include "preview/saveexcel.h"

#include "platform/filechooser.h"
#include "platform/guard.h"
#include "platform/handlers.h"
#include "platform/msgbox.h"
#include "preview/longwork.h"
#include "preview/preview.h"
#include "reports/export.h"

#include <QAction>
#include <QDir>

namespace reports {

using data::Rows;

void saveExcel(const QString& list, QWidget* parent, const Rows* shown, const QString& selection)
{
    const QString title = QStringLiteral("Ekspor Excel");
    const QString path = platform::askFileName(
        {platform::FileAction::Save, title,
         QDir::home().filePath(workbookTitle(list) + QStringLiteral(".xlsx")),
         QStringLiteral("Buku kerja Excel (*.xlsx)"), QStringLiteral("xlsx")},
        parent);
    if (path.isEmpty())
        return;
    bool written = false;
    if (!platform::guarded(
            parent,
            [&] {
                const Rows read = shown ? Rows() : readList(list);
                const Rows& rows = shown ? *shown : read;
                data::HeldRowCursor cursor(rows);
                LongWork work(parent, title, QStringLiteral("Menulis baris %1 dari %2"),
                              rows.count());
                written = writeWorkbook(list, cursor, path, selection,
                                        [&](int done) { return work.step(done); });
            },
            title) ||
        !written)
        return; // a failure is told; a cancelled export leaves nothing to tell of
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
    platform::handle(action, &QAction::triggered, preview, [preview, list] {
        saveExcel(list, preview, preview->document().rows.get(), preview->document().selection);
    });
}

} // namespace reports
