#include "forms/frmSPM.h"

#include "forms/frmCari.h"
#include "forms/period.h"
#include "platform/binding.h"
#include "platform/clock.h"
#include "platform/combolock.h"
#include "platform/guard.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "ui_frmSPM.h"

#include <QSqlError>
#include <QSqlQuery>

using namespace platform;
using data::Criterion;


frmSPM::frmSPM(QWidget* owner)
    : Form(owner, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Adodc1(this, QStringLiteral("Adodc1"), QStringLiteral("QNS")),
      Adodc2(this, QStringLiteral("Adodc2"), QStringLiteral("TUnit")),
      Adodc3(this, QStringLiteral("Adodc3"), QStringLiteral("TKursan")),
      Adodc4(this, QStringLiteral("Adodc4"), QStringLiteral("TKegiatan")),
      Adodc5(this, QStringLiteral("Adodc5"), QStringLiteral("TSurat")),
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
    BlnSekarang = today().month();
    ThnSekarang = qint16(today().year());
    followGridRow(); // the boxes show the grid's first row
    centre();
}

frmSPM::~frmSPM() = default;

void frmSPM::bind()
{
    bindText(ui->Text4, Adodc4.recordset(), QStringLiteral("Np"));
    bindText(ui->Text5, Adodc4.recordset(), QStringLiteral("Tanggal_Pelaksanaan"));
    bindText(ui->Text6, Adodc4.recordset(), QStringLiteral("Kode_Unit"));
    bindText(ui->txtNSSurat, Adodc5.recordset(), QStringLiteral("Ns"));
    bindText(ui->Text3, Adodc5.recordset(), QStringLiteral("Jawaban"));
    bindText(ui->Text7, Adodc5.recordset(), QStringLiteral("Jumlah_Kursan"));
    bindText(ui->txtNP, Adodc3.recordset(), QStringLiteral("Np"));
    bindText(ui->Text1, Adodc1.recordset(), QStringLiteral("Ns"));
    bindText(ui->Text2, Adodc2.recordset(), QStringLiteral("Kode_Unit"));
    bindGrid(ui->DataGrid1, Adodc6.recordset());
    connect(Adodc6.recordset(), &data::RecordSet::currentChanged, this, &frmSPM::followGridRow);
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
        data::RecordSet* grid = Adodc6.recordset();
        if (!grid->hasCurrent()) {
            Adodc4->moveTo(Adodc4->recordCount());
            clearBoxes();
            return;
        }
        Adodc4->moveToRowid(grid->field(QStringLiteral("IdKegiatan")).toLongLong());
        Adodc5->setFilter(Criterion::equals(QStringLiteral("Ns"),
                                            grid->field(QStringLiteral("Ns")).toString()));
        showPlacement();
    });
}

void frmSPM::cmdTambah_Click()
{
    guarded(this, [this] {
        // Read afresh: letters answered since the last entry drop out, new ones appear.
        Adodc1.refresh();
        Adodc1->setFilter(Criterion::equals(QStringLiteral("Jawaban"), QStringLiteral("-")));
        const int n = Adodc1->recordCount();
        if (n <= 0) {
            tell(QStringLiteral("Tidak ada No Surat yang belum dijawab."));
            return;
        }
        Adodc2->clearFilter();
        Adodc2.refresh();
        Adodc3.refresh();
        Adodc5.refresh();
        ui->cboNoSurat->clear();
        ui->cboUnit->clear();
        Adodc1->moveFirst();
        for (int i = 0; i < n; ++i) {
            ui->cboNoSurat->addItem(Adodc1->field(0).toString());
            Adodc1->moveNext();
        }
        Adodc2->moveFirst();
        const int m = Adodc2->recordCount();
        for (int i = 0; i < m; ++i) {
            ui->cboUnit->addItem(Adodc2->field(1).toString());
            Adodc2->moveNext();
        }
        enterMode(Mode::Add);
        ui->cboNoSurat->setFocus(); // the letter is the first thing to pick
        // The one placement row of this entry; the picks fill it, "Simpan" stores it.
        Adodc4->addNew();
    });
}

void frmSPM::cmdEdit_Click()
{
    if (!Adodc4->hasCurrent()) {
        tell(QStringLiteral("Tidak ada data yang dipilih."));
        return;
    }
    guarded(this, [this] {
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
        Adodc3->setFilter(Criterion::equals(QStringLiteral("Np"),
                                            grid->field(QStringLiteral("Np")).toString()));
        ui->txtJurusan->setText(Adodc3->hasCurrent() ? Adodc3->field(9).toString() : QString());
    }
    const QString stored = Adodc4->hasCurrent() ? Adodc4->field(1).toString() : QString();
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
    Adodc2->clearFilter();
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
    if ((m_mode == Mode::Add && m_noSurat.isEmpty()) || !Adodc4->hasCurrent()) {
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
    if (m_mode == Mode::Add && !guarded(this, [&] { placed = letterPlaced(); }))
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
        if (Adodc5->hasCurrent())
            data::saveTogether({Adodc4.recordset(), Adodc5.recordset()});
        else
            data::saveTogether({Adodc4.recordset()});
    });
    if (!saved)
        return false; // still in entry mode with everything the user gave
    const qint64 placement = Adodc4->rowid();
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
    if (!Adodc5->hasCurrent())
        return true; // a placement whose letter has gone keeps no reply
    const QString shown = ui->cboJawaban->currentText();
    return (shown == QLatin1String("Dapat") || shown == QLatin1String("Tidak")) &&
           Adodc5->field(1).toString() == shown;
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

// Whether the entry's letter already has a placement (through its trainees).
bool frmSPM::letterPlaced()
{
    QSqlQuery q(Adodc4->database());
    q.prepare(QStringLiteral("SELECT 1 FROM TKegiatan JOIN TKursan ON TKursan.Np = TKegiatan.Np"
                             " WHERE TKursan.Ns = ? LIMIT 1"));
    q.addBindValue(m_noSurat);
    if (!q.exec())
        throw data::Error(QStringLiteral("Data tidak dapat dibaca: %1").arg(q.lastError().text()));
    return q.next();
}

void frmSPM::cari() { openSearch(this); }

void frmSPM::cmdHapus_Click()
{
    data::RecordSet* grid = Adodc6.recordset();
    if (!Adodc4->hasCurrent() || !grid->hasCurrent()) {
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
        shown << Adodc4->field(0).toString();
    if (msgBox(QStringLiteral("Anda yakin akan menghapus.\n") + shown.join(QStringLiteral(" - ")),
               QStringLiteral("Pesan"), Icon::Question, Buttons::OkCancel, this) != Answer::Ok)
        return;
    guarded(this, [this] {
        // The letter goes back among those awaiting a reply, so its trainee can be placed
        // again; both changes or neither.
        if (Adodc5->hasCurrent()) {
            try {
                Adodc5->setField(1, QStringLiteral("-"));
                data::deleteTogether(Adodc4.recordset(), {Adodc5.recordset()});
            } catch (const data::Error&) {
                Adodc5->cancelUpdate();
                throw;
            }
        } else {
            Adodc4->deleteCurrent();
        }
        Adodc4->moveFirst();
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
    Adodc4->cancelUpdate();
    Adodc5->cancelUpdate();
}
