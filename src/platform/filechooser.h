#pragma once

#include <QString>
#include <functional>
#include <memory>

class QFileDialog;
class QWidget;

namespace platform {

enum class FileAction { Save, Open };

struct FileQuestion {
    FileAction action;
    QString title;
    QString suggested; // a file, or a folder to start in
    QString filter;    // "Berkas Kursan (*.mdb)"
    QString suffix;    // added to a typed name without one, before the overwrite question
};

// Asks for a file with the program's own dialog, in Indonesian to its dates and sizes (a save
// asks before replacing a file); returns an empty text when the user cancels.
QString askFileName(const FileQuestion& question, QWidget* parent = nullptr);

// The dialog askFileName shows, not yet shown.
std::unique_ptr<QFileDialog> fileDialog(const FileQuestion& question, QWidget* parent = nullptr);

using FileNameHandler = std::function<QString(const FileQuestion&)>;
// Tests answer instead of the dialog; an empty handler restores it.
void setFileNameHandler(FileNameHandler handler);

} // namespace platform
