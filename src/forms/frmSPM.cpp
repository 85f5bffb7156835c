#include "forms/frmSPM.h"

#include "data/clock.h"
#include "data/lookups.h"
#include "data/placements.h"
#include "forms/conflict.h"
#include "forms/elsewhere.h"
#include "forms/frmCari.h"
#include "platform/binding.h"
#include "platform/combolock.h"
#include "platform/guard.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "rules/occupancy.h"
#include "rules/period.h"
#include "ui_frmSPM.h"

using namespace platform;
using data::Criterion;

frmSPM::frmSPM(QWidget* owner)
    : Form(owner, CloseBoxOnly), m_grid(this, QStringLiteral("Adodc6"), QStringLiteral("QSPM")),
      m_ui(std::make_unique<Ui::frmSPM>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             m_ui->Label1_7, m_ui->Text7, m_ui->txtNSSurat, m_ui->Text3, m_ui->txtNP, m_ui->Text4,
             m_ui->Text1, m_ui->Text2, m_ui->tutup1, m_ui->tutup2})
        hidden->hide();
    // Only an entry chosen from a list is a pick; typed text never completes into one.
    for (QComboBox* combo : {m_ui->cboNoSurat, m_ui->cboJawaban, m_ui->cboUnit})
        combo->setCompleter(nullptr);
    // Text5 and Text6 lie under the boxes that cover them: the keyboard must not reach them,
    // or a key typed "into" the unit would silently replace the placement's unit code.
    m_ui->Text5->setFocusPolicy(Qt::NoFocus);
    m_ui->Text6->setFocusPolicy(Qt::NoFocus);
    m_elsewhere = new forms::ElsewhereNotice(this);
    m_elsewhere->watch(m_grid.recordset());
    bind();
    enterPressesButtons(this);

    handle(m_ui->cmdTambah, &QPushButton::clicked, this, &frmSPM::cmdTambah_Click);
    handle(m_ui->cmdEdit, &QPushButton::clicked, this, &frmSPM::cmdEdit_Click);
    handle(m_ui->cmd, &QPushButton::clicked, this, &frmSPM::cmd_Click);
    handle(m_ui->cmdHapus, &QPushButton::clicked, this, &frmSPM::cmdHapus_Click);
    handle(m_ui->cmdkeluar, &QPushButton::clicked, this, &frmSPM::cmdkeluar_Click);
    handle(m_ui->cboNoSurat, &QComboBox::activated, this, &frmSPM::cboNoSurat_Click);
    handle(m_ui->cboUnit, &QComboBox::activated, this, &frmSPM::cboUnit_Click);
    handle(m_ui->cboJawaban, &QComboBox::activated, this, &frmSPM::cboJawaban_Click);
    onKeyPress(m_ui->Text8, [this](int key) { return Text8_KeyPress(key); });
    onKeyPress(m_ui->Text9, [this](int key) { return Text9_KeyPress(key); });
    connect(m_ui->Text8, &QLineEdit::textEdited, this, [this] { m_startChecked = false; });
    connect(m_ui->Text9, &QLineEdit::textEdited, this, [this] { m_endTyped = true; });

    m_ui->cboJawaban->addItem(QStringLiteral("Dapat"));
    m_ui->cboJawaban->addItem(QStringLiteral("Tidak"));
    showHint(m_ui->cboJawaban, PilihJawaban);
    showHint(m_ui->cboNoSurat, PilihNoSurat);
    showHint(m_ui->cboUnit, PilihUnit);
    setMode(Mode::Browse);
    m_thisMonth = data::today().month();
    m_thisYear = data::today().year();
    followGridRow(); // the boxes show the grid's first row
    centre();
}

frmSPM::~frmSPM() = default;

void frmSPM::bind()
{
    bindGrid(m_ui->DataGrid1, m_grid.recordset());
    connect(m_grid.recordset(), &data::RecordSet::currentChanged, this, &frmSPM::followGridRow);
    // The row on screen saved anew elsewhere: the boxes show it once every record set of the
    // form has taken the save in.
    connect(m_grid.recordset(), &data::RecordSet::rowChanged, this, [this](int row) {
        if (row == m_grid->position())
            QMetaObject::invokeMethod(this, &frmSPM::followGridRow, Qt::QueuedConnection);
    });
}

// ---- data controls opened on first use ---------------------------------------------------

