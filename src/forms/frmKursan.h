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
//
// The entry boxes are bound to TKursan (Adodc1): txtNoKursan Np, txtNim Nim, txtNama
// Nama_Kursan, txtTempatLahir Tempat_Lahir, txtTglLahir Tanggal_Lahir, txtAlamat Alamat,
// txtNoTelepon Telepon, txtNamaInstansi Instansi, txtJurusan Jurusan, txtTujuan Tujuan,
// txtNoSurat Ns. The new letter's row (TSurat, Adodc2) is written on its record set; its
// hidden boxes txtNo, txtJawaban and txtJumlah only show Ns, Jawaban and Jumlah_Kursan.
class frmKursan : public platform::Form {
    Q_OBJECT
public:
    explicit frmKursan(QWidget* owner = nullptr);
    ~frmKursan() override;

    // Today's month ("03") and year ("2005"), taken when the form loads.
    const QString& month() const { return m_month; }
    const QString& year() const { return m_year; }
    // The trainee number "&Tambah" worked out last; empty before the first.
    const QString& traineeNumber() const { return m_traineeNumber; }
    // Moves to the trainee numbered `np`, for the worklist's "mend this"; false, and the clerk
    // is told why, while an entry is being typed or when the trainee is no longer there.
    bool showTrainee(const QString& np);

protected:
    bool mayClose() override;

private:
    enum class Mode { Browse, Adding, Editing };

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

    bool simpan();
    // Stores the trainee on screen; false when it was refused (the entry stays as typed).
    bool store();
    bool typedNumberAcceptable();
    bool birthDateReady();
    // Writes the date of birth as dd/mm/yy; a text that is not a date is refused, with a word.
    bool rewriteBirthDate();
    void tell(const QString& message); // an information box titled "Pesan"
    QList<QLineEdit*> entryBoxes() const;
    // The one switch of the form's mode: the boxes' lock and which buttons may be pressed.
    void setMode(Mode mode);
    bool moveOn(int key, QWidget* next);
    bool requireTrainee();
    bool explainTakenNumber();
    data::RecordSet* letters();
    data::RecordSet* readAfresh(data::DataControl*& control, const char* name,
                                const QString& source);

    std::unique_ptr<Ui::frmKursan> m_ui;
    Mode m_mode = Mode::Browse;
    QString m_npBeforeEdit;

    QString m_month, m_year;  // today's, taken at load: "03", "2005"
    QString m_romanMonth;     // "III"
    QString m_letterSequence; // the next letter's sequence, "012"
    QString m_letterNumber;   // the next letter's number, "B/012/III/PKL/2005"
    QString m_traineeNumber;  // the next trainee's number, "013"

    data::DataControl* m_trainees = nullptr; // "Adodc1", TKursan: the boxes and the grid
    data::DataControl* m_letters = nullptr;  // "Adodc2", TSurat: the new letter row (letters())
    data::DataControl* m_units = nullptr;    // "Adoke2", TUnit: the units the detector lists
};
