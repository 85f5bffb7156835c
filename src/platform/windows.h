#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace platform {

// Each form exists at most once; it is loaded on first touch and destroyed when unloaded,
// so the next touch loads it afresh.
class Windows {
public:
    static QWidget* find(const QString& name);
    static void remember(const QString& name, QWidget* window);
    static void forget(QWidget* window);
    // Every loaded form and report preview.
    static QList<QWidget*> all();
};

template <class T> T* loaded()
{
    return qobject_cast<T*>(Windows::find(T::staticMetaObject.className()));
}

// The loaded instance of T, or a new one owned by `owner` (its load handler runs in the
// constructor).
template <class T> T* window(QWidget* owner = nullptr)
{
    if (T* w = loaded<T>())
        return w;
    T* w = new T(owner);
    Windows::remember(T::staticMetaObject.className(), w);
    return w;
}

// Shows a window modeless and brings it to the front.
void showWindow(QWidget* window);

// The title bar of a fixed-size form: its caption and a close box, no minimise or maximise.
inline constexpr Qt::WindowFlags CloseBoxOnly = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                Qt::WindowCloseButtonHint;

// A top-level form: owned by its parent window, above which it stays; unloaded (destroyed)
// when closed.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* owner, Qt::WindowFlags flags = {});
    // Closes and destroys the form; its form-level values go with it.
    void unload();
    // Centres the window on the screen.
    void centre();
    // Centres the window over another one, staying on the screen.
    void centreOver(const QWidget* other);

signals:
    // The form has closed and goes away; its owner may take the front again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Asked when the user closes the window, and before the program ends or the data is
    // replaced; false keeps it open.
    virtual bool mayClose() { return true; }
    friend bool askEveryForm(QWidget* except);
    // For an entry not saved yet: asks "Data belum disimpan. Simpan?" with Ya / Tidak /
    // Batal. Ya closes only when `save` succeeds, Tidak closes (the entry goes with the form,
    // never stored), Batal keeps the window.
    bool askToSave(const std::function<bool()>& save);

private:
    bool m_labelsFitted = false;
};

// Widens every label of the window whose text is longer than its box, so that no caption is
// clipped: to the right, or both ways for a centred one, staying inside its parent.
void fitLabels(QWidget* window);

// Fixed window size from twips (1 px = 15 twips).
constexpr int px(int twips) { return (twips + 7) / 15; }

} // namespace platform

namespace platform {

// Asks every open form that holds an entry not saved yet, as its own close does (save, drop,
// stay), leaving out `except`; false as soon as the user chooses to stay. Closes nothing.
bool askEveryForm(QWidget* except = nullptr);
// Closes every form and preview but `except`, none of them asking again.
void closeEveryWindow(QWidget* except = nullptr);

// Ends the program: once every form with an unsaved entry has been asked, every window closes
// and the process exits. Nothing ends when the user chose to stay with an entry.
void endProgram();
// Tests record the end instead of leaving; an empty handler restores the real end.
void setEndProgramHandler(std::function<void()> handler);

} // namespace platform