// The first screen shows the grid and the boxes of its row, which the grid's own rows fill.
// The other tables serve adding, editing and deleting only, so each is opened when one of
// those first needs it, then kept; opened in browse mode, it then stands on the grid's row.
data::DataControl* frmSPM::openControl(data::DataControl*& control, const char* name,
                                       const char* source, std::initializer_list<BoundBox> boxes,
                                       void (frmSPM::*follow)())
{
    if (!control) {
        control = new data::DataControl(this, QString::fromLatin1(name),
                                        QString::fromLatin1(source));
        for (const auto& [box, column] : boxes)
            bindText(box, control->recordset(), QString::fromLatin1(column));
        m_elsewhere->watch(control->recordset());
        if (follow && m_mode == Mode::Browse)
            (this->*follow)();
    }
    return control;
}

data::RecordSet* frmSPM::pendingLetters()
{
    return openControl(m_pendingLetters, "Adodc1", "QNS", {{m_ui->Text1, "Ns"}})->recordset();
}

data::RecordSet* frmSPM::units()
{
    return openControl(m_units, "Adodc2", "TUnit", {{m_ui->Text2, "Kode_Unit"}})->recordset();
}

data::RecordSet* frmSPM::trainees()
{
    return openControl(m_trainees, "Adodc3", "TKursan", {{m_ui->txtNP, "Np"}})->recordset();
}

data::RecordSet* frmSPM::placements()
{
    return openControl(m_placements, "Adodc4", "TKegiatan",
                       {{m_ui->Text4, "Np"},
                        {m_ui->Text5, "Tanggal_Pelaksanaan"},
                        {m_ui->Text6, "Kode_Unit"}},
                       &frmSPM::followPlacement)
        ->recordset();
}

data::RecordSet* frmSPM::letters()
{
    return openControl(
               m_letters, "Adodc5", "TSurat",
               {{m_ui->txtNSSurat, "Ns"}, {m_ui->Text3, "Jawaban"}, {m_ui->Text7, "Jumlah_Kursan"}},
               &frmSPM::followLetter)
        ->recordset();
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
    setLocked(m_ui->cboNoSurat, true);
    m_ui->txtNama->setReadOnly(true);
    m_ui->txtInstansi->setReadOnly(true);
    m_ui->txtJurusan->setReadOnly(true);
    setLocked(m_ui->cboJawaban, true);
    setLocked(m_ui->cboUnit, true);
    m_ui->Text5->setReadOnly(true);
    m_ui->Text7->setReadOnly(true);
}

void frmSPM::bukakunci()
{
    setLocked(m_ui->cboNoSurat, false);
    setLocked(m_ui->cboJawaban, false);
    setLocked(m_ui->cboUnit, false);
    m_ui->Text5->setReadOnly(false);
}

// The placement and the letter of the grid's row are the current ones, and the boxes show
// them, so "&Edit" and "&Hapus" act on the row the user sees. An entry keeps its own rows
// until it is saved.
void frmSPM::followGridRow()
{
    if (m_mode != Mode::Browse)
        return;
    guarded(this, [this] {
        if (m_placements)
            followPlacement();
        if (!m_grid->hasCurrent()) {
            clearBoxes();
            return;
        }
        if (m_letters)
            followLetter();
        showPlacement();
    });
}

void frmSPM::followPlacement()
{
    data::RecordSet* placed = m_placements->recordset();
    if (m_grid->hasCurrent())
        placed->moveToRowid(m_grid->field(QStringLiteral("IdKegiatan")).toLongLong());
    else
        placed->moveTo(placed->recordCount());
}

void frmSPM::followLetter()
{
    if (m_grid->hasCurrent())
        m_letters->recordset()->setFilter(Criterion::equals(
            QStringLiteral("Ns"), m_grid->field(QStringLiteral("Ns")).toString()));
}

