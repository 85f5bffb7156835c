#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using platform::Answer;

// Enter answers what the caller chose, not always the first button.
TEST(MsgBox, EnterPressesTheChosenButton)
{
    QString pressed;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        pressed = box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(platform::msgBox("Tetap simpan?", "Kuota Unit", platform::Icon::Question,
                               platform::Buttons::YesNo, nullptr, Answer::No),
              Answer::No);
    EXPECT_EQ(pressed, "&Tidak");
}
