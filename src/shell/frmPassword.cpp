#include "shell/frmPassword.h"

#include "platform/handlers.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "shell/credential.h"
#include "shell/frmMenu.h"
#include "shell/picture.h"
#include "ui_frmPassword.h"

#include <QCloseEvent>
#include <QProxyStyle>

using namespace platform;

namespace {
// The password shows every character as "*", whatever the desktop's own mask character is.
class StarMaskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};
} // namespace

frmPassword::frmPassword(QWidget* owner)
    : Form(owner, CloseBoxOnly), m_ui(std::make_unique<Ui::frmPassword>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    m_ui->Image1->setPixmap(shell::picture(m_ui->Image1->width(), m_ui->Image1->height()));
    auto* mask = new StarMaskStyle;
    mask->setParent(this);
    m_ui->Text2->setStyle(mask);
    m_ui->Text2->setAttribute(Qt::WA_InputMethodEnabled, false);
    enterPressesButtons(this);

    handle(m_ui->Command1, &QPushButton::clicked, this, &frmPassword::Command1_Click);
    handle(m_ui->Command2, &QPushButton::clicked, this, &frmPassword::Command2_Click);
    onKeyPress(m_ui->Text1, [this](int key) {
        if (key == KeyEnter)
            m_ui->Text2->setFocus();
        return false;
    });
    onKeyPress(m_ui->Text2, [this](int key) {
        if (key == KeyEnter) {
            Command1_Click();
            return true;
        }
        return false;
    });
    centre();
}

frmPassword::~frmPassword() = default;

bool frmPassword::event(QEvent* e)
{
    // The name box takes the focus when the window becomes active; the message boxes of a
    // failed attempt place the focus themselves, so only the first activation counts.
    if (e->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        m_ui->Text1->setFocus();
    }
    return Form::event(e);
}

void frmPassword::Command1_Click()
{
    if (!shell::isCredential(m_ui->Text1->text())) {
        msgBox(QStringLiteral("Nama salah!!"), QStringLiteral("Pesan"), Icon::Information,
               Buttons::Ok, this);
        m_ui->Text1->clear();
        m_ui->Text1->setFocus();
        return;
    }
    if (!shell::isCredential(m_ui->Text2->text())) {
        msgBox(QStringLiteral("Password salah"), QStringLiteral("Pesan"), Icon::Information,
               Buttons::Ok, this);
        m_ui->Text2->clear();
        m_ui->Text2->setFocus();
        return;
    }
    m_passed = true;
    // The main window is up before the login goes, so the program never has no window.
    showMainWindow();
    unload();
}

void frmPassword::Command2_Click()
{
    m_passed = true; // the program ends here; closing the window must not end it twice
    endProgram();
}

void frmPassword::closeEvent(QCloseEvent* event)
{
    Form::closeEvent(event);
    if (!m_passed)
        endProgram(); // closing the login before passing it ends the program
}
