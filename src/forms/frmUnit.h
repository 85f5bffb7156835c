#pragma once

#include "platform/windows.h"

#include <memory>

namespace Ui {
class frmUnit;
}

namespace data {
class DataControl;
}

// The list of the organisation's units: browse in the grid, add, edit, delete, search.
// cmd2 searches while browsing and saves while adding or editing ("Cari" / "Simpan").
// txtKodeUnit and txtNamaUnit are bound to TUnit's Kode_Unit and Unit (Adodc1).
class frmUnit : public platform::Form {
    Q_OBJECT
public:
    explicit frmUnit(QWidget* owner = nullptr);
    ~frmUnit() override;

protected:
    bool mayClose() override;

private:
    enum class Mode { Browse, Adding, Editing };

    void tutupkunci();
    void bukakunci();

    void cmdTambah_Click();
    void cmd1_Click();
    void cmd2_Click();
    void cmdHapus_Click();
    void cmdKeluar_Click();
    bool txtKodeUnit_KeyPress(int key);
    bool txtNamaUnit_KeyPress(int key);

    bool simpan();
    // The one switch of the form's mode: the boxes' lock, the record buttons and cmd2's caption.
    void setMode(Mode mode);
    bool hasUnit(const QString& refusal);
    // Stores the unit being added or edited, asking first when a new code takes placements
    // with it; false when it was not stored (the entry stays as typed).
    bool storePending();
    // Stores the unit; a new code takes the unit's placements with it, in one transaction.
    void store(const QString& from, int movingPlacements);

    std::unique_ptr<Ui::frmUnit> m_ui;
    data::DataControl* m_units = nullptr; // "Adodc1", TUnit: the boxes and the grid
    Mode m_mode = Mode::Browse;
};
