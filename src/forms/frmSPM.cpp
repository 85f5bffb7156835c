#include "forms/frmSPM.h"

#include "data/lookups.h"
#include "forms/frmCari.h"
#include "rules/period.h"
#include "platform/binding.h"
#include "data/clock.h"
#include "platform/combolock.h"
#include "platform/guard.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "ui_frmSPM.h"


using namespace platform;
using data::Criterion;


frmSPM::frmSPM(QWidget* owner)
    : Form(owner, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Adodc6(this, QStringLiteral("Adodc6"), QStringLiteral("QSPM")),
      ui(std::make_unique<Ui::frmSPM>())
{
    ui->setupUi(this);
    setFixedSize(size());
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             ui->Label1_7, ui->Text7, ui->txtNSSurat, ui->Text3, ui->txtNP, ui->Text4, ui->Text1,
             ui->Text2, ui->tutup1, ui->tutup2})
        hidden->hide();
    // Only an entry chosen from a list is a pick; typed text never completes into one.
    for (QComboBox* combo : {ui->cboNoSurat, ui->cboJawaban, ui->cboUnit})
        combo->setCompleter(nullptr);
    // Text5 and Text6 lie under the boxes that cover them: the keyboard must not reach them,
    // or a key typed "into" the unit would silently replace the placement's unit code.
    ui->Text5->setFocusPolicy(Qt::NoFocus);
    ui->Text6->setFocusPolicy(Qt::NoFocus);
    bind();
    enterPressesButtons(this);

    connect(ui->cmdTambah, &QPushButton::clicked, this, &frmSPM::cmdTambah_Click);
    connect(ui->cmdEdit, &QPushButton::clicked, this, &frmSPM::cmdEdit_Click);
    connect(ui->cmd, &QPushButton::clicked, this, &frmSPM::cmd_Click);
    connect(ui->cmdHapus, &QPushButton::clicked, this, &frmSPM::cmdHapus_Click);
    connect(ui->cmdkeluar, &QPushButton::clicked, this, &frmSPM::cmdkeluar_Click);
    connect(ui->cboNoSurat, &QComboBox::activated, this, &frmSPM::cboNoSurat_Click);
    connect(ui->cboUnit, &QComboBox::activated, this, &frmSPM::cboUnit_Click);
    connect(ui->cboJawaban, &QComboBox::activated, this, &frmSPM::cboJawaban_Click);
    onKeyPress(ui->Text8, [this](int key) { return Text8_KeyPress(key); });
    onKeyPress(ui->Text9, [this](int key) { return Text9_KeyPress(key); });
    connect(ui->Text8, &QLineEdit::textEdited, this, [this] { m_startChecked = false; });
    connect(ui->Text9, &QLineEdit::textEdited, this, [this] { m_endTyped = true; });

    ui->cboJawaban->addItem(QStringLiteral("Dapat"));
    ui->cboJawaban->addItem(QStringLiteral("Tidak"));
    showHint(ui->cboJawaban, PilihJawaban);
    showHint(ui->cboNoSurat, PilihNoSurat);
    showHint(ui->cboUnit, PilihUnit);
    ui->cmd->setText(QStringLiteral("Cari"));
    tutupkunci();
    BlnSekarang = data::today().month();
    ThnSekarang = qint16(data::today().year());
    followGridRow(); // the boxes show the grid's first row
    centre();
}

frmSPM::~frmSPM() = default;

void frmSPM::bind()
{
    bindGrid(ui->DataGrid1, Adodc6.recordset());
    connect(Adodc6.recordset(), &data::RecordSet::currentChanged, this, &frmSPM::followGridRow);
}

// ---- data controls opened on first use ---------------------------------------------------

// The first screen shows the grid and the boxes of its row, which the grid's own rows fill.
// The other tables serve adding, editing and deleting only, so each is opened when one of
// those first needs it, then kept; in browse mode it then stands on the grid's row.
data::DataControl* frmSPM::openControl(data::DataControl*& control, const char* name,
                                       const char* source, std::initializer_list<BoundBox> boxes)
{
    if (!control) {
        control = new data::DataControl(this, QString::fromLatin1(name),
                                        QString::fromLatin1(source));
        for (const auto& [box, column] : boxes)
            bindText(box, control->recordset(), QString::fromLatin1(column));
    }
    return control;
}

data::RecordSet* frmSPM::pendingLetters()
{
    return openControl(Adodc1, "Adodc1", "QNS", {{ui->Text1, "Ns"}})->recordset();
}

data::RecordSet* frmSPM::units()
{
    return openControl(Adodc2, "Adodc2", "TUnit", {{ui->Text2, "Kode_Unit"}})->recordset();
}

data::RecordSet* frmSPM::trainees()
{
    return openControl(Adodc3, "Adodc3", "TKursan", {{ui->txtNP, "Np"}})->recordset();
}

