#include "platform/filechooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace platform {

namespace {
FileNameHandler& handler()
{
    static FileNameHandler h;
    return h;
}
} // namespace

void setFileNameHandler(FileNameHandler h) { handler() = std::move(h); }

QString askFileName(const FileQuestion& question, QWidget* parent)
{
    if (handler())
        return handler()(question);
    QFileDialog dialog(parent, question.title);
    dialog.setNameFilter(question.filter);
    dialog.setDefaultSuffix(question.suffix);
    if (question.action == FileAction::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDirectory(QFileInfo(question.suggested).absolutePath());
        dialog.selectFile(QFileInfo(question.suggested).fileName());
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(question.suggested);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
