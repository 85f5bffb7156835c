#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class YearBar;
}

namespace reports {

// The row under the preview of a report of one year that chooses its year: this year first,
// its arrows move a year, a typed year counts once it is confirmed.
class YearBar : public QWidget {
    Q_OBJECT
public:
    explicit YearBar(QWidget* parent);
    ~YearBar() override;

    int year() const;
    // Shows the year the preview now prints; emits nothing.
    void setYear(int year);
    // After a run that failed: shows again the year the preview prints.
    void restore() { setYear(m_shown); }

signals:
    void chosen(int year);

private:
    std::unique_ptr<Ui::YearBar> m_ui;
    int m_shown = 0;
};

} // namespace reports
