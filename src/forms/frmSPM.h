#pragma once

#include "data/datacontrol.h"
#include "platform/windows.h"
#include "rules/occupancy.h"

#include <initializer_list>
#include <memory>
#include <utility>

namespace forms {
class ElsewhereNotice;
}

class QLineEdit;

namespace Ui {
class frmSPM;
}

// The letter form: the reply to a trainee's letter, the trainee's placement (unit and
// period) and a grid of every placement. frmSPM.cpp holds the form, its modes, saving and the
// quota question; frmSPMLookups.cpp the three pick lists; frmSPMPeriod.cpp the period dates.
//
// What the clerk sees above the grid is filled from the grid's row (QSPM) and from the picks;
// the picks and the dates are stored on the record sets directly. The hidden boxes only show a
// column of their control's current row: Text1 QNS.Ns; Text2 TUnit.Kode_Unit; txtNP
// TKursan.Np; Text4, Text5, Text6 TKegiatan.Np, Tanggal_Pelaksanaan, Kode_Unit; txtNSSurat,
// Text3, Text7 TSurat.Ns, Jawaban, Jumlah_Kursan.
class frmSPM : public platform::Form {
    Q_OBJECT
public:
    explicit frmSPM(QWidget* owner = nullptr);
    ~frmSPM() override;

    // For the worklist's "mend this", false and the clerk told why while an entry is being
    // typed or when the row is gone: moves the grid to the placement of trainee `np`, or
    // begins an entry ("&Tambah") for the reply to letter `ns`.
    bool showPlacementOf(const QString& np);
    bool answerLetter(const QString& ns);

protected:
    bool mayClose() override;

private:
    static inline const QString PilihNoSurat = QStringLiteral("-----Pilih No Surat-----");
    static inline const QString PilihJawaban = QStringLiteral("-----Pilih Jawaban-----");
    static inline const QString PilihUnit = QStringLiteral("-----Pilih Unit-----");

    enum class Mode { Browse, Adding, Editing };

    void cmdTambah_Click();
    void cmdEdit_Click();
    void cmd_Click();
    void cmdHapus_Click();
    void cmdkeluar_Click();

    // Picks from the three lists.
    void cboNoSurat_Click();
    void cboUnit_Click();
    void cboJawaban_Click();

    // Enter in the start and end date boxes; true when the key is consumed.
    bool Text8_KeyPress(int key);
    bool Text9_KeyPress(int key);

    void tutupkunci();
    void bukakunci();
    void CekTgl();
    void TglAkhir();

    void bind();
    using BoundBox = std::pair<QLineEdit*, const char*>; // a box and the column it shows
    // Opens the control on first use, binding its boxes; `follow` then puts it on the grid's row.
    data::DataControl* openControl(data::DataControl*& control, const char* name,
                                   const char* source, std::initializer_list<BoundBox> boxes,
                                   void (frmSPM::*follow)() = nullptr);
    data::RecordSet* pendingLetters();
    data::RecordSet* units();
    data::RecordSet* trainees();
    data::RecordSet* placements();
    data::RecordSet* letters();
    data::RecordSet* readAfresh(data::DataControl* control, data::RecordSet* (frmSPM::*open)());
    void followPlacement();
    void followLetter();
    void tell(const QString& message); // an information box titled "Pesan"
    bool simpan();
    void cari();
    // A new entry of the mode: nothing picked, every box empty.
    void beginEntry(Mode mode);
    // The one switch of the form's mode: the boxes' and lists' lock, which buttons may be
    // pressed, cmd's caption ("Cari" / "Simpan") and whether the grid may move.
    void setMode(Mode mode);
    void followGridRow();
    void showPlacement();
    void clearBoxes();
    bool requireLetter();
    void forgetLetter();
    bool checkStartDate(QWidget* focusOnFailure);
    // Normalises and checks the start date; on success fills the end date when `fillEnd`.
    bool acceptStartDate(bool fillEnd);
    // What "Simpan" checks before it stores anything; each refusal says why.
    bool replyAsShown();
    bool unitAsShown();
    bool periodReady();
    // A granted placement that would overfill its unit is asked first; false when the user
    // keeps the entry.
    std::optional<occupancy::MonthCount> fullMonth(const QSqlDatabase& db);
    bool quotaAllows(const occupancy::MonthCount& full);

    // The grid's control is opened with the form; the others on first use (see units()…).
    data::DataControl m_grid; // "Adodc6", QSPM: the grid's rows
    forms::ElsewhereNotice* m_elsewhere = nullptr;
    std::unique_ptr<Ui::frmSPM> m_ui;
    data::DataControl* m_pendingLetters = nullptr; // "Adodc1", QNS: letters awaiting a reply
    data::DataControl* m_units = nullptr;          // "Adodc2", TUnit
    data::DataControl* m_trainees = nullptr;       // "Adodc3", TKursan
    data::DataControl* m_placements = nullptr;     // "Adodc4", TKegiatan: the entry's placement
    data::DataControl* m_letters = nullptr;        // "Adodc5", TSurat: the entry's letter

    int m_thisMonth = 0; // today's month and year, taken at load
    int m_thisYear = 0;

    Mode m_mode = Mode::Browse;
    QString m_noSurat;          // the letter of the entry; empty until one is picked
    QString m_jawaban;          // the reply picked in this entry
    QString m_unitName;         // the unit picked, or the placement's own; empty: none
    bool m_startChecked = true; // the start date has not been typed since it was checked
    bool m_endTyped = false;    // the user typed the end date rather than letting it be filled
};
