#include "forms/frmKursan.h"

#include "data/datacontrol.h"
#include "data/error.h"
#include "data/lookups.h"
#include "data/placements.h"
#include "data/sequences.h"
#include "forms/frmCari.h"
#include "rules/calendar.h"
#include "rules/numbering.h"
#include "rules/quota.h"
#include "platform/binding.h"
#include "platform/combolock.h"
#include "data/clock.h"
#include "platform/guard.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "preview/show.h"
#include "ui_frmKursan.h"

using namespace platform;

namespace {
const QString MonthHint = QStringLiteral("----Pilih Bulan----");
const QString NoTrainee = QStringLiteral("Tidak ada data Kursan yang dipilih.");
const QString NumberTaken = QStringLiteral("Nomor Kursan sudah ada, silahkan ganti.");
const QString NumberLimit = QStringLiteral("Nomor Kursan sudah mencapai batas 999999.");

} // namespace

frmKursan::frmKursan(QWidget* owner)
    : Form(owner, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmKursan>())
{
    ui->setupUi(this);
    setFixedSize(size());

    Adodc1 = new data::DataControl(this, QStringLiteral("Adodc1"), QStringLiteral("TKursan"));
    bindGrid(ui->DataGrid1, Adodc1->recordset());
    const std::pair<QLineEdit*, const char*> bound[] = {
        {ui->txtNoKursan, "Np"},
        {ui->txtNim, "Nim"},
        {ui->txtNama, "Nama_Kursan"},
        {ui->txtTempatLahir, "Tempat_Lahir"},
        {ui->txtTglLahir, "Tanggal_Lahir"},
        {ui->txtAlamat, "Alamat"},
        {ui->txtNoTelepon, "Telepon"},
        {ui->txtNamaInstansi, "Instansi"},
        {ui->txtJurusan, "Jurusan"},
        {ui->txtTujuan, "Tujuan"},
        {ui->txtNoSurat, "Ns"},
    };
    for (const auto& [box, column] : bound)
        bindText(box, Adodc1->recordset(), QString::fromLatin1(column));

    enterPressesButtons(this);
    connect(ui->cmdTambah, &QPushButton::clicked, this, &frmKursan::cmdTambah_Click);
    connect(ui->cmdSimpan, &QPushButton::clicked, this, &frmKursan::cmdSimpan_Click);
    connect(ui->cmdEdit, &QPushButton::clicked, this, &frmKursan::cmdEdit_Click);
    connect(ui->cmdHapus, &QPushButton::clicked, this, &frmKursan::cmdHapus_Click);
    connect(ui->cmdKeluar, &QPushButton::clicked, this, &frmKursan::cmdKeluar_Click);
    connect(ui->cmdCari, &QPushButton::clicked, this, &frmKursan::cmdCari_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmKursan::Command2_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmKursan::Command1_Click);

    onKeyPress(ui->txtNim, [this](int key) { return txtNim_KeyPress(key); });
    onKeyPress(ui->txtNama, [this](int key) { return txtNama_KeyPress(key); });
    onKeyPress(ui->txtTempatLahir, [this](int key) { return txtTempatLahir_KeyPress(key); });
    onKeyPress(ui->txtTglLahir, [this](int key) { return txtTglLahir_KeyPress(key); });
    onKeyPress(ui->txtAlamat, [this](int key) { return txtAlamat_KeyPress(key); });
    onKeyPress(ui->txtNoTelepon, [this](int key) { return txtNoTelepon_KeyPress(key); });
    onKeyPress(ui->txtNamaInstansi, [this](int key) { return txtNamaInstansi_KeyPress(key); });
    onKeyPress(ui->txtJurusan, [this](int key) { return txtJurusan_KeyPress(key); });
    onKeyPress(ui->txtTujuan, [this](int key) { return txtTujuan_KeyPress(key); });
    onKeyPress(ui->txtNoSurat, [this](int key) { return txtNoSurat_KeyPress(key); });
    onKeyPress(ui->txtJumlah, [this](int key) { return txtJumlah_KeyPress(key); });

    // Form_Load
    isicombo1();
    ui->Combo1->setEditText(MonthHint);
    ui->txtBantu->hide();
    setMode(Mode::Browse);
    bulan = data::today().toString(QStringLiteral("MM"));
    tahun = data::today().toString(QStringLiteral("yyyy"));
    centre();
}

frmKursan::~frmKursan() = default;

// ---- modes -------------------------------------------------------------------------------

// The twelve boxes that the two modes lock and unlock.
QList<QLineEdit*> frmKursan::entryBoxes() const
{
    return {ui->txtNoKursan, ui->txtNim,     ui->txtNama,      ui->txtTempatLahir,
            ui->txtTglLahir, ui->txtAlamat,  ui->txtNoTelepon, ui->txtNamaInstansi,
            ui->txtJurusan,  ui->txtTujuan,  ui->txtNoSurat,   ui->txtJumlah};
}

