#include "platform/keys.h"

#include "platform/guard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace platform {

namespace {
class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, std::function<bool(int)> handler)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // ShortcutOverride is claimed for Enter so that no window-level shortcut steals it.
        if (event->type() == QEvent::ShortcutOverride) {
            auto* ke = static_cast<QKeyEvent*>(event);
            if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
                event->accept();
                return true;
            }
        }
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto* ke = static_cast<QKeyEvent*>(event);
        int code = ke->key();
        if (code == Qt::Key_Return || code == Qt::Key_Enter)
            code = KeyEnter;
        else if (!ke->text().isEmpty())
            code = ke->text().at(0).unicode();
        // A key handler is a user action like a click: a data error is shown and the key
        // used up, the window staying as it was.
        bool consumed = true;
        guarded(static_cast<QWidget*>(watched)->window(), [&] { consumed = m_handler(code); });
        return consumed;
    }

private:
    std::function<bool(int)> m_handler;
};

// An Escape that no box of the window wanted travels up to the window itself.
class EscapeFilter : public QObject {
public:
    explicit EscapeFilter(QWidget* window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window || event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return QObject::eventFilter(watched, event);
        m_window->close();
        return true;
    }

private:
    QWidget* m_window;
};
} // namespace

void onKeyPress(QWidget* widget, std::function<bool(int)> handler)
{
    widget->installEventFilter(new KeyFilter(widget, std::move(handler)));
}

void enterPressesButtons(QWidget* window)
{
    for (auto* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void escapeCloses(QWidget* window) { window->installEventFilter(new EscapeFilter(window)); }

} // namespace platform
