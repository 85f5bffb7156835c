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
              QWidget* parent, Answer defaultAnswer)
{
    // The answers of each kind of box, first the one Enter presses unless told otherwise.
    QList<Answer> answers;
    switch (buttons) {
    case Buttons::Ok: answers = {Answer::Ok}; break;
    case Buttons::OkCancel: answers = {Answer::Ok, Answer::Cancel}; break;
    case Buttons::YesNo: answers = {Answer::Yes, Answer::No}; break; // Esc answers Tidak
    case Buttons::YesNoCancel: answers = {Answer::Yes, Answer::No, Answer::Cancel}; break;
    case Buttons::RetryCancel: answers = {Answer::Retry, Answer::Cancel}; break;
    }
    const Answer preferred = answers.contains(defaultAnswer) ? defaultAnswer : answers.first();
    if (handler())
        return handler()({text, title, icon, buttons, preferred});

    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    struct Shown {
        Answer answer;
        QMessageBox::StandardButton button;
        const char* text; // null: Qt's own text
    };
    static const Shown shown[] = {
        {Answer::Ok, QMessageBox::Ok, nullptr},
        {Answer::Cancel, QMessageBox::Cancel, nullptr},
        {Answer::Yes, QMessageBox::Yes, "&Ya"},
        {Answer::No, QMessageBox::No, "&Tidak"},
        {Answer::Retry, QMessageBox::Retry, "&Ulangi"},
    };
    for (const Shown& s : shown) {
        if (!answers.contains(s.answer))
            continue;
        QPushButton* button = box.addButton(s.button);
        if (s.text)
            button->setText(QString::fromUtf8(s.text));
        else if (s.answer == Answer::Cancel && buttons != Buttons::OkCancel)
            button->setText(QStringLiteral("&Batal"));
        if (s.answer == preferred)
            box.setDefaultButton(button);
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return Answer::Cancel; // Cancel, Batal, Esc or the close box
    }
}

} // namespace platform
