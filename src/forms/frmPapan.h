#pragma once

#include "platform/windows.h"

#include <memory>
#include <vector>

namespace Ui {
class frmPapan;
}

namespace occupancy {
class Board;
struct GrantedPlacement;
} // namespace occupancy

class QModelIndex;

// The placement board: for a chosen year, how many granted placements each unit holds in each
// month, against the office's quota of five, and from which month each unit has room again.
// The placements are read once when the board opens (or on "&Perbarui").
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
    void cmdTakTerbaca_Click();
    void cmdPerbarui_Click();
    void cmdKeluar_Click();
    void showList(const QString& title,
                  const std::vector<const occupancy::GrantedPlacement*>& placements);
    void load();
    void showYear();

    std::unique_ptr<Ui::frmPapan> m_ui;
    std::unique_ptr<occupancy::Board> m_board;
};
