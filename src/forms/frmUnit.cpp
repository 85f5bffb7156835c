#include "forms/frmUnit.h"

#include "data/datacontrol.h"
#include "data/lookups.h"
#include "data/transaction.h"
#include "forms/conflict.h"
#include "forms/elsewhere.h"
#include "forms/frmCari.h"
#include "platform/binding.h"
#include "platform/guard.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "ui_frmUnit.h"

using namespace platform;

frmUnit::frmUnit(QWidget* owner) : Form(owner, CloseBoxOnly), m_ui(std::make_unique<Ui::frmUnit>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    QFont title = m_ui->Label1->font();
    title.setPointSizeF(13.5);
    title.setBold(true);
    m_ui->Label1->setFont(title);

    m_units = new data::DataControl(this, QStringLiteral("Adodc1"), QStringLiteral("TUnit"));
    bindText(m_ui->txtKodeUnit, m_units->recordset(), QStringLiteral("Kode_Unit"));
    bindText(m_ui->txtNamaUnit, m_units->recordset(), QStringLiteral("Unit"));
    (new forms::ElsewhereNotice(this))->watch(m_units->recordset());
    bindGrid(m_ui->DataGrid1, m_units->recordset(),
             {QStringLiteral("Kode_Unit"), QStringLiteral("Unit"), QStringLiteral("No_Telp")});
    // A click on another row while adding or editing stores the unit as "Simpan" would.
    m_units->recordset()->setStoreOnLeave([this] {
        if (!storePending())
            throw data::Declined();
    });
    enterPressesButtons(this);

    handle(m_ui->cmdTambah, &QPushButton::clicked, this, &frmUnit::cmdTambah_Click);
    handle(m_ui->cmd1, &QPushButton::clicked, this, &frmUnit::cmd1_Click);
    handle(m_ui->cmd2, &QPushButton::clicked, this, &frmUnit::cmd2_Click);
    handle(m_ui->cmdHapus, &QPushButton::clicked, this, &frmUnit::cmdHapus_Click);
    handle(m_ui->cmdKeluar, &QPushButton::clicked, this, &frmUnit::cmdKeluar_Click);
    onKeyPress(m_ui->txtKodeUnit, [this](int key) { return txtKodeUnit_KeyPress(key); });
    onKeyPress(m_ui->txtNamaUnit, [this](int key) { return txtNamaUnit_KeyPress(key); });

    m_ui->cmd1->setText(QStringLiteral("Edit"));
    setMode(Mode::Browse);
    centre();
}

frmUnit::~frmUnit() = default;

void frmUnit::tutupkunci()
{
    m_ui->txtKodeUnit->setReadOnly(true);
    m_ui->txtNamaUnit->setReadOnly(true);
}

void frmUnit::bukakunci()
{
    m_ui->txtKodeUnit->setReadOnly(false);
    m_ui->txtNamaUnit->setReadOnly(false);
}

void frmUnit::setMode(Mode mode)
{
    m_mode = mode;
    const bool browsing = mode == Mode::Browse;
    if (browsing)
        tutupkunci();
    else
        bukakunci();
    for (QPushButton* button : {m_ui->cmdTambah, m_ui->cmd1, m_ui->cmdHapus, m_ui->cmdKeluar})
        button->setEnabled(browsing);
    m_ui->cmd2->setText(browsing ? QStringLiteral("Cari") : QStringLiteral("Simpan"));
}

