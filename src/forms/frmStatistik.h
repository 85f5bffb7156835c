#pragma once

#include "platform/windows.h"
#include "rules/statistik.h"

#include <memory>

namespace Ui {
class frmStatistik;
}

class QChartView;
class QTableWidget;

// The yearly statistics: for the year in its box, the granted placements that started then by
// month, unit, institution and purpose, and the replies to the letters numbered then, each as
// a chart beside its table. Printed, saved as PDF or exported to Excel as shown.
class frmStatistik : public platform::Form {
    Q_OBJECT
public:
    explicit frmStatistik(QWidget* owner = nullptr);
    ~frmStatistik() override;

    const statistik::Year& shown() const { return m_year; }

private:
    // The year box: its counts read afresh.
    void txtTahun_Change();
    void cmdCetak_Click();
    void cmdSimpanPDF_Click();
    void cmdEkspor_Click();
    void cmdKeluar_Click();
    void count();
    void showTable(const statistik::Table& table, QTableWidget* grid);
    // The months stand as columns, units and institutions lie as bars, purposes and replies
    // share a pie.
    enum class Chart { Columns, Bars, Pie };
    void showChart(const statistik::Table& table, QChartView* view, Chart kind) const;
    // The file the clerk chooses for the year's statistics; empty when cancelled.
    QString askFile(const QString& title, const QString& filter, const QString& suffix);

    std::unique_ptr<Ui::frmStatistik> m_ui;
    statistik::Year m_year;
};
