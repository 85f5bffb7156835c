#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

enum class Icon { Information, Question, Critical };
// YesNo reads Ya / Tidak, YesNoCancel Ya / Tidak / Batal, RetryCancel Ulangi / Batal.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct MsgBoxCall {
    QString text;
    QString title;
    Icon icon;
    Buttons buttons;
    Answer defaultAnswer; // the button Enter presses
};

// Every message box of the program goes through here, so tests can answer it. Enter presses
// `defaultAnswer` where the box has that button, else its first button.
Answer msgBox(const QString& text, const QString& title, Icon icon, Buttons buttons = Buttons::Ok,
              QWidget* parent = nullptr, Answer defaultAnswer = Answer::Ok);

using MsgBoxHandler = std::function<Answer(const MsgBoxCall&)>;
// Replaces the real modal box; an empty handler restores it.
void setMsgBoxHandler(MsgBoxHandler handler);

} // namespace platform