void frmSPM::cmdTambah_Click()
{
    // Read afresh: letters answered since the last entry drop out, new ones appear.
    data::RecordSet* pending = readAfresh(m_pendingLetters, &frmSPM::pendingLetters);
    pending->setFilter(Criterion::equals(QStringLiteral("Jawaban"), QStringLiteral("-")));
    if (pending->recordCount() == 0) {
        tell(QStringLiteral("Tidak ada No Surat yang belum dijawab."));
        return;
    }
    if (m_units)
        m_units->recordset()->clearFilter();
    data::RecordSet* unitRows = readAfresh(m_units, &frmSPM::units);
    readAfresh(m_trainees, &frmSPM::trainees);
    readAfresh(m_letters, &frmSPM::letters);
    m_ui->cboNoSurat->clear();
    m_ui->cboNoSurat->addItems(pending->texts(QStringLiteral("Ns")));
    m_ui->cboUnit->clear();
    m_ui->cboUnit->addItems(unitRows->texts(QStringLiteral("Unit")));
    data::RecordSet* placed = placements();
    beginEntry(Mode::Adding);
    m_ui->cboNoSurat->setFocus(); // the letter is the first thing to pick
    // The one placement row of this entry; the picks fill it, "Simpan" stores it.
    placed->addNew();
}

void frmSPM::cmdEdit_Click()
{
    if (!placements()->hasCurrent()) {
        tell(QStringLiteral("Tidak ada data yang dipilih."));
        return;
    }
    letters(); // the reply is recorded in the grid's letter
    beginEntry(Mode::Editing);
    showPlacement();
}

// Shows the grid's placement; its stored period goes back into the date boxes, so an edit
// that does not touch them keeps it.
void frmSPM::showPlacement()
{
    data::RecordSet* grid = m_grid.recordset();
    m_noSurat = grid->hasCurrent() ? grid->field(QStringLiteral("Ns")).toString() : QString();
    if (grid->hasCurrent()) {
        m_unitName = grid->field(QStringLiteral("Unit")).toString();
        m_ui->cboNoSurat->setEditText(m_noSurat);
        m_ui->txtNama->setText(grid->field(QStringLiteral("Nama_Kursan")).toString());
        m_ui->txtInstansi->setText(grid->field(QStringLiteral("Instansi")).toString());
        m_ui->cboJawaban->setEditText(grid->field(QStringLiteral("Jawaban")).toString());
        m_ui->cboUnit->setEditText(m_unitName);
        m_ui->txtJurusan->setText(
            data::majorOf(grid->database(), grid->field(QStringLiteral("Np")).toString()));
    }
    // The placement's own period; its copy in the grid's row while the table is not open.
    QString stored;
    if (m_placements)
        stored =
            m_placements->recordset()->hasCurrent()
                ? m_placements->recordset()->field(QStringLiteral("Tanggal_Pelaksanaan")).toString()
                : QString();
    else if (grid->hasCurrent())
        stored = grid->field(QStringLiteral("Tanggal_Pelaksanaan")).toString();
    const int sd = stored.indexOf(QStringLiteral("s/d"));
    m_ui->Text8->setText(sd < 0 ? stored : stored.left(sd));
    m_ui->Text9->setText(sd < 0 ? QString() : stored.mid(sd + 3));
    m_startChecked = true; // as stored: an old period is not checked against today again
    m_endTyped = false;
}

void frmSPM::clearBoxes()
{
    m_noSurat.clear();
    m_unitName.clear();
    m_startChecked = true;
    m_endTyped = false;
    showHint(m_ui->cboNoSurat, PilihNoSurat);
    showHint(m_ui->cboJawaban, PilihJawaban);
    showHint(m_ui->cboUnit, PilihUnit);
    for (QLineEdit* box :
         {m_ui->txtNama, m_ui->txtInstansi, m_ui->txtJurusan, m_ui->Text8, m_ui->Text9})
        box->clear();
}

void frmSPM::beginEntry(Mode mode)
{
    m_jawaban.clear();
    clearBoxes();
    // A unit picked in an earlier entry no longer narrows the units of this one.
    if (m_units)
        m_units->recordset()->clearFilter();
    setMode(mode);
}

void frmSPM::setMode(Mode mode)
{
    m_mode = mode;
    const bool browsing = mode == Mode::Browse;
    if (browsing)
        tutupkunci();
    else
        bukakunci();
    // An edited placement stays with its letter: its list would offer the pending letters
    // of the last "&Tambah", and a pick would move the placement to another trainee.
    if (mode == Mode::Editing)
        setLocked(m_ui->cboNoSurat, true);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_ui->cmdTambah, m_ui->cmdEdit, m_ui->cmdHapus, m_ui->cmdkeluar, m_ui->DataGrid1})
        w->setEnabled(browsing);
    m_ui->cmd->setText(browsing ? QStringLiteral("Cari") : QStringLiteral("Simpan"));
}

