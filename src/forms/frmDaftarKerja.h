#pragma once

#include "data/worklist.h"
#include "platform/windows.h"

#include <QDate>
#include <memory>

namespace Ui {
class frmDaftarKerja;
}

namespace data {
struct Changes;
}

class QTableWidget;

// The day's worklist: certificates falling due, letters awaiting a reply, granted letters
// without a placement (and placements whose period cannot be read), trainees without a letter
// number. Enter or a double-click on a row opens the form that mends it at that row. What is
// saved anywhere shows within two seconds.
class frmDaftarKerja : public platform::Form {
    Q_OBJECT
public:
    explicit frmDaftarKerja(QWidget* owner = nullptr);
    ~frmDaftarKerja() override;

    // The days the certificates' list covers: today to today plus the days box.
    QDate lastDay() const;

private:
    void txtHari_Change();
    void cmdCetakSertifikat_Click();
    void cmdPerbarui_Click();
    void cmdKeluar_Click();
    // Opens the form that mends the row of that list.
    void mend(QTableWidget* grid, int row);
    void load();
    // Which of the four lists the grid shows.
    int listOf(const QTableWidget* grid) const;
    void fill(QTableWidget* grid, const std::vector<data::WorkItem>& items);
    void follow(const data::Changes& changes);

    std::unique_ptr<Ui::frmDaftarKerja> m_ui;
    data::Worklist m_list;
    QDate m_today; // the first day of the certificates' list, taken when the list is read
};
