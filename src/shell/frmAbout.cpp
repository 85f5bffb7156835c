#include "shell/frmAbout.h"

#include "platform/keys.h"
#include "ui_frmAbout.h"

#include <QLinearGradient>
#include <QPainter>

frmAbout::frmAbout(QWidget* owner)
    : Form(owner, Qt::FramelessWindowHint | Qt::Tool), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setFixedSize(size());
    setFont(QFont(font().family(), 8));
    QPixmap picture(73, 193);
    QPainter p(&picture);
    QLinearGradient g(0, 0, 0, picture.height());
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    g.setColorAt(1, QColor(0xbd, 0xd7, 0xee));
    p.fillRect(picture.rect(), g);
    p.end();
    ui->Image1->setPixmap(picture);
    ui->Command1->setFocus();
    platform::enterPressesButtons(this);
    connect(ui->Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
    centre();
}

frmAbout::~frmAbout() = default;

void frmAbout::Command1_Click() { unload(); }