data::RecordSet* frmSPM::placements()
{
    const bool opening = !Adodc4;
    openControl(Adodc4, "Adodc4", "TKegiatan",
                {{ui->Text4, "Np"}, {ui->Text5, "Tanggal_Pelaksanaan"}, {ui->Text6, "Kode_Unit"}});
    if (opening && m_mode == Mode::Browse)
        followPlacement();
    return Adodc4->recordset();
}

data::RecordSet* frmSPM::letters()
{
    const bool opening = !Adodc5;
    openControl(Adodc5, "Adodc5", "TSurat",
                {{ui->txtNSSurat, "Ns"}, {ui->Text3, "Jawaban"}, {ui->Text7, "Jumlah_Kursan"}});
    if (opening && m_mode == Mode::Browse)
        followLetter();
    return Adodc5->recordset();
}

// A control read again before an entry; one not open yet is read for the first time.
data::RecordSet* frmSPM::readAfresh(data::DataControl* control, data::RecordSet* (frmSPM::*open)())
{
    if (control)
        control->refresh();
    return (this->*open)();
}

void frmSPM::tutupkunci()
{
    setLocked(ui->cboNoSurat, true);
    ui->txtNama->setReadOnly(true);
    ui->txtInstansi->setReadOnly(true);
    ui->txtJurusan->setReadOnly(true);
    setLocked(ui->cboJawaban, true);
    setLocked(ui->cboUnit, true);
    ui->Text5->setReadOnly(true);
    ui->Text7->setReadOnly(true);
}

void frmSPM::bukakunci()
{
    setLocked(ui->cboNoSurat, false);
    setLocked(ui->cboJawaban, false);
    setLocked(ui->cboUnit, false);
    ui->Text5->setReadOnly(false);
}

// The placement and the letter of the grid's row are the current ones, and the boxes show
// them, so "&Edit" and "&Hapus" act on the row the user sees. An entry keeps its own rows
// until it is saved.
void frmSPM::followGridRow()
{
    if (m_mode != Mode::Browse)
        return;
    guarded(this, [this] {
        if (Adodc4)
            followPlacement();
        if (!Adodc6->hasCurrent()) {
            clearBoxes();
            return;
        }
        if (Adodc5)
            followLetter();
        showPlacement();
    });
}

void frmSPM::followPlacement()
{
    data::RecordSet* placed = Adodc4->recordset();
    if (Adodc6->hasCurrent())
        placed->moveToRowid(Adodc6->field(QStringLiteral("IdKegiatan")).toLongLong());
    else
        placed->moveTo(placed->recordCount());
}

void frmSPM::followLetter()
{
    if (Adodc6->hasCurrent())
        Adodc5->recordset()->setFilter(Criterion::equals(
            QStringLiteral("Ns"), Adodc6->field(QStringLiteral("Ns")).toString()));
}

void frmSPM::cmdTambah_Click()
{
    guarded(this, [this] {
        // Read afresh: letters answered since the last entry drop out, new ones appear.
        data::RecordSet* pending = readAfresh(Adodc1, &frmSPM::pendingLetters);
        pending->setFilter(Criterion::equals(QStringLiteral("Jawaban"), QStringLiteral("-")));
        const int n = pending->recordCount();
        if (n <= 0) {
            tell(QStringLiteral("Tidak ada No Surat yang belum dijawab."));
            return;
        }
        if (Adodc2)
            Adodc2->recordset()->clearFilter();
        data::RecordSet* unitRows = readAfresh(Adodc2, &frmSPM::units);
        readAfresh(Adodc3, &frmSPM::trainees);
        readAfresh(Adodc5, &frmSPM::letters);
        ui->cboNoSurat->clear();
        ui->cboUnit->clear();
        pending->moveFirst();
        for (int i = 0; i < n; ++i) {
            ui->cboNoSurat->addItem(pending->field(QStringLiteral("Ns")).toString());
            pending->moveNext();
        }
        unitRows->moveFirst();
        const int m = unitRows->recordCount();
        for (int i = 0; i < m; ++i) {
            ui->cboUnit->addItem(unitRows->field(QStringLiteral("Unit")).toString());
            unitRows->moveNext();
        }
        data::RecordSet* placed = placements();
        enterMode(Mode::Add);
        ui->cboNoSurat->setFocus(); // the letter is the first thing to pick
        // The one placement row of this entry; the picks fill it, "Simpan" stores it.
        placed->addNew();
    });
}

void frmSPM::cmdEdit_Click()
{
    guarded(this, [this] {
        if (!placements()->hasCurrent()) {
            tell(QStringLiteral("Tidak ada data yang dipilih."));
            return;
        }
        letters(); // the reply is recorded in the grid's letter
        enterMode(Mode::Edit);
        showPlacement();
    });
}

