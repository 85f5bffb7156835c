#include "forms/frmKursan.h"

#include "data/clock.h"
#include "data/datacontrol.h"
#include "data/error.h"
#include "data/lookups.h"
#include "data/placements.h"
#include "data/sequences.h"
#include "forms/frmCari.h"
#include "platform/binding.h"
#include "platform/combolock.h"
#include "platform/guard.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "preview/show.h"
#include "rules/calendar.h"
#include "rules/numbering.h"
#include "rules/quota.h"
#include "ui_frmKursan.h"

using namespace platform;

namespace {
const QString MonthHint = QStringLiteral("----Pilih Bulan----");
const QString NoTrainee = QStringLiteral("Tidak ada data Kursan yang dipilih.");
const QString NumberTaken = QStringLiteral("Nomor Kursan sudah ada, silahkan ganti.");
const QString NumberLimit = QStringLiteral("Nomor Kursan sudah mencapai batas 999999.");

} // namespace

frmKursan::frmKursan(QWidget* owner)
    : Form(owner, CloseBoxOnly), m_ui(std::make_unique<Ui::frmKursan>())
{
    m_ui->setupUi(this);
    setFixedSize(size());

    m_trainees = new data::DataControl(this, QStringLiteral("Adodc1"), QStringLiteral("TKursan"));
    bindGrid(m_ui->DataGrid1, m_trainees->recordset());
    const std::pair<QLineEdit*, const char*> bound[] = {
        {m_ui->txtNoKursan, "Np"},
        {m_ui->txtNim, "Nim"},
        {m_ui->txtNama, "Nama_Kursan"},
        {m_ui->txtTempatLahir, "Tempat_Lahir"},
        {m_ui->txtTglLahir, "Tanggal_Lahir"},
        {m_ui->txtAlamat, "Alamat"},
        {m_ui->txtNoTelepon, "Telepon"},
        {m_ui->txtNamaInstansi, "Instansi"},
        {m_ui->txtJurusan, "Jurusan"},
        {m_ui->txtTujuan, "Tujuan"},
        {m_ui->txtNoSurat, "Ns"},
    };
    for (const auto& [box, column] : bound)
        bindText(box, m_trainees->recordset(), QString::fromLatin1(column));

    enterPressesButtons(this);
    connect(m_ui->cmdTambah, &QPushButton::clicked, this, &frmKursan::cmdTambah_Click);
    connect(m_ui->cmdSimpan, &QPushButton::clicked, this, &frmKursan::cmdSimpan_Click);
    connect(m_ui->cmdEdit, &QPushButton::clicked, this, &frmKursan::cmdEdit_Click);
    connect(m_ui->cmdHapus, &QPushButton::clicked, this, &frmKursan::cmdHapus_Click);
    connect(m_ui->cmdKeluar, &QPushButton::clicked, this, &frmKursan::cmdKeluar_Click);
    connect(m_ui->cmdCari, &QPushButton::clicked, this, &frmKursan::cmdCari_Click);
    connect(m_ui->Command2, &QPushButton::clicked, this, &frmKursan::Command2_Click);
    connect(m_ui->Command1, &QPushButton::clicked, this, &frmKursan::Command1_Click);

    onKeyPress(m_ui->txtNim, [this](int key) { return txtNim_KeyPress(key); });
    onKeyPress(m_ui->txtNama, [this](int key) { return txtNama_KeyPress(key); });
    onKeyPress(m_ui->txtTempatLahir, [this](int key) { return txtTempatLahir_KeyPress(key); });
    onKeyPress(m_ui->txtTglLahir, [this](int key) { return txtTglLahir_KeyPress(key); });
    onKeyPress(m_ui->txtAlamat, [this](int key) { return txtAlamat_KeyPress(key); });
    onKeyPress(m_ui->txtNoTelepon, [this](int key) { return txtNoTelepon_KeyPress(key); });
    onKeyPress(m_ui->txtNamaInstansi, [this](int key) { return txtNamaInstansi_KeyPress(key); });
    onKeyPress(m_ui->txtJurusan, [this](int key) { return txtJurusan_KeyPress(key); });
    onKeyPress(m_ui->txtTujuan, [this](int key) { return txtTujuan_KeyPress(key); });
    onKeyPress(m_ui->txtNoSurat, [this](int key) { return txtNoSurat_KeyPress(key); });
    onKeyPress(m_ui->txtJumlah, [this](int key) { return txtJumlah_KeyPress(key); });

    // Form_Load
    isicombo1();
    m_ui->Combo1->setEditText(MonthHint);
    m_ui->txtBantu->hide();
    setMode(Mode::Browse);
    m_month = data::today().toString(QStringLiteral("MM"));
    m_year = data::today().toString(QStringLiteral("yyyy"));
    centre();
}

