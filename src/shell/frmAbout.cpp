#include "shell/frmAbout.h"

#include "platform/handlers.h"
#include "platform/keys.h"
#include "shell/picture.h"
#include "ui_frmAbout.h"

frmAbout::frmAbout(QWidget* owner)
    : Form(owner, Qt::FramelessWindowHint | Qt::Tool), m_ui(std::make_unique<Ui::frmAbout>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    m_ui->Image1->setPixmap(shell::picture(73, 193));
    m_ui->Command1->setFocus();
    platform::enterPressesButtons(this);
    platform::handle(m_ui->Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
    centre();
}

frmAbout::~frmAbout() = default;

void frmAbout::Command1_Click() { unload(); }
