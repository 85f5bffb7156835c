#pragma once

#include "platform/windows.h"

#include <QList>
#include <QString>
#include <memory>

namespace Ui {
class frmKursan;
}

namespace data {
class DataControl;
class RecordSet;
} // namespace data

class QLineEdit;

// The trainee form: lists, adds, edits, deletes and finds trainees, numbers each new trainee
// and its application letter, walks the entry boxes with Enter, and on its left counts the
// placements per unit for a chosen month.
class frmKursan : public platform::Form {
    Q_OBJECT
public:
    explicit frmKursan(QWidget* owner = nullptr);
    ~frmKursan() override;

    void tutupkunci();
    void bukakunci();
    void isicombo1();
    void np();
    void NomorSurat();
    void KonverterBln();

    void cmdTambah_Click();
    void cmdSimpan_Click();
    void cmdEdit_Click();
    void cmdHapus_Click();
    void cmdKeluar_Click();
    void cmdCari_Click();
    void Command2_Click();
    void Command1_Click();

    // Enter (13) moves on through the boxes; the return value says whether the key was used up.
    bool txtNim_KeyPress(int key);
    bool txtNama_KeyPress(int key);
    bool txtTempatLahir_KeyPress(int key);
    bool txtTglLahir_KeyPress(int key);
    bool txtAlamat_KeyPress(int key);
    bool txtNoTelepon_KeyPress(int key);
    bool txtNamaInstansi_KeyPress(int key);
    bool txtJurusan_KeyPress(int key);
    bool txtTujuan_KeyPress(int key);
    bool txtNoSurat_KeyPress(int key);
    bool txtJumlah_KeyPress(int key);

    // Form-level values: today's month and year taken at load, and the numbers last worked out.
    QString bulan, tahun, romawi, nomor, noSurat, noKursan;

protected:
    bool mayClose() override;

private:
    enum class Mode { Browse, Adding, Editing };

    bool simpan();
    QList<QLineEdit*> entryBoxes() const;
    void setMode(Mode mode);
    bool moveOn(int key, QWidget* next);
    bool requireTrainee();
    bool explainTakenNumber();
    data::RecordSet* letters();
    data::RecordSet* readAfresh(data::DataControl*& control, const char* name,
                                const QString& source);

    std::unique_ptr<Ui::frmKursan> ui;
    Mode m_mode = Mode::Browse;
    QString m_npBeforeEdit;

    data::DataControl* Adodc1 = nullptr; // TKursan: the boxes and the grid
    data::DataControl* Adodc2 = nullptr; // TSurat: the new letter row (see letters())
    data::DataControl* Adoke2 = nullptr; // TUnit: the units listed by the detector
};