frmKursan::~frmKursan() = default;

// ---- modes -------------------------------------------------------------------------------

// The twelve boxes that the two modes lock and unlock.
QList<QLineEdit*> frmKursan::entryBoxes() const
{
    return {m_ui->txtNoKursan, m_ui->txtNim,    m_ui->txtNama,      m_ui->txtTempatLahir,
            m_ui->txtTglLahir, m_ui->txtAlamat, m_ui->txtNoTelepon, m_ui->txtNamaInstansi,
            m_ui->txtJurusan,  m_ui->txtTujuan, m_ui->txtNoSurat,   m_ui->txtJumlah};
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
    for (QPushButton* b :
         {m_ui->cmdTambah, m_ui->cmdEdit, m_ui->cmdCari, m_ui->cmdHapus, m_ui->cmdKeluar})
        b->setEnabled(browsing);
    m_ui->cmdSimpan->setEnabled(!browsing);
}

bool frmKursan::requireTrainee()
{
    data::RecordSet* trainees = m_trainees->recordset();
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
    if (!m_letters) {
        m_letters = new data::DataControl(this, QStringLiteral("Adodc2"), QStringLiteral("TSurat"),
                                          data::Reading::AddingOnly);
        bindText(m_ui->txtNo, m_letters->recordset(), QStringLiteral("Ns"));
        bindText(m_ui->txtJawaban, m_letters->recordset(), QStringLiteral("Jawaban"));
        bindText(m_ui->txtJumlah, m_letters->recordset(), QStringLiteral("Jumlah_Kursan"));
    }
    return m_letters->recordset();
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
    m_traineeNumber = numbering::nextTraineeNumber(
        data::lastTraineeNumber(m_trainees->recordset()->database()));
}

void frmKursan::NomorSurat()
{
    m_letterSequence = numbering::nextLetterSequence(
        data::lastLetterNumber(m_trainees->recordset()->database()));
}

void frmKursan::KonverterBln() { m_romanMonth = numbering::romanMonth(m_month); }

// ---- record buttons ----------------------------------------------------------------------

