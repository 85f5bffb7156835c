#include "platform/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>

namespace platform {

namespace {
QHash<QString, QPointer<QWidget>>& registry()
{
    static QHash<QString, QPointer<QWidget>> r;
    return r;
}
} // namespace

QWidget* Windows::find(const QString& name)
{
    auto it = registry().find(name);
    return it == registry().end() ? nullptr : it->data();
}

void Windows::remember(const QString& name, QWidget* window) { registry()[name] = window; }

void Windows::forget(QWidget* window)
{
    for (auto it = registry().begin(); it != registry().end();) {
        if (it->isNull() || it->data() == window)
            it = registry().erase(it);
        else
            ++it;
    }
}

void showWindow(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

Form::Form(QWidget* owner, Qt::WindowFlags flags) : QWidget(owner, Qt::Window | flags)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void Form::unload() { close(); }

void Form::centre()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect area = screen->availableGeometry();
    QRect frame = frameGeometry();
    move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void Form::closeEvent(QCloseEvent* event)
{
    beforeUnload();
    Windows::forget(this);
    event->accept();
}

} // namespace platform

namespace platform {

namespace {
std::function<void()>& endHandler()
{
    static std::function<void()> h;
    return h;
}
} // namespace

void setEndProgramHandler(std::function<void()> handler) { endHandler() = std::move(handler); }

void endProgram()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace platform
