#include "forms/frmKursan.h"

#include "data/clock.h"
#include "data/datacontrol.h"
#include "data/error.h"
#include "data/lookups.h"
#include "data/newtrainee.h"
#include "data/placements.h"
#include "data/sequences.h"
#include "forms/conflict.h"
#include "forms/elsewhere.h"
#include "forms/frmCari.h"
#include "platform/binding.h"
#include "platform/combolock.h"
#include "platform/guard.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "preview/show.h"
#include "rules/calendar.h"
#include "rules/numbering.h"
#include "rules/occupancy.h"
#include "ui_frmKursan.h"

using namespace platform;

namespace {
const QString MonthHint = QStringLiteral("----Pilih Bulan----");
const QString NoTrainee = QStringLiteral("Tidak ada data Kursan yang dipilih.");
const QString NumberTaken = QStringLiteral("Nomor Kursan sudah ada, silahkan ganti.");
const QString NumberCannotContinue = QStringLiteral(
    "Nomor Kursan hanya angka, paling besar 999998, agar penomoran dapat berlanjut.");

} // namespace

frmKursan::frmKursan(QWidget* owner)
    : Form(owner, CloseBoxOnly), m_ui(std::make_unique<Ui::frmKursan>())
{
    m_ui->setupUi(this);
    setFixedSize(size());

    m_trainees = new data::DataControl(this, QStringLiteral("Adodc1"), QStringLiteral("TKursan"));
    bindGrid(m_ui->DataGrid1, m_trainees->recordset());
    (new forms::ElsewhereNotice(this))->watch(m_trainees->recordset());
    // A click on another row stores the trainee on screen as "&Simpan" would: a new one with
    // its numbers and its letter.
    m_trainees->recordset()->setStoreOnLeave([this] {
        if (!store())
            throw data::Declined();
    });
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
    handle(m_ui->cmdTambah, &QPushButton::clicked, this, &frmKursan::cmdTambah_Click);
    handle(m_ui->cmdSimpan, &QPushButton::clicked, this, &frmKursan::cmdSimpan_Click);
    handle(m_ui->cmdEdit, &QPushButton::clicked, this, &frmKursan::cmdEdit_Click);
    handle(m_ui->cmdHapus, &QPushButton::clicked, this, &frmKursan::cmdHapus_Click);
    handle(m_ui->cmdKeluar, &QPushButton::clicked, this, &frmKursan::cmdKeluar_Click);
    handle(m_ui->cmdCari, &QPushButton::clicked, this, &frmKursan::cmdCari_Click);
    handle(m_ui->Command2, &QPushButton::clicked, this, &frmKursan::Command2_Click);
    handle(m_ui->Command1, &QPushButton::clicked, this, &frmKursan::Command1_Click);

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
    np();
    // The box would cut a longer number down to one that is already taken.
    if (m_traineeNumber.size() > numbering::TraineeNumberPlaces) {
        msgBox(data::NumberLimit, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
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
    m_letterNumber.clear();
    m_ui->txtNim->setFocus();
    m_ui->txtNoKursan->setText(m_traineeNumber);
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
    if (!store())
        return false;
    setMode(Mode::Browse);
    return true;
}

bool frmKursan::store()
{
    data::RecordSet* trainees = m_trainees->recordset();
    if (!trainees->hasCurrent())
        return true;
    if (!typedNumberAcceptable() || !birthDateReady())
        return false;
    if (!trainees->isNewRow())
        return forms::saveWithCare(this, {trainees}, [trainees] { trainees->update(); }) !=
               forms::Saved::Kept;
    // A new trainee and its letter are stored together or not at all, their numbers taken
    // as they are stored.
    const QString shownLetter = m_ui->txtNoSurat->text();
    data::ShownNumbers shown{m_ui->txtNoKursan->text(),
                             m_ui->txtNoKursan->text() != m_traineeNumber,
                             shownLetter,
                             !shownLetter.isEmpty() && shownLetter != m_letterNumber,
                             numbering::romanMonth(m_month),
                             m_year};
    data::SavedNumbers saved;
    try {
        saved = data::saveNewTrainee(*trainees, *letters(), shown);
    } catch (const data::Error& e) {
        if (!explainTakenNumber())
            msgBox(e.message(), QStringLiteral("Kesalahan"), Icon::Critical, Buttons::Ok, this);
        return false;
    }
    if (saved.traineeMoved)
        tell(QStringLiteral("Nomor %1 sudah dipakai; data disimpan dengan nomor %2, surat %3.")
                 .arg(shown.trainee, saved.trainee, saved.letter));
    else if (saved.letterMoved)
        tell(QStringLiteral("Nomor surat %1 sudah dipakai; data disimpan dengan surat %2.")
                 .arg(shown.letter, saved.letter));
    return true;
}

// A trainee number typed over the issued one (or changed on edit) must be one that numbering
// can go on from, and free.
bool frmKursan::typedNumberAcceptable()
{
    const data::RecordSet* trainees = m_trainees->recordset();
    const QString typed = m_ui->txtNoKursan->text();
    if (typed == (trainees->isNewRow() ? m_traineeNumber
                                       : trainees->fieldAsRead(QStringLiteral("Np")).toString()))
        return true;
    QString refusal;
    if (!numbering::numberingContinuesFrom(typed))
        refusal = NumberCannotContinue;
    else if (data::traineeNumberTaken(m_trainees->recordset()->database(), typed))
        refusal = NumberTaken;
    if (refusal.isEmpty())
        return true;
    tell(refusal);
    m_ui->txtNoKursan->setFocus();
    m_ui->txtNoKursan->selectAll();
    return false;
}

// A date of birth typed without Enter is written as Enter would write it; one that is not a
// date is refused rather than stored.
bool frmKursan::birthDateReady()
{
    const data::RecordSet* trainees = m_trainees->recordset();
    if (!trainees->isNewRow() &&
        m_ui->txtTglLahir->text() ==
            trainees->fieldAsRead(QStringLiteral("Tanggal_Lahir")).toString())
        return true;
    return rewriteBirthDate();
}

bool frmKursan::rewriteBirthDate()
{
    const std::optional<QString> date = numbering::rewriteBirthDate(m_ui->txtTglLahir->text(),
                                                                    data::today());
    if (!date) {
        msgBox(QStringLiteral("Cek ulang tanggal lahir."), QStringLiteral("Cek Tanggal"),
               Icon::Critical, Buttons::Ok, this);
        m_ui->txtTglLahir->setFocus();
        m_ui->txtTglLahir->selectAll();
        return false;
    }
    m_ui->txtTglLahir->setText(*date);
    return true;
}

void frmKursan::tell(const QString& message)
{
    msgBox(message, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
}

bool frmKursan::mayClose()
{
    return m_mode == Mode::Browse || askToSave([this] { return simpan(); });
}

// After a refused save: when another trainee already holds the typed number, says so in the
// form's own words and readies the number box for typing over. False for any other refusal.
bool frmKursan::explainTakenNumber()
{
    const data::RecordSet* trainees = m_trainees->recordset();
    const QString typed = m_ui->txtNoKursan->text();
    if (!trainees->isNewRow() && typed == trainees->fieldAsRead(QStringLiteral("Np")).toString())
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
    if (forms::deleteWithCare(this, trainees, [trainees] { trainees->deleteCurrent(); }))
        guarded(this, [trainees] { trainees->moveFirst(); });
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
    if (key == KeyEnter && m_mode != Mode::Browse && !rewriteBirthDate())
        return true;
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
            data::RecordSet* letter = letters();
            letter->setField(QStringLiteral("Ns"), m_letterNumber);
            letter->setField(QStringLiteral("Jawaban"), QStringLiteral("-"));
            letter->setField(QStringLiteral("Jumlah_Kursan"), 1);
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
    const QString month = m_ui->Combo1->currentText();
    const QString year = occupancy::startingYear(month, m_month, m_year);
    data::RecordSet* units = readAfresh(m_units, "Adoke2", QStringLiteral("TUnit"));
    // The placements are read on the same connection, afresh, one month at a time.
    const QStringList placed = data::placedUnits(units->database(), month, year);
    m_ui->Label4->setText(occupancy::countHeading(month, year));

    const QStringList names = units->texts(QStringLiteral("Unit"));
    m_ui->List1->clear();
    m_ui->List1->addItems(names);
    m_ui->List2->clear();
    if (!placed.isEmpty())
        m_ui->List2->addItems(occupancy::startsPerUnit(names, placed));
}

bool frmKursan::showTrainee(const QString& np)
{
    if (m_mode != Mode::Browse) {
        tell(QStringLiteral("Selesaikan dulu data yang sedang diisi."));
        return false;
    }
    if (!m_trainees->recordset()->seek(data::Criterion::equals(QStringLiteral("Np"), np))) {
        tell(QStringLiteral("Kursan %1 tidak ada lagi dalam DataBase.").arg(np));
        return false;
    }
    return true;
}