void frmKursan::cmdTambah_Click()
{
    guarded(this, [this] {
        np();
        // The box would cut a longer number down to one that is already taken.
        if (m_traineeNumber.size() > m_ui->txtNoKursan->maxLength()) {
            msgBox(NumberLimit, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
            return;
        }
        data::RecordSet* trainees = m_trainees->recordset();
        trainees->addNew();
        try {
            letters()->addNew();
        } catch (const data::Error&) {
            trainees->cancelUpdate();
            throw;
        }
        setMode(Mode::Adding);
        m_ui->txtNim->setFocus();
        m_ui->txtNoKursan->setText(m_traineeNumber);
    });
}

void frmKursan::cmdEdit_Click()
{
    if (!requireTrainee())
        return;
    m_npBeforeEdit = m_trainees->recordset()->field(QStringLiteral("Np")).toString();
    setMode(Mode::Editing);
}

void frmKursan::cmdSimpan_Click() { simpan(); }

bool frmKursan::simpan()
{
    try {
        // A new trainee and its letter are stored together or not at all; an edit changes
        // the trainee row only.
        if (m_mode == Mode::Adding)
            data::saveTogether({m_trainees->recordset(), letters()});
        else
            m_trainees->recordset()->update();
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
    const QString typed = m_ui->txtNoKursan->text();
    if (m_mode == Mode::Editing && typed == m_npBeforeEdit)
        return false;
    if (!data::traineeNumberTaken(m_trainees->recordset()->database(), typed))
        return false;
    msgBox(NumberTaken, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
    m_ui->txtNoKursan->setFocus();
    m_ui->txtNoKursan->selectAll();
    return true;
}

void frmKursan::cmdHapus_Click()
{
    if (!requireTrainee())
        return;
    data::RecordSet* trainees = m_trainees->recordset();
    const QString trainee = trainees->field(QStringLiteral("Np")).toString() +
                            QStringLiteral(" - ") +
                            trainees->field(QStringLiteral("Nama_Kursan")).toString();
    if (msgBox(QStringLiteral("Anda sangat yakin akan menghapus.\n") + trainee,
               QStringLiteral("Peringatan"), Icon::Question, Buttons::OkCancel, this) != Answer::Ok)
        return;
    guarded(this, [this] {
        m_trainees->recordset()->deleteCurrent();
        m_trainees->recordset()->moveFirst();
    });
}

void frmKursan::cmdKeluar_Click() { unload(); }

void frmKursan::cmdCari_Click()
{
    openSearch(this, m_trainees->recordset(), forms::traineeSearch());
}

// The letters of the trainee on screen, as stored: a trainee being added has none yet, so then
// every letter. The preview's bar widens the choice; the preview belongs to the main window, so
// it stays open when this form closes.
void frmKursan::Command2_Click()
{
    const data::RecordSet* trainees = m_trainees->recordset();
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

bool frmKursan::txtNim_KeyPress(int key) { return moveOn(key, m_ui->txtNama); }
bool frmKursan::txtNama_KeyPress(int key) { return moveOn(key, m_ui->txtTempatLahir); }
bool frmKursan::txtTempatLahir_KeyPress(int key) { return moveOn(key, m_ui->txtTglLahir); }

bool frmKursan::txtTglLahir_KeyPress(int key)
{
    // A browsed trainee is only looked at: rewriting the date would change the stored row.
    if (key == KeyEnter && m_mode != Mode::Browse)
        m_ui->txtTglLahir->setText(numbering::rewriteBirthDate(m_ui->txtTglLahir->text()));
    return moveOn(key, m_ui->txtAlamat);
}

bool frmKursan::txtAlamat_KeyPress(int key) { return moveOn(key, m_ui->txtNoTelepon); }
bool frmKursan::txtNoTelepon_KeyPress(int key) { return moveOn(key, m_ui->txtNamaInstansi); }
bool frmKursan::txtNamaInstansi_KeyPress(int key) { return moveOn(key, m_ui->txtJurusan); }
bool frmKursan::txtJurusan_KeyPress(int key) { return moveOn(key, m_ui->txtTujuan); }

bool frmKursan::txtTujuan_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    // Only the new trainee, still unsaved, gets a letter: a row picked in the grid while
    // adding is an existing trainee, and an existing letter row is never renumbered.
    if (m_mode == Mode::Adding && m_trainees->recordset()->isNewRow() && letters()->isNewRow()) {
        guarded(this, [this] {
            NomorSurat();
            KonverterBln();
            m_letterNumber = numbering::letterNumber(m_letterSequence, m_romanMonth, m_year);
            m_ui->txtNoSurat->setText(m_letterNumber);
            m_ui->txtNo->setText(m_letterNumber);
            m_ui->txtJawaban->setText(QStringLiteral("-"));
            m_ui->txtJumlah->setText(QStringLiteral("1"));
        });
    }
    m_ui->cmdSimpan->setFocus();
    return false;
}

// The next box, txtJumlah, is never shown, so the chain goes on to "&Simpan".
bool frmKursan::txtNoSurat_KeyPress(int key) { return moveOn(key, m_ui->cmdSimpan); }
bool frmKursan::txtJumlah_KeyPress(int key) { return moveOn(key, m_ui->cmdSimpan); }

// ---- unit quota detector -----------------------------------------------------------------

void frmKursan::isicombo1()
{
    // Filling the list leaves the text that the box shows.
    const QString shown = m_ui->Combo1->currentText();
    m_ui->Combo1->addItems(calendar::monthNames());
    showHint(m_ui->Combo1, shown);
}

void frmKursan::Command1_Click()
{
    guarded(this, [this] {
        const QString month = m_ui->Combo1->currentText();
        const QString year = quota::placementYear(month, m_month, m_year);
        data::RecordSet* units = readAfresh(m_units, "Adoke2", QStringLiteral("TUnit"));
        // The placements are read on the same connection, afresh, one month at a time.
        const QStringList placed = data::placedUnits(units->database(), month, year);
        m_ui->Label4->setText(quota::countHeading(month, year));

        const QStringList names = units->texts(QStringLiteral("Unit"));
        m_ui->List1->clear();
        m_ui->List1->addItems(names);
        m_ui->List2->clear();
        if (!placed.isEmpty())
            m_ui->List2->addItems(quota::countsPerUnit(names, placed));
    });
}
