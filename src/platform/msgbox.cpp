#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
    if (buttons == Buttons::RetryCancel) {
        // Our own captions: the standard Retry and Cancel buttons would speak English.
        QPushButton* retry = box.addButton(QStringLiteral("&Ulangi"), QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QStringLiteral("&Batal"), QMessageBox::RejectRole);
        box.setDefaultButton(retry);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == retry ? Answer::Retry : Answer::Cancel;
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
