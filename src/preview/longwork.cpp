#include "preview/longwork.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProgressDialog>

namespace reports {

namespace {
int& delay()
{
    static int milliseconds = 1000;
    return milliseconds;
}
// The window is brought up to date this often, not at every row: each update lets the
// program answer the clerk, which costs more than a row.
constexpr qint64 refresh = 50; // milliseconds
} // namespace

void LongWork::setDelay(int milliseconds) { delay() = milliseconds; }

LongWork::LongWork(QWidget* parent, const QString& title, const QString& what, int all)
    : m_parent(parent), m_title(title), m_what(what), m_all(all)
{
    m_clock.start();
}

LongWork::~LongWork() { delete m_dialog; }

bool LongWork::step(int done)
{
    const qint64 now = m_clock.elapsed();
    if (m_cancelled || now < delay() || (m_dialog && now - m_shownAt < refresh))
        return !m_cancelled;
    m_shownAt = now;
    if (!m_dialog) {
        m_dialog = new QProgressDialog(m_parent);
        m_dialog->setObjectName(QStringLiteral("progress"));
        m_dialog->setWindowTitle(m_title);
        m_dialog->setCancelButtonText(QStringLiteral("Batal"));
        m_dialog->setRange(0, m_all);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->setMinimumDuration(0);
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->show();
    }
    const QLocale numbers;
    m_dialog->setLabelText(m_what.arg(numbers.toString(done), numbers.toString(m_all)));
    m_dialog->setValue(std::min(done, m_all));
    // The window is modal: the clerk can reach only "Batal" while the program answers here.
    QCoreApplication::processEvents();
    m_cancelled = m_dialog->wasCanceled();
    return !m_cancelled;
}

} // namespace reports
