#pragma once

#include "platform/windows.h"

#include <QString>
#include <memory>
#include <vector>

namespace Ui {
class frmPapan;
}

namespace occupancy {
class Board;
struct GrantedPlacement;
} // namespace occupancy

namespace data {
struct Changes;
}

class QModelIndex;

// The placement board: for a chosen year, how many granted placements each unit holds in each
// month, against the office's quota of five, and from which month each unit has room again.
// What is saved anywhere shows within two seconds, the chosen cell and an open list kept;
// "&Perbarui" reads everything again at once.
class frmPapan : public platform::Form {
    Q_OBJECT
public:
    explicit frmPapan(QWidget* owner = nullptr);
    ~frmPapan() override;

    static constexpr int RoomColumn = 12; // after the twelve months

private:
    // The year box: the cells show that year.
    void txtTahun_Change();
    // Double-click or Enter on a month's cell lists its trainees.
    void grdPapan_Activate(const QModelIndex& cell);
    // Lists the trainees of the unit in board row `row` during month `key`.
    void listCell(int row, int key);
    void cmdTakTerbaca_Click();
    void cmdPerbarui_Click();
    void cmdKeluar_Click();
    void showList(const QString& title,
                  const std::vector<const occupancy::GrantedPlacement*>& placements);
    void load();
    // Shows the board's counts, the chosen cell on the row of unit `unitAt` as before, and the
    // open list as it is now.
    void build(const QString& unitAt);
    // The unit code of the chosen cell's row; empty: none chosen.
    QString chosenUnit() const;
    void follow(const data::Changes& changes);
    void showYear();

    std::unique_ptr<Ui::frmPapan> m_ui;
    std::unique_ptr<occupancy::Board> m_board;
    // The cell whose trainees the list shows: its unit and month; no unit: the unreadable.
    struct Listed {
        QString unit;
        int key = -1;
    } m_listed;
};
