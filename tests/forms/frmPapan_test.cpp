#include "data/changefeed.h"
#include "forms/frmDaftarPenempatan.h"
#include "forms/frmPapan.h"
#include "shell/frmMenu.h"
#include "support/fixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

class BoardTest : public KursanTest {
protected:
    QTableWidget* grid() const { return board->findChild<QTableWidget*>("grdPapan"); }
    QString text(int row, int column) const { return grid()->item(row, column)->text(); }
    QBrush colour(int row, int column) const { return grid()->item(row, column)->background(); }
    QStringList listed() const
    {
        auto* list = platform::loaded<frmDaftarPenempatan>()->findChild<QTableWidget*>("grdDaftar");
        QStringList out;
        for (int r = 0; r < list->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c)
                cells << list->item(r, c)->text();
            out << cells.join('|');
        }
        return out;
    }

    frmPapan* board = nullptr;
};

// Today is 15 March 2005.
TEST_F(BoardTest, ShowsEachUnitsMonthsAgainstTheQuotaAndListsACellsTrainees)
{
    sql("INSERT INTO TUnit VALUES ('U01','Keuangan',''), ('U02','Gudang','')");
    for (int i = 0; i < 5; ++i)
        placeTrainee("U01", "01/03/2005s/d01/04/2005");
    const QString sixth = placeTrainee("U01", "20/04/2005s/d20/05/2005");
    const QString december = placeTrainee("U02", "15/12/2005s/d15/01/2006");
    placeTrainee("U02", "01/03/2005s/d01/04/2005", "Tidak");
    const QString unread = placeTrainee("U02", "s/d");

    showMainWindow();
    auto* menu = platform::loaded<frmMenu>();
    menu->findChild<QAction*>("mnuPapan")->trigger();
    board = platform::loaded<frmPapan>();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->parentWidget(), menu);
    menu->findChild<QAction*>("mnuPapan")->trigger();
    EXPECT_EQ(platform::loaded<frmPapan>(), board);
    EXPECT_EQ(board->windowTitle(), "Papan Penempatan");

    auto* year = board->findChild<QSpinBox*>("txtTahun");
    EXPECT_EQ(year->value(), 2005);
    ASSERT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(grid()->verticalHeaderItem(0)->text(), "Keuangan");
    EXPECT_EQ(grid()->verticalHeaderItem(1)->text(), "Gudang");
    // March and April of Keuangan at and above the quota, May under it.
    EXPECT_EQ(QStringList({text(0, 1), text(0, 2), text(0, 3), text(0, 4), text(0, 5)}),
              QStringList({"", "5", "6", "1", ""}));
    const QColor amber = colour(0, 2).color(), red = colour(0, 3).color();
    EXPECT_TRUE(amber.hue() >= 30 && amber.hue() <= 50) << amber.name().toStdString();
    EXPECT_TRUE(red.hue() <= 10 || red.hue() >= 350) << red.name().toStdString();
    EXPECT_EQ(colour(0, 4).style(), Qt::NoBrush);
    EXPECT_EQ(text(1, 11), "1");
    EXPECT_EQ(text(0, frmPapan::RoomColumn), "Mei 2005");
    EXPECT_EQ(text(1, frmPapan::RoomColumn), "Maret 2005");
    auto* unreadable = board->findChild<QLabel*>("lblTakTerbaca");
    EXPECT_TRUE(unreadable->isVisible());
    EXPECT_EQ(unreadable->text(), "1 penempatan dengan tanggal tidak terbaca");

    // The arrows move a year; December's placement goes on into January.
    QTest::keyClick(year, Qt::Key_Up);
    EXPECT_EQ(year->value(), 2006);
    EXPECT_EQ(text(1, 0), "1");
    EXPECT_EQ(text(0, 2), "");
    EXPECT_EQ(colour(0, 2).style(), Qt::NoBrush);
    QTest::keyClick(year, Qt::Key_Down);

    // Double-click lists the cell's trainees; Enter on another cell replaces the list.
    const QPoint april = grid()->visualItemRect(grid()->item(0, 3)).center();
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, april);
    EXPECT_EQ(platform::loaded<frmDaftarPenempatan>(), nullptr) << "a click only selects";
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, april);
    auto* list = platform::loaded<frmDaftarPenempatan>();
    ASSERT_NE(list, nullptr);
    // Over the board, as near its middle as the frame, known only once shown, allows.
    EXPECT_LE((list->frameGeometry().center() - board->frameGeometry().center()).manhattanLength(),
              8);
    EXPECT_EQ(list->windowTitle(), "Keuangan, April 2005");
    EXPECT_EQ(listed().size(), 6);
    EXPECT_EQ(listed().last(),
              QStringLiteral("Kursan %1|UGM|20/04/2005s/d20/05/2005|B/%1/PKL").arg(sixth));
    grid()->setCurrentCell(1, 11);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(platform::loaded<frmDaftarPenempatan>(), list);
    EXPECT_EQ(
        listed(),
        QStringList(
            {QStringLiteral("Kursan %1|UGM|15/12/2005s/d15/01/2006|B/%1/PKL").arg(december)}));

    // The placement that cannot be counted can be listed; "Perbarui" reads them all afresh.
    board->findChild<QPushButton*>("cmdTakTerbaca")->click();
    EXPECT_EQ(listed(), QStringList({QStringLiteral("Kursan %1|UGM|s/d|B/%1/PKL").arg(unread)}));
    placeTrainee("U02", "01/12/2005s/d31/12/2005");
    board->findChild<QPushButton*>("cmdPerbarui")->click();
    EXPECT_EQ(text(1, 11), "2");
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(grid()->currentColumn(), 11);

    // Escape closes the list, and only the list.
    QTest::keyClick(platform::loaded<frmDaftarPenempatan>()->findChild<QTableWidget*>(),
                    Qt::Key_Escape);
    settle();
    EXPECT_EQ(platform::loaded<frmDaftarPenempatan>(), nullptr);
    EXPECT_EQ(platform::loaded<frmPapan>(), board);
}

