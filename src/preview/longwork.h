#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace reports {

// The progress of work that may run long (printing, saving, exporting): once it has run for a
// second, a window says how far it is ("Mencetak halaman 40 dari 3.704") and offers "Batal";
// nothing else of the program can be touched meanwhile. The window goes with the work.
class LongWork {
public:
    // `what` holds %1, the count done, and %2, all of them.
    LongWork(QWidget* parent, const QString& title, const QString& what, int all);
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    // Says that `done` of all are done; false once the clerk has cancelled.
    bool step(int done);
    bool cancelled() const { return m_cancelled; }

    // How long work runs before its progress shows, in milliseconds; tests make it 0.
    static void setDelay(int milliseconds);

private:
    QWidget* m_parent;
    QString m_title;
    QString m_what;
    int m_all;
    QElapsedTimer m_clock;
    qint64 m_shownAt = -1; // when the window was last brought up to date
    QPointer<QProgressDialog> m_dialog;
    bool m_cancelled = false;
};

} // namespace reports