// Shows the grid's placement; its stored period goes back into the date boxes, so an edit
// that does not touch them keeps it.
void frmSPM::showPlacement()
{
    data::RecordSet* grid = Adodc6.recordset();
    m_noSurat = grid->hasCurrent() ? grid->field(QStringLiteral("Ns")).toString() : QString();
    if (grid->hasCurrent()) {
        m_unitName = grid->field(QStringLiteral("Unit")).toString();
        ui->cboNoSurat->setEditText(m_noSurat);
        ui->txtNama->setText(grid->field(QStringLiteral("Nama_Kursan")).toString());
        ui->txtInstansi->setText(grid->field(QStringLiteral("Instansi")).toString());
        ui->cboJawaban->setEditText(grid->field(QStringLiteral("Jawaban")).toString());
        ui->cboUnit->setEditText(m_unitName);
        ui->txtJurusan->setText(
            data::majorOf(grid->database(), grid->field(QStringLiteral("Np")).toString()));
    }
    // The placement's own period; its copy in the grid's row while the table is not open.
    QString stored;
    if (Adodc4)
        stored = Adodc4->recordset()->hasCurrent() ? Adodc4->recordset()->field(QStringLiteral("Tanggal_Pelaksanaan")).toString()
                                                   : QString();
    else if (grid->hasCurrent())
        stored = grid->field(QStringLiteral("Tanggal_Pelaksanaan")).toString();
    const int sd = stored.indexOf(QStringLiteral("s/d"));
    ui->Text8->setText(sd < 0 ? stored : stored.left(sd));
    ui->Text9->setText(sd < 0 ? QString() : stored.mid(sd + 3));
    m_startChecked = true; // as stored: an old period is not checked against today again
    m_endTyped = false;
}

void frmSPM::clearBoxes()
{
    m_noSurat.clear();
    m_unitName.clear();
    m_startChecked = true;
    m_endTyped = false;
    showHint(ui->cboNoSurat, PilihNoSurat);
    showHint(ui->cboJawaban, PilihJawaban);
    showHint(ui->cboUnit, PilihUnit);
    for (QLineEdit* box : {ui->txtNama, ui->txtInstansi, ui->txtJurusan, ui->Text8, ui->Text9})
        box->clear();
}

void frmSPM::enterMode(Mode mode)
{
    m_mode = mode;
    m_jawaban.clear();
    clearBoxes();
    // A unit picked in an earlier entry no longer narrows the units of this one.
    if (Adodc2)
        Adodc2->recordset()->clearFilter();
    bukakunci();
    // An edited placement stays with its letter: its list would offer the pending letters
    // of the last "&Tambah", and a pick would move the placement to another trainee.
    if (mode == Mode::Edit)
        setLocked(ui->cboNoSurat, true);
    ui->cmdTambah->setEnabled(false);
    ui->cmdEdit->setEnabled(false);
    ui->cmd->setText(QStringLiteral("Simpan"));
    ui->cmdHapus->setEnabled(false);
    ui->cmdkeluar->setEnabled(false);
    ui->DataGrid1->setEnabled(false);
}

void frmSPM::leaveEntry()
{
    m_mode = Mode::Browse;
    tutupkunci();
    ui->cmdTambah->setEnabled(true);
    ui->cmdEdit->setEnabled(true);
    ui->cmd->setText(QStringLiteral("Cari"));
    ui->cmdHapus->setEnabled(true);
    ui->cmdkeluar->setEnabled(true);
    ui->DataGrid1->setEnabled(true);
}

void frmSPM::cmd_Click()
{
    if (ui->cmd->text() == QLatin1String("Simpan"))
        simpan();
    else
        cari();
}

bool frmSPM::simpan()
{
    // A new entry needs its letter; an edited placement whose trainee has gone since still
    // saves, on its own.
    if ((m_mode == Mode::Add && m_noSurat.isEmpty()) || !placements()->hasCurrent()) {
        tell(QStringLiteral("Pilih No Surat terlebih dahulu."));
        return false;
    }
    if (!replyAsShown()) {
        tell(QStringLiteral("Pilih Jawaban: Dapat atau Tidak."));
        ui->cboJawaban->setFocus();
        return false;
    }
    if (!unitAsShown()) {
        tell(QStringLiteral("Pilih Unit terlebih dahulu."));
        ui->cboUnit->setFocus();
        return false;
    }
    if (!periodReady())
        return false;
    bool placed = false;
    if (m_mode == Mode::Add && !guarded(this, [&] { placed = data::letterPlaced(Adodc6->database(), m_noSurat); }))
        return false;
    if (placed) {
        tell(QStringLiteral("Data kegiatan untuk No Surat ini sudah ada."));
        return false;
    }
    bool allowed = false;
    if (!guarded(this, [&] { allowed = quotaAllows(); }) || !allowed)
        return false;
    const bool saved = guarded(this, [this] {
        ui->Text5->setText(ui->Text8->text() + QStringLiteral("s/d") + ui->Text9->text());
        // The placement and the reply are stored together or not at all.
        if (letters()->hasCurrent())
            data::saveTogether({placements(), letters()});
        else
            data::saveTogether({placements()});
    });
    if (!saved)
        return false; // still in entry mode with everything the user gave
    const qint64 placement = placements()->rowid();
    leaveEntry();
    guarded(this, [this, placement] {
        ui->DataGrid1->viewport()->update();
        Adodc6.refresh();
        if (!Adodc6->find(Criterion::equals(QStringLiteral("IdKegiatan"),
                                            QString::number(placement))))
            Adodc6->moveFirst();
    });
    return true;
}