bool frmUnit::hasUnit(const QString& refusal)
{
    if (m_units->recordset()->hasCurrent())
        return true;
    msgBox(refusal, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
    return false;
}

void frmUnit::cmdTambah_Click()
{
    if (!guarded(this, [this] { m_units->recordset()->addNew(); }))
        return;
    m_ui->txtKodeUnit->setFocus();
    m_ui->txtKodeUnit->setText(QStringLiteral("0"));
    m_ui->txtKodeUnit->selectAll(); // the code the user types replaces the "0"
    setMode(Mode::Adding);
}

void frmUnit::cmd1_Click()
{
    if (!hasUnit(QStringLiteral("Tidak ada data unit yang dapat diedit.")))
        return;
    setMode(Mode::Editing);
}

void frmUnit::cmd2_Click()
{
    if (m_mode == Mode::Browse) {
        openSearch(this, m_units->recordset(), forms::unitSearch());
        return;
    }
    simpan();
}

bool frmUnit::simpan()
{
    if (!storePending())
        return false;
    m_ui->DataGrid1->viewport()->update();
    setMode(Mode::Browse);
    return true;
}

bool frmUnit::storePending()
{
    data::RecordSet* units = m_units->recordset();
    if (!units->hasCurrent())
        return true;
    int moving = 0;
    const QString from = units->fieldAsRead(QStringLiteral("Kode_Unit")).toString();
    const QString to = units->field(QStringLiteral("Kode_Unit")).toString();
    if (!units->isNewRow() && to != from) {
        if (!guarded(this, [&] { moving = data::placementsOfUnit(units->database(), from); }))
            return false;
        if (moving > 0 &&
            msgBox(QStringLiteral("Kode unit %1 diganti menjadi %2. %3 penempatan unit ini ikut "
                                  "pindah ke kode baru. Lanjutkan?")
                       .arg(from, to)
                       .arg(moving),
                   QStringLiteral("Pesan"), Icon::Question, Buttons::YesNo, this) != Answer::Yes)
            return false;
    }
    // A refused save keeps the entry as typed so the user can correct it and save again.
    return forms::saveWithCare(this, {units}, [&] { store(from, moving); }) != forms::Saved::Kept;
}

void frmUnit::store(const QString& from, int movingPlacements)
{
    data::RecordSet* units = m_units->recordset();
    if (movingPlacements == 0) {
        units->update();
        return;
    }
    const QString to = units->field(QStringLiteral("Kode_Unit")).toString();
    qint64 rowid = -1;
    data::inTransaction(
        units->database(),
        [&](QSqlDatabase& db) {
            rowid = units->writeCurrent(db);
            data::movePlacements(db, from, to);
        },
        [&] { units->acceptWrite(rowid); });
}

bool frmUnit::mayClose()
{
    return m_mode == Mode::Browse || askToSave([this] { return simpan(); });
}

void frmUnit::cmdHapus_Click()
{
    if (!hasUnit(QStringLiteral("Tidak ada data unit yang dapat dihapus.")))
        return;
    data::RecordSet* units = m_units->recordset();
    const QString code = units->field(QStringLiteral("Kode_Unit")).toString();
    const QString unit = code + QStringLiteral(" - ") +
                         units->field(QStringLiteral("Unit")).toString();
    int placed = 0;
    if (!guarded(this, [&] { placed = data::placementsOfUnit(units->database(), code); }))
        return;
    // Placements of a deleted unit drop off the board, the letters and the certificates.
    const bool sure = placed > 0
                          ? msgBox(QStringLiteral(
                                       "Unit %1 masih dipakai %2 penempatan; penempatan itu tidak "
                                       "akan tampil lagi di papan, surat dan sertifikat.\nTetap "
                                       "hapus?")
                                       .arg(unit)
                                       .arg(placed),
                                   QStringLiteral("Peringatan"), Icon::Question, Buttons::YesNo,
                                   this, Answer::No) == Answer::Yes
                          : msgBox(QStringLiteral("Anda yakin akan menghapus.\n") + unit,
                                   QStringLiteral("Peringatan"), Icon::Question, Buttons::OkCancel,
                                   this) == Answer::Ok;
    if (!sure)
        return;
    if (forms::deleteWithCare(this, units, [units] { units->deleteCurrent(); }))
        guarded(this, [units] { units->moveFirst(); });
}

void frmUnit::cmdKeluar_Click() { unload(); }

bool frmUnit::txtKodeUnit_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    m_ui->txtNamaUnit->setFocus();
    return true;
}

bool frmUnit::txtNamaUnit_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    m_ui->cmd2->setFocus();
    return true;
}