void frmKursan::tutupkunci()
{
    for (QLineEdit* box : entryBoxes())
        box->setReadOnly(true);
}

void frmKursan::bukakunci()
{
    for (QLineEdit* box : entryBoxes())
        box->setReadOnly(false);
}

void frmKursan::setMode(Mode mode)
{
    m_mode = mode;
    const bool browsing = mode == Mode::Browse;
    if (browsing)
        tutupkunci();
    else
        bukakunci();
    for (QPushButton* b : {ui->cmdTambah, ui->cmdEdit, ui->cmdCari, ui->cmdHapus, ui->cmdKeluar})
        b->setEnabled(browsing);
    ui->cmdSimpan->setEnabled(!browsing);
}

bool frmKursan::requireTrainee()
{
    data::RecordSet* trainees = Adodc1->recordset();
    if (trainees->hasCurrent() && !trainees->isNewRow())
        return true;
    msgBox(NoTrainee, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
    return false;
}

// ---- numbering ---------------------------------------------------------------------------

// The letter rows only matter from the first new trainee on, and their boxes are never shown,
// so the table is opened then rather than with the form, and for adding only: the form never
// reads the letters already stored.
data::RecordSet* frmKursan::letters()
{
    if (!Adodc2) {
        Adodc2 = new data::DataControl(this, QStringLiteral("Adodc2"), QStringLiteral("TSurat"),
                                       data::Reading::AddingOnly);
        bindText(ui->txtNo, Adodc2->recordset(), QStringLiteral("Ns"));
        bindText(ui->txtJawaban, Adodc2->recordset(), QStringLiteral("Jawaban"));
        bindText(ui->txtJumlah, Adodc2->recordset(), QStringLiteral("Jumlah_Kursan"));
    }
    return Adodc2->recordset();
}

// The units are read afresh before every use, so they are opened then too.
data::RecordSet* frmKursan::readAfresh(data::DataControl*& control, const char* name,
                                       const QString& source)
{
    if (control)
        control->refresh();
    else
        control = new data::DataControl(this, QString::fromLatin1(name), source);
    return control->recordset();
}

// Both numbers continue from the last row of their sorted view, read alone and afresh, so
// rows saved since the form opened count.
void frmKursan::np()
{
    noKursan = numbering::nextTraineeNumber(
        data::lastTraineeNumber(Adodc1->recordset()->database()));
}

void frmKursan::NomorSurat()
{
    nomor = numbering::nextLetterSequence(data::lastLetterNumber(Adodc1->recordset()->database()));
}

void frmKursan::KonverterBln() { romawi = numbering::romanMonth(bulan); }

// ---- record buttons ----------------------------------------------------------------------

void frmKursan::cmdTambah_Click()
{
    guarded(this, [this] {
        np();
        // The box would cut a longer number down to one that is already taken.
        if (noKursan.size() > ui->txtNoKursan->maxLength()) {
            msgBox(NumberLimit, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
            return;
        }
        data::RecordSet* trainees = Adodc1->recordset();
        trainees->addNew();
        try {
            letters()->addNew();
        } catch (const data::Error&) {
            trainees->cancelUpdate();
            throw;
        }
        setMode(Mode::Adding);
        ui->txtNim->setFocus();
        ui->txtNoKursan->setText(noKursan);
    });
}

void frmKursan::cmdEdit_Click()
{
    if (!requireTrainee())
        return;
    m_npBeforeEdit = Adodc1->recordset()->field(QStringLiteral("Np")).toString();
    setMode(Mode::Editing);
}

void frmKursan::cmdSimpan_Click() { simpan(); }

bool frmKursan::simpan()
{
    try {
        // A new trainee and its letter are stored together or not at all; an edit changes
        // the trainee row only.
        if (m_mode == Mode::Adding)
            data::saveTogether({Adodc1->recordset(), letters()});
        else
            Adodc1->recordset()->update();
    } catch (const data::Error& e) {
        if (!explainTakenNumber())
            msgBox(e.message(), QStringLiteral("Kesalahan"), Icon::Critical, Buttons::Ok, this);
        return false;
    }
    setMode(Mode::Browse);
    return true;
}

bool frmKursan::mayClose()
{
    return m_mode == Mode::Browse || askToSave([this] { return simpan(); });
}

// After a refused save: when another trainee already holds the typed number, says so in the
// form's own words and readies the number box for typing over. False for any other refusal.
bool frmKursan::explainTakenNumber()
{
    const QString typed = ui->txtNoKursan->text();
    if (m_mode == Mode::Editing && typed == m_npBeforeEdit)
        return false;
    if (!data::traineeNumberTaken(Adodc1->recordset()->database(), typed))
        return false;
    msgBox(NumberTaken, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
    ui->txtNoKursan->setFocus();
    ui->txtNoKursan->selectAll();
    return true;
}

void frmKursan::cmdHapus_Click()
{
    if (!requireTrainee())
        return;
    data::RecordSet* trainees = Adodc1->recordset();
    const QString trainee = trainees->field(QStringLiteral("Np")).toString() +
                            QStringLiteral(" - ") +
                            trainees->field(QStringLiteral("Nama_Kursan")).toString();
    if (msgBox(QStringLiteral("Anda sangat yakin akan menghapus.\n") + trainee,
               QStringLiteral("Peringatan"), Icon::Question, Buttons::OkCancel,
               this) != Answer::Ok)
        return;
    guarded(this, [this] {
        Adodc1->recordset()->deleteCurrent();
        Adodc1->recordset()->moveFirst();
    });
}

void frmKursan::cmdKeluar_Click() { unload(); }

void frmKursan::cmdCari_Click() { openSearch(this, Adodc1->recordset(), forms::traineeSearch()); }

// The letters of the trainee on screen, as stored: a trainee being added has none yet, so then
// every letter. The preview's bar widens the choice; the preview belongs to the main window, so
// it stays open when this form closes.
void frmKursan::Command2_Click()
{
    const data::RecordSet* trainees = Adodc1->recordset();
    QString np;
    if (m_mode == Mode::Editing)
        np = m_npBeforeEdit;
    else if (m_mode == Mode::Browse && trainees->hasCurrent())
        np = trainees->field(QStringLiteral("Np")).toString();
    data::Selection selection;
    if (!np.trimmed().isEmpty())
        selection = data::Selection::trainee(np);
    reports::show(QStringLiteral("drSPM"), parentWidget(), selection);
}

// ---- Enter chain -------------------------------------------------------------------------

bool frmKursan::moveOn(int key, QWidget* next)
{
    if (key != KeyEnter)
        return false;
    next->setFocus();
    return true;
}

bool frmKursan::txtNim_KeyPress(int key) { return moveOn(key, ui->txtNama); }
bool frmKursan::txtNama_KeyPress(int key) { return moveOn(key, ui->txtTempatLahir); }
bool frmKursan::txtTempatLahir_KeyPress(int key) { return moveOn(key, ui->txtTglLahir); }

bool frmKursan::txtTglLahir_KeyPress(int key)
{
    // A browsed trainee is only looked at: rewriting the date would change the stored row.
    if (key == KeyEnter && m_mode != Mode::Browse)
        ui->txtTglLahir->setText(numbering::rewriteBirthDate(ui->txtTglLahir->text()));
    return moveOn(key, ui->txtAlamat);
}

bool frmKursan::txtAlamat_KeyPress(int key) { return moveOn(key, ui->txtNoTelepon); }
bool frmKursan::txtNoTelepon_KeyPress(int key) { return moveOn(key, ui->txtNamaInstansi); }
bool frmKursan::txtNamaInstansi_KeyPress(int key) { return moveOn(key, ui->txtJurusan); }
bool frmKursan::txtJurusan_KeyPress(int key) { return moveOn(key, ui->txtTujuan); }

bool frmKursan::txtTujuan_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    // Only the new trainee, still unsaved, gets a letter: a row picked in the grid while
    // adding is an existing trainee, and an existing letter row is never renumbered.
    if (m_mode == Mode::Adding && Adodc1->recordset()->isNewRow() && letters()->isNewRow()) {
        guarded(this, [this] {
            NomorSurat();
            KonverterBln();
            noSurat = numbering::letterNumber(nomor, romawi, tahun);
            ui->txtNoSurat->setText(noSurat);
            ui->txtNo->setText(noSurat);
            ui->txtJawaban->setText(QStringLiteral("-"));
            ui->txtJumlah->setText(QStringLiteral("1"));
        });
    }
    ui->cmdSimpan->setFocus();
    return false;
}

// The next box, txtJumlah, is never shown, so the chain goes on to "&Simpan".
bool frmKursan::txtNoSurat_KeyPress(int key) { return moveOn(key, ui->cmdSimpan); }
bool frmKursan::txtJumlah_KeyPress(int key) { return moveOn(key, ui->cmdSimpan); }

// ---- unit quota detector -----------------------------------------------------------------

void frmKursan::isicombo1()
{
    // Filling the list leaves the text that the box shows.
    const QString shown = ui->Combo1->currentText();
    ui->Combo1->addItems(calendar::monthNames());
    showHint(ui->Combo1, shown);
}

void frmKursan::Command1_Click()
{
    guarded(this, [this] {
        const QString month = ui->Combo1->currentText();
        data::RecordSet* units = readAfresh(Adoke2, "Adoke2", QStringLiteral("TUnit"));
        // The placements are read on the same connection, afresh, one month at a time.
        const QStringList placed = data::placedUnits(
            units->database(), month, quota::placementYear(month, bulan, tahun));

        QStringList names;
        const int unit = units->columnIndex(QStringLiteral("Unit"));
        for (int row = 0; row < units->recordCount(); ++row)
            names << units->value(row, unit).toString();
        ui->List1->clear();
        ui->List1->addItems(names);
        ui->List2->clear();
        if (!placed.isEmpty())
            ui->List2->addItems(quota::countsPerUnit(names, placed));
    });
}
