#include "forms/frmUnit.h"

#include "data/datacontrol.h"
#include "forms/frmCari.h"
#include "platform/binding.h"
#include "platform/guard.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "ui_frmUnit.h"

using namespace platform;

frmUnit::frmUnit(QWidget* owner)
    : Form(owner, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmUnit>())
{
    ui->setupUi(this);
    setFixedSize(size());
    QFont title = ui->Label1->font();
    title.setPointSizeF(13.5);
    title.setBold(true);
    ui->Label1->setFont(title);

    Adodc1 = new data::DataControl(this, QStringLiteral("Adodc1"), QStringLiteral("TUnit"));
    bindText(ui->txtKodeUnit, Adodc1->recordset(), QStringLiteral("Kode_Unit"));
    bindText(ui->txtNamaUnit, Adodc1->recordset(), QStringLiteral("Unit"));
    bindGrid(ui->DataGrid1, Adodc1->recordset(),
             {QStringLiteral("Kode_Unit"), QStringLiteral("Unit"), QStringLiteral("No_Telp")});
    enterPressesButtons(this);

    connect(ui->cmdTambah, &QPushButton::clicked, this, &frmUnit::cmdTambah_Click);
    connect(ui->cmd1, &QPushButton::clicked, this, &frmUnit::cmd1_Click);
    connect(ui->cmd2, &QPushButton::clicked, this, &frmUnit::cmd2_Click);
    connect(ui->cmdHapus, &QPushButton::clicked, this, &frmUnit::cmdHapus_Click);
    connect(ui->cmdKeluar, &QPushButton::clicked, this, &frmUnit::cmdKeluar_Click);
    onKeyPress(ui->txtKodeUnit, [this](int key) { return txtKodeUnit_KeyPress(key); });
    onKeyPress(ui->txtNamaUnit, [this](int key) { return txtNamaUnit_KeyPress(key); });

    tutupkunci();
    ui->cmd1->setText(QStringLiteral("Edit"));
    ui->cmd2->setText(QStringLiteral("Cari"));
    centre();
}

frmUnit::~frmUnit() = default;

void frmUnit::tutupkunci()
{
    ui->txtKodeUnit->setReadOnly(true);
    ui->txtNamaUnit->setReadOnly(true);
}

void frmUnit::bukakunci()
{
    ui->txtKodeUnit->setReadOnly(false);
    ui->txtNamaUnit->setReadOnly(false);
}

void frmUnit::setBrowsing(bool browsing)
{
    ui->cmdTambah->setEnabled(browsing);
    ui->cmd1->setEnabled(browsing);
    ui->cmd2->setText(browsing ? QStringLiteral("Cari") : QStringLiteral("Simpan"));
    ui->cmdHapus->setEnabled(browsing);
    ui->cmdKeluar->setEnabled(browsing);
}

bool frmUnit::hasUnit(const QString& refusal)
{
    if (Adodc1->recordset()->hasCurrent())
        return true;
    msgBox(refusal, QStringLiteral("Pesan"), Icon::Information, Buttons::Ok, this);
    return false;
}

void frmUnit::cmdTambah_Click()
{
    if (!guarded(this, [this] { Adodc1->recordset()->addNew(); }))
        return;
    bukakunci();
    ui->txtKodeUnit->setFocus();
    ui->txtKodeUnit->setText(QStringLiteral("0"));
    ui->txtKodeUnit->selectAll(); // the code the user types replaces the "0"
    setBrowsing(false);
}

void frmUnit::cmd1_Click()
{
    if (!hasUnit(QStringLiteral("Tidak ada data unit yang dapat diedit.")))
        return;
    bukakunci();
    setBrowsing(false);
}

void frmUnit::cmd2_Click()
{
    if (ui->cmd2->text() != QLatin1String("Simpan")) {
        openSearch(this, Adodc1->recordset(), forms::unitSearch());
        return;
    }
    simpan();
}

bool frmUnit::simpan()
{
    // A refused save keeps the entry as typed so the user can correct it and save again.
    if (!guarded(this, [this] { Adodc1->recordset()->update(); }))
        return false;
    tutupkunci();
    ui->DataGrid1->viewport()->update();
    setBrowsing(true);
    return true;
}

bool frmUnit::mayClose()
{
    return ui->cmd2->text() != QLatin1String("Simpan") || askToSave([this] { return simpan(); });
}

void frmUnit::cmdHapus_Click()
{
    if (!hasUnit(QStringLiteral("Tidak ada data unit yang dapat dihapus.")))
        return;
    data::RecordSet* units = Adodc1->recordset();
    const QString unit = units->field(QStringLiteral("Kode_Unit")).toString() +
                         QStringLiteral(" - ") + units->field(QStringLiteral("Unit")).toString();
    if (msgBox(QStringLiteral("Anda yakin akan menghapus.\n") + unit, QStringLiteral("Peringatan"),
               Icon::Question, Buttons::OkCancel, this) != Answer::Ok)
        return;
    guarded(this, [this] {
        Adodc1->recordset()->deleteCurrent();
        Adodc1->recordset()->moveFirst();
    });
}

void frmUnit::cmdKeluar_Click() { unload(); }

bool frmUnit::txtKodeUnit_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    ui->txtNamaUnit->setFocus();
    return true;
}

bool frmUnit::txtNamaUnit_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    ui->cmd2->setFocus();
    return true;
}