// Another desk's saves come in as the board stands: the chosen cell and its open list follow,
// the cell's colour shows through the selection, and a long unit name crowds nothing out.
TEST_F(BoardTest, FollowsSavesElsewhereKeepingTheChosenCellAndItsList)
{
    sql("INSERT INTO TUnit VALUES ('U01', ?, '')", {QString(50, 'W')});
    for (int i = 0; i < 4; ++i)
        placeTrainee("U01", "01/03/2005s/d01/04/2005");
    board = platform::window<frmPapan>();
    board->show();
    grid()->setCurrentCell(0, 2);
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_EQ(listed().size(), 4);

    const QString fifth = placeTrainee("U01", "10/03/2005s/d10/04/2005");
    data::ChangeFeed::instance().check();
    EXPECT_EQ(text(0, 2), "5");
    EXPECT_EQ(listed().size(), 5);
    EXPECT_EQ(grid()->currentRow(), 0);
    EXPECT_EQ(grid()->currentColumn(), 2);
    const QImage shown = grid()->viewport()->grab().toImage();
    const QPoint middle = grid()->visualItemRect(grid()->item(0, 2)).center();
    EXPECT_EQ(shown.pixelColor(middle), colour(0, 2).color()) << "the amber shows when chosen";
    EXPECT_LE(grid()->columnViewportPosition(frmPapan::RoomColumn) +
                  grid()->columnWidth(frmPapan::RoomColumn),
              grid()->viewport()->width());

    sql("UPDATE TSurat SET Jawaban = 'Tidak' WHERE Ns = ?", {"B/" + fifth + "/PKL"});
    data::ChangeFeed::instance().check();
    EXPECT_EQ(text(0, 2), "4");
    EXPECT_EQ(listed().size(), 4);
}

} // namespace
