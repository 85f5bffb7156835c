#include "platform/filechooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>

namespace platform {

namespace {
FileNameHandler& handler()
{
    static FileNameHandler h;
    return h;
}

// Qt's list of files writes sizes and dates in the desktop's language; the program's own
// language writes them here (the types follow it already).
class IndonesianFiles : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        switch (index.column()) {
        case SizeColumn:
            if (files->isDir(file))
                break;
            return QLocale().formattedDataSize(files->size(file));
        case DateColumn: return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    static constexpr int SizeColumn = 1;
    static constexpr int DateColumn = 3;
};
} // namespace

void setFileNameHandler(FileNameHandler h) { handler() = std::move(h); }

std::unique_ptr<QFileDialog> fileDialog(const FileQuestion& question, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent, question.title);
    // The desktop's own dialog would speak the desktop's language.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setProxyModel(new IndonesianFiles(dialog.get()));
    dialog->setNameFilter(question.filter);
    dialog->setDefaultSuffix(question.suffix);
    if (question.action == FileAction::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDirectory(QFileInfo(question.suggested).absolutePath());
        dialog->selectFile(QFileInfo(question.suggested).fileName());
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setDirectory(question.suggested);
    }
    return dialog;
}

QString askFileName(const FileQuestion& question, QWidget* parent)
{
    if (handler())
        return handler()(question);
    const std::unique_ptr<QFileDialog> dialog = fileDialog(question, parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

} // namespace platform
