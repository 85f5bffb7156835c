#include "preview/frmCetak.h"

#include "platform/combolock.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "preview/saveexcel.h"
#include "preview/show.h"
#include "ui_frmCetak.h"

frmCetak::frmCetak(QWidget* owner)
    : Form(owner, Qt::MSWindowsFixedSizeDialogHint | platform::CloseBoxOnly),
      m_ui(std::make_unique<Ui::frmCetak>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    platform::enterPressesButtons(this);
    platform::handle(m_ui->Command1, &QPushButton::clicked, this, &frmCetak::Command1_Click);
    platform::handle(m_ui->Command2, &QPushButton::clicked, this, &frmCetak::Command2_Click);
    platform::handle(m_ui->Command3, &QPushButton::clicked, this, &frmCetak::Command3_Click);
    Form_Load();
    m_ui->Combo1->setFocus();
    centre();
}

frmCetak::~frmCetak() = default;

void frmCetak::Form_Load()
{
    m_ui->Combo1->addItem(QStringLiteral("Data Kursan"));
    m_ui->Combo1->addItem(QStringLiteral("Data Unit"));
    platform::showHint(m_ui->Combo1, QStringLiteral("-----Pilih Cetak------"));
}

QString frmCetak::chosenList() const
{
    const QString text = m_ui->Combo1->currentText();
    if (text == QLatin1String("Data Kursan"))
        return QStringLiteral("drKursan");
    if (text == QLatin1String("Data Unit"))
        return QStringLiteral("drUnit");
    return {};
}

void frmCetak::Command1_Click()
{
    // The previews belong to the main window, so they stay open after the chooser closes.
    const QString list = chosenList();
    if (!list.isEmpty())
        reports::show(list, parentWidget());
    else
        platform::msgBox(QStringLiteral("Anda belum memilih data yang akan dicetak."),
                         QStringLiteral("Pesan"), platform::Icon::Critical, platform::Buttons::Ok,
                         this);
}

void frmCetak::Command2_Click() { unload(); }

void frmCetak::Command3_Click()
{
    const QString list = chosenList();
    if (!list.isEmpty())
        reports::saveExcel(list, this);
    else
        platform::msgBox(QStringLiteral("Anda belum memilih data yang akan diekspor."),
                         QStringLiteral("Pesan"), platform::Icon::Critical, platform::Buttons::Ok,
                         this);
}
