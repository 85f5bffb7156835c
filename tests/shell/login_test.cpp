#include "platform/windows.h"
#include "shell/frmMenu.h"
#include "shell/frmPassword.h"
#include "support/fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class LoginTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        login = platform::window<frmPassword>();
        login->show();
        QApplication::setActiveWindow(login);
        name = login->findChild<QLineEdit*>("Text1");
        password = login->findChild<QLineEdit*>("Text2");
        ok = login->findChild<QPushButton*>("Command1");
    }

    void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

    frmPassword* login = nullptr;
    QLineEdit* name = nullptr;
    QLineEdit* password = nullptr;
    QPushButton* ok = nullptr;
};

TEST_F(LoginTest, WindowAsLaidOut)
{
    EXPECT_EQ(login->windowTitle(), "Login.");
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    password->setText("abc");
    EXPECT_EQ(password->displayText(), "***");
    password->clear();
    EXPECT_FALSE(login->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(login->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(QApplication::focusWidget(), name);
    // Tab goes in reading order: name, password, then the buttons.
    QStringList walk;
    for (int i = 0; i < 4; ++i) {
        walk << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walk, QStringList({"Text1", "Text2", "Command1", "Command2"}));
}

TEST_F(LoginTest, WrongNameIsRejectedWhateverThePassword)
{
    for (const QString& wrong :
         {QString(), QString("velkor"), QString(" VELKOR"), QString("VELKOR "), QString("VELKO")}) {
        name->setText(wrong);
        password->setText("VELKOR");
        boxes.expect("Nama salah!!");
        ok->click();
        EXPECT_EQ(name->text(), "");
        EXPECT_EQ(password->text(), "VELKOR");
        EXPECT_EQ(QApplication::focusWidget(), name);
    }
    EXPECT_EQ(boxes.shown().back().title, "Pesan");
    EXPECT_EQ(boxes.shown().back().icon, platform::Icon::Information);
    EXPECT_EQ(platform::loaded<frmMenu>(), nullptr);
}

TEST_F(LoginTest, WrongPasswordEmptiesOnlyThePassword)
{
    for (const QString& wrong : {QString(), QString("velkor"), QString("VELKOR ")}) {
        name->setText("VELKOR");
        password->setText(wrong);
        boxes.expect("Password salah");
        ok->click();
        EXPECT_EQ(name->text(), "VELKOR");
        EXPECT_EQ(password->text(), "");
        EXPECT_EQ(QApplication::focusWidget(), password);
    }
}

TEST_F(LoginTest, EnterWalksNameToPasswordThenLogsIn)
{
    type(name, "VELKOR");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), password);
    EXPECT_EQ(name->text(), "VELKOR");
    QTest::keyClicks(password, "VELKOR");
    QPointer<frmPassword> gone(login);
    QTest::keyClick(password, Qt::Key_Return);
    settle();
    EXPECT_TRUE(gone.isNull());
    frmMenu* menu = platform::loaded<frmMenu>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(menu->isModal());
}

TEST_F(LoginTest, CancelEndsTheProgram)
{
    login->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(m_ended, 1);
}

TEST_F(LoginTest, CloseBoxEndsTheProgram)
{
    login->close();
    EXPECT_EQ(m_ended, 1);
}

} // namespace
