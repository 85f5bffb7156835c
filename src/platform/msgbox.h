#pragma once

#include <QString>
#include <functional>
#include <optional>

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
    std::optional<Answer> enterAnswer; // the button Enter presses; none: the first
};

// Every message box of the program goes through here, so tests can answer it. Enter presses
// the first button, or the one of `enterAnswer` where a hasty Enter must not go ahead.
Answer msgBox(const QString& text, const QString& title, Icon icon, Buttons buttons = Buttons::Ok,
              QWidget* parent = nullptr, std::optional<Answer> enterAnswer = std::nullopt);

using MsgBoxHandler = std::function<Answer(const MsgBoxCall&)>;
// Replaces the real modal box; an empty handler restores it.
void setMsgBoxHandler(MsgBoxHandler handler);

} // namespace platform
