#pragma once

#include "data/selection.h"

#include <QWidget>
#include <memory>

namespace Ui {
class SelectionBar;
}

namespace reports {

// The row under a preview's toolbar that chooses what the report prints: all rows, one
// trainee, a range of letter numbers or a start month, as far as the report's command allows.
// "Semua data" applies at once; the other kinds when their text is confirmed with Enter or
// "Tampilkan". Text that does not read is answered with a message, asks for nothing and gives
// way to what the preview prints, so the bar never shows a choice that is not printed.
class SelectionBar : public QWidget {
    Q_OBJECT
public:
    SelectionBar(const QString& command, QWidget* parent);
    ~SelectionBar() override;

    // Whether a report's command can be narrowed at all (the unit list cannot).
    static bool offersChoice(const QString& command);

    // Shows the selection the preview now prints; emits nothing.
    void setSelection(const data::Selection& selection);
    // After a refused entry: shows again what the preview prints.
    void restore() { setSelection(m_selection); }

signals:
    void selected(const data::Selection& selection);

private:
    data::Selection::Kind chosenKind() const;
    void showInput(data::Selection::Kind kind, const QString& text);
    void kindPicked();
    void confirm();

    std::unique_ptr<Ui::SelectionBar> m_ui;
    data::Selection m_selection;
};

} // namespace reports
