#include "platform/windows.h"

#include "platform/guard.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QScreen>

namespace platform {

namespace {
QHash<QString, QPointer<QWidget>>& registry()
{
    static QHash<QString, QPointer<QWidget>> r;
    return r;
}

bool g_closingAsked = false; // windows close without asking: the user was asked already
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

QList<QWidget*> Windows::all()
{
    QList<QWidget*> out;
    for (const QPointer<QWidget>& w : std::as_const(registry()))
        if (w)
            out << w.data();
    return out;
}

void showWindow(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

namespace {
// A window with an owner is its dialog unless it says otherwise (a tool window): X11 window
// managers keep dialogs and tool windows above the window they belong to, while a plain
// window goes behind its owner as soon as the owner is clicked.
Qt::WindowFlags kindOf(const QWidget* owner, Qt::WindowFlags flags)
{
    if (flags & Qt::WindowType_Mask)
        return flags;
    return flags | (owner ? Qt::Dialog : Qt::Window);
}
} // namespace

Form::Form(QWidget* owner, Qt::WindowFlags flags) : QWidget(owner, kindOf(owner, flags))
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

void Form::centreOver(const QWidget* other)
{
    QRect placed = frameGeometry();
    placed.moveCenter(other->frameGeometry().center());
    if (const QScreen* screen = other->screen()) {
        const QRect area = screen->availableGeometry();
        placed.moveRight(std::min(placed.right(), area.right()));
        placed.moveBottom(std::min(placed.bottom(), area.bottom()));
        placed.moveLeft(std::max(placed.left(), area.left()));
        placed.moveTop(std::max(placed.top(), area.top()));
    }
    move(placed.topLeft());
}

void Form::showEvent(QShowEvent* event)
{
    if (!m_labelsFitted) { // the fonts are final by the first show
        fitLabels(this);
        m_labelsFitted = true;
    }
    QWidget::showEvent(event);
}

void fitLabels(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->wordWrap() || !label->pixmap().isNull() || label->text().isEmpty())
            continue;
        const int need = label->sizeHint().width();
        if (need <= label->width())
            continue;
        QRect box = label->geometry();
        const int extra = need - box.width();
        if (label->alignment() & Qt::AlignHCenter)
            box.adjust(-extra / 2, 0, extra - extra / 2, 0);
        else
            box.setWidth(need);
        if (QWidget* parent = label->parentWidget()) {
            if (box.right() >= parent->width())
                box.moveRight(parent->width() - 1);
            if (box.left() < 0)
                box.moveLeft(0);
        }
        label->setGeometry(box);
    }
}

bool Form::askToSave(const std::function<bool()>& save)
{
    switch (msgBox(QStringLiteral("Data belum disimpan. Simpan?"), QStringLiteral("Pesan"),
                   Icon::Question, Buttons::YesNoCancel, this)) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    default: return false;
    }
}

void Form::closeEvent(QCloseEvent* event)
{
    bool mayGo = true;
    if (!g_closingAsked && !guarded(this, [&] { mayGo = mayClose(); }))
        mayGo = false; // a save that failed keeps the window and its entry
    if (!mayGo) {
        event->ignore();
        return;
    }
    Windows::forget(this);
    event->accept();
    emit closed();
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

bool askEveryForm(QWidget* except)
{
    QList<QPointer<Form>> forms;
    for (QWidget* w : Windows::all())
        if (auto* form = qobject_cast<Form*>(w); form && w != except)
            forms << form;
    for (const QPointer<Form>& form : forms)
        if (form && !form->mayClose())
            return false;
    return true;
}

void closeEveryWindow(QWidget* except)
{
    QList<QPointer<QWidget>> open;
    for (QWidget* w : Windows::all())
        if (w != except)
            open << w;
    const bool wasAsked = g_closingAsked;
    g_closingAsked = true;
    for (const QPointer<QWidget>& w : open)
        if (w)
            w->close();
    g_closingAsked = wasAsked;
    // Their connections go with them now, not at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void endProgram()
{
    if (!askEveryForm())
        return;
    if (endHandler()) {
        endHandler()();
        return;
    }
    g_closingAsked = true;
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace platform
