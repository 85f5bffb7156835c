#include "forms/frmStatistik.h"
#include "preview/preview.h"
#include "reports/reportdata.h"
#include "shell/frmMenu.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using StatistikWindow = ReportTest;

// Today is 15 March 2005.
TEST_F(StatistikWindow, TheYearArrowsCountTheYearShownInTablesChartsAndPrint)
{
    addStatistikSample();
    showMainWindow();
    auto* menu = platform::loaded<frmMenu>();
    menu->findChild<QAction*>("mnuStatistik")->trigger();
    auto* form = platform::loaded<frmStatistik>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->parentWidget(), menu);
    EXPECT_EQ(form->windowTitle(), "Statistik Tahunan");

    auto* year = form->findChild<QSpinBox*>("txtTahun");
    auto* months = form->findChild<QTableWidget*>("grdBulan");
    auto* note = form->findChild<QLabel*>("lblCatatan");
    auto bar = [form](int month) {
        QChart* chart = form->findChild<QChartView*>("chtBulan")->chart();
        return qobject_cast<QBarSeries*>(chart->series().value(0))->barSets().value(0)->at(month);
    };
    EXPECT_EQ(year->value(), 2005);
    EXPECT_EQ(months->item(2, 1)->text(), "2");
    EXPECT_EQ(months->item(12, 1)->text(), "4") << "the total under the twelve months";
    EXPECT_EQ(bar(2), 2);
    EXPECT_FALSE(note->isHidden()) << "the unreadable period is said";

    QTest::keyClick(year, Qt::Key_Up);
    EXPECT_EQ(year->value(), 2006);
    EXPECT_EQ(months->item(0, 1)->text(), "1");
    EXPECT_EQ(months->item(2, 1)->text(), "0");
    EXPECT_EQ(bar(0), 1);
    EXPECT_TRUE(note->isHidden());

    form->findChild<QPushButton*>("cmdCetak")->click();
    auto* preview = qobject_cast<reports::ReportPreview*>(
        platform::Windows::find(QStringLiteral("drStatistik")));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->document().selection, "Tahun 2006");

    QTest::keyClick(year, Qt::Key_Down);
    EXPECT_EQ(months->item(2, 1)->text(), "2");
}