void frmSPM::cmd_Click()
{
    if (m_mode == Mode::Browse)
        cari();
    else
        simpan();
}

bool frmSPM::simpan()
{
    // A new entry needs its letter; an edited placement whose trainee has gone since still
    // saves, on its own.
    if ((m_mode == Mode::Adding && m_noSurat.isEmpty()) || !placements()->hasCurrent()) {
        tell(QStringLiteral("Pilih No Surat terlebih dahulu."));
        return false;
    }
    if (!replyAsShown()) {
        tell(QStringLiteral("Pilih Jawaban: Dapat atau Tidak."));
        m_ui->cboJawaban->setFocus();
        return false;
    }
    if (!unitAsShown()) {
        tell(QStringLiteral("Pilih Unit terlebih dahulu."));
        m_ui->cboUnit->setFocus();
        return false;
    }
    if (!periodReady())
        return false;
    bool alreadyPlaced = false;
    if (m_mode == Mode::Adding &&
        !guarded(this, [&] { alreadyPlaced = data::letterPlaced(m_grid->database(), m_noSurat); }))
        return false;
    if (alreadyPlaced) {
        tell(QStringLiteral("Data kegiatan untuk No Surat ini sudah ada."));
        return false;
    }
    // The office decides on a unit over its quota; what it agreed to is counted again as the
    // placement is stored, so one made meanwhile at another desk is put to it too.
    std::optional<occupancy::MonthCount> agreed;
    if (!guarded(this, [&] { agreed = fullMonth(placements()->database()); }))
        return false;
    if (agreed && !quotaAllows(*agreed))
        return false;
    data::RecordSet* placed = placements();
    data::RecordSet* letter = letters();
    std::optional<occupancy::MonthCount> grown;
    auto countAgain = [&](QSqlDatabase& db) {
        const std::optional<occupancy::MonthCount> now = fullMonth(db);
        if (now && (!agreed || now->count > agreed->count)) {
            grown = now;
            throw data::Declined();
        }
    };
    forms::Saved saved;
    do {
        grown.reset();
        saved = forms::saveWithCare(this, {placed, letter}, [&] {
            placed->setField(QStringLiteral("Tanggal_Pelaksanaan"),
                             m_ui->Text8->text() + QStringLiteral("s/d") + m_ui->Text9->text());
            // The placement and the reply are stored together or not at all.
            if (letter->hasCurrent())
                data::saveTogether({placed, letter}, countAgain);
            else
                data::saveTogether({placed});
        });
        if (grown && !quotaAllows(*grown))
            return false;
        agreed = grown ? grown : agreed;
    } while (grown);
    if (saved == forms::Saved::Kept)
        return false; // still in entry mode with everything the user gave
    const qint64 placement = placed->hasCurrent() ? placed->rowid() : -1;
    setMode(Mode::Browse);
    guarded(this, [this, placement] {
        m_ui->DataGrid1->viewport()->update();
        m_grid.refresh();
        if (placement < 0 || !m_grid->find(Criterion::equals(QStringLiteral("IdKegiatan"),
                                                             QString::number(placement))))
            m_grid->moveFirst();
    });
    return true;
}

// The reply shown is the one stored: picked from the list, not typed.
bool frmSPM::replyAsShown()
{
    if (!letters()->hasCurrent())
        return true; // a placement whose letter has gone keeps no reply
    const QString shown = m_ui->cboJawaban->currentText();
    return (shown == QLatin1String("Dapat") || shown == QLatin1String("Tidak")) &&
           letters()->field(QStringLiteral("Jawaban")).toString() == shown;
}

// The unit shown is the one stored, and a granted letter names one.
bool frmSPM::unitAsShown()
{
    const QString shown = m_ui->cboUnit->currentText();
    if (shown != m_unitName && !(m_unitName.isEmpty() && shown == PilihUnit))
        return false;
    return m_ui->cboJawaban->currentText() != QLatin1String("Dapat") ||
           !placements()->field(QStringLiteral("Kode_Unit")).toString().isEmpty();
}

