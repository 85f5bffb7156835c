#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {
MsgBoxHandler& handler()
{
    static MsgBoxHandler h;
    return h;
}
} // namespace

void setMsgBoxHandler(MsgBoxHandler h) { handler() = std::move(h); }

Answer msgBox(const QString& text, const QString& title, Icon icon, Buttons buttons,
              QWidget* parent)
{
    if (handler())
        return handler()({text, title, icon, buttons});

    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

} // namespace platform
