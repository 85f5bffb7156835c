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
// The caption of cmd2 is the form's mode: "Cari" while browsing, "Simpan" while adding or
// editing.
class frmUnit : public platform::Form {
    Q_OBJECT
public:
    explicit frmUnit(QWidget* owner = nullptr);
    ~frmUnit() override;

    void tutupkunci();
    void bukakunci();

    void cmdTambah_Click();
    void cmd1_Click();
    void cmd2_Click();
    void cmdHapus_Click();
    void cmdKeluar_Click();
    bool txtKodeUnit_KeyPress(int key);
    bool txtNamaUnit_KeyPress(int key);

protected:
    bool mayClose() override;

private:
    bool simpan();
    // Browsing (true) or adding/editing (false): the record buttons and cmd2's caption.
    void setBrowsing(bool browsing);
    bool hasUnit(const QString& refusal);

    std::unique_ptr<Ui::frmUnit> ui;
    data::DataControl* Adodc1 = nullptr;
};