// A period is stored as dd/mm/yyyy s/d dd/mm/yyyy, or not at all: a start typed since its
// last check is checked now, as Enter would, and a typed end date is normalised.
bool frmSPM::periodReady()
{
    const QString start = m_ui->Text8->text(), end = m_ui->Text9->text();
    if (start.isEmpty() && end.isEmpty())
        return true;
    if ((!m_startChecked || start.isEmpty()) && !acceptStartDate(!m_endTyped || end.isEmpty()))
        return false;
    if (!m_endTyped)
        return true;
    const QString normal = period::normalise(m_ui->Text9->text());
    if (normal.isEmpty()) {
        msgBox(QStringLiteral("Cek ulang tanggal akhir pelaksanaan."),
               QStringLiteral("Cek Tanggal"), Icon::Critical, Buttons::Ok, this);
        m_ui->Text9->setFocus();
        return false;
    }
    m_ui->Text9->setText(normal);
    return true;
}

// The first month of the entry's period in which its unit already holds the quota of granted
// placements (this one not counted against itself); none for a reply other than "Dapat".
std::optional<occupancy::MonthCount> frmSPM::fullMonth(const QSqlDatabase& db)
{
    data::RecordSet* letter = letters();
    if (!letter->hasCurrent() ||
        letter->field(QStringLiteral("Jawaban")).toString() != QLatin1String("Dapat"))
        return std::nullopt;
    const QString code = placements()->field(QStringLiteral("Kode_Unit")).toString();
    const QString period = m_ui->Text8->text() + QStringLiteral("s/d") + m_ui->Text9->text();
    return occupancy::firstFullMonth(period, data::grantedPeriods(db, code, placements()->rowid()));
}

// Only "Ya" stores a placement over the quota; "Tidak" keeps the entry, and it is what Enter
// answers, so a hasty Enter never overfills the unit.
bool frmSPM::quotaAllows(const occupancy::MonthCount& full)
{
    const QString code = placements()->field(QStringLiteral("Kode_Unit")).toString();
    const QString unit = m_unitName.isEmpty() ? code : m_unitName;
    return msgBox(QStringLiteral("Unit %1 sudah %2 orang pada %3. Tetap simpan?")
                      .arg(unit, QString::number(full.count), occupancy::monthText(full.key)),
                  QStringLiteral("Kuota Unit"), Icon::Question, Buttons::YesNo, this,
                  Answer::No) == Answer::Yes;
}

void frmSPM::cari() { openSearch(this, m_grid.recordset(), forms::placementSearch()); }

void frmSPM::cmdHapus_Click()
{
    data::RecordSet* grid = m_grid.recordset();
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
    // The letter goes back among those awaiting a reply, so its trainee can be placed again;
    // both changes or neither.
    data::RecordSet* placed = placements();
    data::RecordSet* letter = letters();
    const bool deleted = forms::deleteWithCare(this, placed, [placed, letter] {
        if (!letter->hasCurrent()) {
            placed->deleteCurrent();
            return;
        }
        letter->setField(QStringLiteral("Jawaban"), QStringLiteral("-"));
        data::deleteTogether(placed, {letter});
    });
    guarded(this, [&] {
        if (!deleted && letter->hasCurrent())
            letter->cancelUpdate();
        placed->moveFirst();
        m_grid.refresh(); // the deleted placement leaves the grid
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

bool frmSPM::showPlacementOf(const QString& np)
{
    if (m_mode != Mode::Browse) {
        tell(QStringLiteral("Selesaikan dulu data yang sedang diisi."));
        return false;
    }
    if (!m_grid.recordset()->seek(data::Criterion::equals(QStringLiteral("Np"), np))) {
        tell(QStringLiteral("Penempatan Kursan %1 tidak ada lagi dalam DataBase.").arg(np));
        return false;
    }
    return true;
}

bool frmSPM::answerLetter(const QString& ns)
{
    if (m_mode != Mode::Browse) {
        tell(QStringLiteral("Selesaikan dulu data yang sedang diisi."));
        return false;
    }
    cmdTambah_Click();
    if (m_mode != Mode::Adding)
        return false;
    const int at = m_ui->cboNoSurat->findText(ns);
    if (at < 0) {
        // Only letters stored with "-" wait in the list; one with no reply at all is not.
        tell(
            QStringLiteral("No Surat %1 tidak ada di daftar No Surat yang belum dijawab.").arg(ns));
        return false;
    }
    m_ui->cboNoSurat->setCurrentIndex(at);
    cboNoSurat_Click();
    return true;
}