// The reply shown is the one stored: picked from the list, not typed.
bool frmSPM::replyAsShown()
{
    if (!letters()->hasCurrent())
        return true; // a placement whose letter has gone keeps no reply
    const QString shown = ui->cboJawaban->currentText();
    return (shown == QLatin1String("Dapat") || shown == QLatin1String("Tidak")) &&
           letters()->field(QStringLiteral("Jawaban")).toString() == shown;
}

// The unit shown is the one stored, and a granted letter names one.
bool frmSPM::unitAsShown() const
{
    const QString shown = ui->cboUnit->currentText();
    if (shown != m_unitName && !(m_unitName.isEmpty() && shown == PilihUnit))
        return false;
    return ui->cboJawaban->currentText() != QLatin1String("Dapat") ||
           !ui->Text6->text().isEmpty();
}

// A period is stored as dd/mm/yyyy s/d dd/mm/yyyy, or not at all: a start typed since its
// last check is checked now, as Enter would, and a typed end date is normalised.
bool frmSPM::periodReady()
{
    const QString start = ui->Text8->text(), end = ui->Text9->text();
    if (start.isEmpty() && end.isEmpty())
        return true;
    if ((!m_startChecked || start.isEmpty()) && !acceptStartDate(!m_endTyped || end.isEmpty()))
        return false;
    if (!m_endTyped)
        return true;
    const QString normal = period::normalise(ui->Text9->text());
    if (normal.isEmpty()) {
        msgBox(QStringLiteral("Cek ulang tanggal akhir pelaksanaan."),
               QStringLiteral("Cek Tanggal"), Icon::Critical, Buttons::Ok, this);
        ui->Text9->setFocus();
        return false;
    }
    ui->Text9->setText(normal);
    return true;
}

void frmSPM::cari() { openSearch(this, Adodc6.recordset(), forms::placementSearch()); }

void frmSPM::cmdHapus_Click()
{
    data::RecordSet* grid = Adodc6.recordset();
    bool chosen = false;
    if (!guarded(this, [&] { chosen = placements()->hasCurrent() && grid->hasCurrent(); }))
        return;
    if (!chosen) {
        tell(QStringLiteral("Tidak ada data yang dipilih."));
        return;
    }
    // Names the grid's placement by its letter and trainee; one whose trainee has gone, by
    // its trainee number.
    QStringList shown;
    for (const QString& column : {QStringLiteral("Ns"), QStringLiteral("Nama_Kursan")})
        if (!grid->field(column).toString().isEmpty())
            shown << grid->field(column).toString();
    if (shown.isEmpty())
        shown << placements()->field(QStringLiteral("Np")).toString();
    if (msgBox(QStringLiteral("Anda yakin akan menghapus.\n") + shown.join(QStringLiteral(" - ")),
               QStringLiteral("Pesan"), Icon::Question, Buttons::OkCancel, this) != Answer::Ok)
        return;
    guarded(this, [this] {
        // The letter goes back among those awaiting a reply, so its trainee can be placed
        // again; both changes or neither.
        data::RecordSet* letter = letters();
        if (letter->hasCurrent()) {
            try {
                letter->setField(QStringLiteral("Jawaban"), QStringLiteral("-"));
                data::deleteTogether(placements(), {letter});
            } catch (const data::Error&) {
                letter->cancelUpdate();
                throw;
            }
        } else {
            placements()->deleteCurrent();
        }
        placements()->moveFirst();
        Adodc6.refresh(); // the deleted placement leaves the grid
    });
}

void frmSPM::cmdkeluar_Click() { unload(); }

void frmSPM::tell(const QString& message)
{
    msgBox(message, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
}

bool frmSPM::mayClose()
{
    return m_mode == Mode::Browse || askToSave([this] { return simpan(); });
}

// Closing in entry mode throws the unsaved placement and reply away.
void frmSPM::beforeUnload()
{
    if (m_mode == Mode::Browse)
        return;
    if (Adodc4)
        Adodc4->recordset()->cancelUpdate();
    if (Adodc5)
        Adodc5->recordset()->cancelUpdate();
}
