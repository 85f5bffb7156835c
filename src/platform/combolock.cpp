#include "platform/combolock.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace platform {

namespace {
const char* const LockedProperty = "kursanLocked";

class LockFilter : public QObject {
public:
    explicit LockFilter(QComboBox* combo) : QObject(combo), m_combo(combo) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!isLocked(m_combo))
            return QObject::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            // Clicks into the text of an editable box only place the cursor.
            return watched == m_combo;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            return key != Qt::Key_Tab && key != Qt::Key_Backtab;
        }
        default: return QObject::eventFilter(watched, event);
        }
    }

private:
    QComboBox* m_combo;
};
} // namespace

void setLocked(QComboBox* combo, bool locked)
{
    if (!combo->property(LockedProperty).isValid()) {
        auto* filter = new LockFilter(combo);
        combo->installEventFilter(filter);
        if (combo->lineEdit())
            combo->lineEdit()->installEventFilter(filter);
    }
    combo->setProperty(LockedProperty, locked);
    if (combo->lineEdit())
        combo->lineEdit()->setReadOnly(locked);
}

bool isLocked(const QComboBox* combo) { return combo->property(LockedProperty).toBool(); }

void showHint(QComboBox* combo, const QString& hint)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(hint);
}

} // namespace platform
