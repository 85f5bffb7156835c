#pragma once

#include "platform/windows.h"

#include <memory>
#include <vector>

namespace Ui {
class frmDaftarPenempatan;
}

namespace occupancy {
struct GrantedPlacement;
}

// The trainees behind one cell of the placement board (or its unreadable periods): name,
// institution, period and letter number.
class frmDaftarPenempatan : public platform::Form {
    Q_OBJECT
public:
    explicit frmDaftarPenempatan(QWidget* owner = nullptr);
    ~frmDaftarPenempatan() override;

    // Replaces the list; `title` heads it and captions the window.
    void showPlacements(const QString& title,
                        const std::vector<const occupancy::GrantedPlacement*>& placements);

private:
    std::unique_ptr<Ui::frmDaftarPenempatan> m_ui;
};
