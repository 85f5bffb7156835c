#pragma once

#include "data/location.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class frmLokasi;
}

// Where the data lives: the file on this PC, or a database on the office's PostgreSQL server.
// Shows the place in use, tests a new one (a password typed here serves that test only), and
// saves it in the settings for the next start.
class frmLokasi : public QDialog {
    Q_OBJECT
public:
    explicit frmLokasi(QWidget* owner = nullptr);
    ~frmLokasi() override;

    // The place "Simpan" stored; none while nothing was saved.
    const std::optional<data::Location>& saved() const { return m_saved; }

private:
    void cmdPilih_Click();
    void cmdUji_Click();
    void cmdSimpan_Click();
    void showKind();
    // The place as typed; throws data::Error when it is incomplete.
    data::Location chosen() const;
    // Tells what is at the place; false when it cannot be used.
    bool tryOut(const data::Location& location);

    std::unique_ptr<Ui::frmLokasi> m_ui;
    std::optional<data::Location> m_saved;
};
