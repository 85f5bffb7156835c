#include "data/datacontrol.h"
#include "platform/binding.h"
#include "platform/keys.h"
#include "support/fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolTip>

namespace {

class BindingTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        sql("INSERT INTO TUnit VALUES ('U1', 'Keuangan', '111'), ('U2', 'Gudang', '222')");
        units = std::make_unique<data::DataControl>(nullptr, "Adodc1", "TUnit");
        window = new QWidget; // the fixture closes every window after the test
        window->resize(400, 300);
        code = new QLineEdit(window);
        grid = new QTableView(window);
        grid->setGeometry(0, 40, 400, 200);
        platform::bindText(code, units->recordset(), "Kode_Unit");
        platform::bindGrid(grid, units->recordset(), {"Kode_Unit", "Unit"});
        window->show();
    }

    std::unique_ptr<data::DataControl> units;
    QWidget* window = nullptr;
    QLineEdit* code = nullptr;
    QTableView* grid = nullptr;
};

TEST_F(BindingTest, BoxFollowsTheCurrentRowAndTypingWritesTheField)
{
    EXPECT_EQ(code->text(), "U1");
    units->recordset()->moveNext();
    EXPECT_EQ(code->text(), "U2");

    code->clear();
    QTest::keyClicks(code, "G2");
    EXPECT_EQ(units->recordset()->field(0).toString(), "G2");
    units->recordset()->moveFirst(); // leaving the row stores what was typed
    EXPECT_EQ(rows("TUnit")[1], "G2|Gudang|222");
    EXPECT_EQ(code->text(), "U1");

    units->recordset()->addNew();
    EXPECT_EQ(code->text(), "");
}

TEST_F(BindingTest, ACharacterThatDoesNotFitTheLimitIsRefusedWhole)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
    auto typeEmoji = [&] {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, emoji);
        QApplication::sendEvent(code, &press);
    };
    code->setMaxLength(6);
    code->selectAll();
    QTest::keyClicks(code, "ABCDE");
    typeEmoji();
    EXPECT_EQ(units->recordset()->field(0).toString().toStdString(), "ABCDE");
    QTest::keyClick(code, Qt::Key_Backspace);
    typeEmoji();
    EXPECT_EQ(units->recordset()->field(0).toString(), "ABCD" + emoji);
    units->recordset()->update();
    EXPECT_EQ(rows("TUnit")[0].toStdString(), ("ABCD" + emoji + "|Keuangan|111").toStdString());
}

TEST_F(BindingTest, AStoredValueLongerThanTheBoxShowsWholeAndStaysWholeWhenMended)
{
    const QString stored = QString(40, 'W') + "Gedung 8"; // 48 characters, from a restored copy
    sql("UPDATE TUnit SET Unit = ? WHERE Kode_Unit = 'U1'", {stored});
    units->recordset()->refresh();
    auto* name = new QLineEdit(window);
    name->setMaxLength(15);
    platform::bindText(name, units->recordset(), "Unit");
    EXPECT_EQ(name->text(), stored);

    name->setFocus();
    name->end(false);
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, "9Z"); // the 9 mends the last letter; the Z does not fit
    EXPECT_EQ(name->text(), QString(40, 'W') + "Gedung 9");
    EXPECT_TRUE(QToolTip::text().contains("penuh")) << QToolTip::text().toStdString();
    units->recordset()->update();
    EXPECT_EQ(rows("TUnit")[0], "U1|" + QString(40, 'W') + "Gedung 9|111");

    // A paste into the emptied box: control characters and NUL dropped, cut at the limit.
    name->clear();
    name->insert(QString::fromUtf8("Gu\tdang\x01 Pusat") + QChar(0) + "Timur Laut");
    EXPECT_EQ(name->text(), "Gudang PusatTim");
}

TEST_F(BindingTest, GridShowsVisibleRowsAndClickingARowMakesItCurrent)
{
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->columnCount(), 2);
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Unit");
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), "Gudang");

    const QRect cell = grid->visualRect(grid->model()->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(units->recordset()->position(), 1);
    EXPECT_EQ(code->text(), "U2");

    units->recordset()->setFilter(data::Criterion::equals("Unit", "Keuangan"));
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->selectionModel()->selectedRows().value(0).row(), 0);
}

TEST(Keys, EnterIsReportedAs13AndConsumedOnlyWhenTheHandlerSaysSo)
{
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* button = new QPushButton("&Simpan", &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    QList<int> keys;
    platform::onKeyPress(box, [&](int key) {
        keys << key;
        return key == platform::KeyEnter;
    });
    platform::enterPressesButtons(&window);
    window.show();

    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(keys, QList<int>({'a', 'b', 13, 13}));
    EXPECT_EQ(box->text(), "ab");

    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

} // namespace
