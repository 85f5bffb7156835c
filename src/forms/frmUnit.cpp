#include "forms/frmUnit.h"

#include "data/datacontrol.h"
#include "forms/frmCari.h"
#include "platform/binding.h"
#include "platform/guard.h"
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
    bindGrid(m_ui->DataGrid1, m_units->recordset(),
             {QStringLiteral("Kode_Unit"), QStringLiteral("Unit"), QStringLiteral("No_Telp")});
    enterPressesButtons(this);

    connect(m_ui->cmdTambah, &QPushButton::clicked, this, &frmUnit::cmdTambah_Click);
    connect(m_ui->cmd1, &QPushButton::clicked, this, &frmUnit::cmd1_Click);
    connect(m_ui->cmd2, &QPushButton::clicked, this, &frmUnit::cmd2_Click);
    connect(m_ui->cmdHapus, &QPushButton::clicked, this, &frmUnit::cmdHapus_Click);
    connect(m_ui->cmdKeluar, &QPushButton::clicked, this, &frmUnit::cmdKeluar_Click);
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
    // A refused save keeps the entry as typed so the user can correct it and save again.
    if (!guarded(this, [this] { m_units->recordset()->update(); }))
        return false;
    m_ui->DataGrid1->viewport()->update();
    setMode(Mode::Browse);
    return true;
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
    const QString unit = units->field(QStringLiteral("Kode_Unit")).toString() +
                         QStringLiteral(" - ") + units->field(QStringLiteral("Unit")).toString();
    if (msgBox(QStringLiteral("Anda yakin akan menghapus.\n") + unit, QStringLiteral("Peringatan"),
               Icon::Question, Buttons::OkCancel, this) != Answer::Ok)
        return;
    guarded(this, [this] {
        m_units->recordset()->deleteCurrent();
        m_units->recordset()->moveFirst();
    });
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
