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

namespace {
QMessageBox::StandardButton buttonOf(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Retry: break;
    }
    return QMessageBox::Retry;
}
} // namespace

Answer msgBox(const QString& text, const QString& title, Icon icon, Buttons buttons,
              QWidget* parent, std::optional<Answer> enterAnswer)
{
    if (handler())
        return handler()({text, title, icon, buttons, enterAnswer});

    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo: // Esc and the close box answer Tidak
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ya"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Tidak"));
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ya"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Tidak"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Batal"));
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Buttons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.button(QMessageBox::Retry)->setText(QStringLiteral("&Ulangi"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Batal"));
        box.setDefaultButton(QMessageBox::Retry);
        break;
    }
    if (enterAnswer && box.button(buttonOf(*enterAnswer)))
        box.setDefaultButton(buttonOf(*enterAnswer));
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return Answer::Cancel; // Cancel, Batal, Esc or the close box
    }
}

} // namespace platform
