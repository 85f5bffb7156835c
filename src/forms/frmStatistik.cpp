#include "forms/frmStatistik.h"

#include "data/clock.h"
#include "data/statistik.h"
#include "platform/filechooser.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "preview/show.h"
#include "reports/engine/pdffile.h"
#include "reports/statistik.h"
#include "rules/calendar.h"
#include "ui_frmStatistik.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QPieSeries>
#include <QValueAxis>

using namespace platform;
using statistik::Table;

namespace {
// A long unit name is shortened on the chart's axis; the table beside it shows it whole.
constexpr int AxisNameLength = 28;
// Pixels of the unit chart per unit.
constexpr int UnitBarHeight = 30;

QString axisName(const QString& name)
{
    return name.size() <= AxisNameLength ? name : name.left(AxisNameLength - 1) + QChar(0x2026);
}

QTableWidgetItem* cell(const QString& text, bool number, bool bold = false)
{
    auto* item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

// Whole numbers on the count axis: a step of 1, 2 or 5 times a power of ten, ten steps at most.
int axisStep(int largest)
{
    for (int power = 1;; power *= 10)
        for (int factor : {1, 2, 5})
            if (largest <= 10 * factor * power)
                return factor * power;
}
} // namespace

// A large window, which the clerk may want to maximise.
frmStatistik::frmStatistik(QWidget* owner)
    : Form(owner, Qt::WindowMinMaxButtonsHint), m_ui(std::make_unique<Ui::frmStatistik>())
{
    m_ui->setupUi(this);
    for (QChartView* view :
         {m_ui->chtBulan, m_ui->chtUnit, m_ui->chtInstansi, m_ui->chtTujuan, m_ui->chtJawaban})
        view->setRenderHint(QPainter::Antialiasing);
    m_ui->txtTahun->setValue(data::today().year());
    handle(m_ui->txtTahun, &QSpinBox::valueChanged, this, &frmStatistik::txtTahun_Change);
    handle(m_ui->cmdCetak, &QPushButton::clicked, this, &frmStatistik::cmdCetak_Click);
    handle(m_ui->cmdSimpanPDF, &QPushButton::clicked, this, &frmStatistik::cmdSimpanPDF_Click);
    handle(m_ui->cmdEkspor, &QPushButton::clicked, this, &frmStatistik::cmdEkspor_Click);
    handle(m_ui->cmdKeluar, &QPushButton::clicked, this, &frmStatistik::cmdKeluar_Click);
    enterPressesButtons(this);
    count();
    centre();
}

frmStatistik::~frmStatistik() = default;

void frmStatistik::count()
{
    m_year = data::readStatistik(m_ui->txtTahun->value());
    showTable(m_year.months, m_ui->grdBulan);
    showTable(m_year.units, m_ui->grdUnit);
    showTable(m_year.institutions, m_ui->grdInstansi);
    showTable(m_year.purposes, m_ui->grdTujuan);
    showTable(m_year.replies, m_ui->grdJawaban);
    showChart(m_year.months, m_ui->chtBulan, Chart::Columns);
    showChart(m_year.units, m_ui->chtUnit, Chart::Bars);
    // Every unit keeps a readable bar: a long list scrolls.
    m_ui->chtUnit->setMinimumHeight(int(m_year.units.lines.size()) * UnitBarHeight + 120);
    showChart(m_year.institutions, m_ui->chtInstansi, Chart::Bars);
    showChart(m_year.purposes, m_ui->chtTujuan, Chart::Pie);
    showChart(m_year.replies, m_ui->chtJawaban, Chart::Pie);
    m_ui->lblRingkasan->setText(QStringLiteral("%1 Kursan tahun %2; %3 surat bernomor tahun itu.")
                                    .arg(m_year.units.total())
                                    .arg(m_year.year)
                                    .arg(m_year.replies.total()));
    m_ui->lblCatatan->setText(m_year.note());
    m_ui->lblCatatan->setVisible(!m_year.note().isEmpty());
}

void frmStatistik::showTable(const Table& table, QTableWidget* grid)
{
    const int total = table.total();
    grid->clear();
    grid->setColumnCount(3);
    grid->setHorizontalHeaderLabels({table.heading, table.counted, QStringLiteral("%")});
    grid->setRowCount(int(table.lines.size()) + 1);
    int row = 0;
    for (const statistik::Line& line : table.lines) {
        grid->setItem(row, 0, cell(line.name, false));
        grid->setItem(row, 1, cell(QString::number(line.count), true));
        grid->setItem(row++, 2, cell(table.share(line.count), true));
    }
    grid->setItem(row, 0, cell(QStringLiteral("Jumlah"), false, true));
    grid->setItem(row, 1, cell(QString::number(total), true, true));
    grid->setItem(row, 2, cell(total ? QStringLiteral("100%") : QString(), true, true));
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid->resizeColumnToContents(1);
    grid->resizeColumnToContents(2);
}

void frmStatistik::showChart(const Table& table, QChartView* view, Chart kind) const
{
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("%1 (%2)").arg(table.title).arg(m_year.year));
    chart->setAnimationOptions(QChart::NoAnimation);
    const bool horizontal = kind == Chart::Bars;
    if (kind == Chart::Pie) {
        auto* series = new QPieSeries;
        for (const statistik::Line& line : table.lines)
            if (line.count > 0)
                series->append(QStringLiteral("%1: %2").arg(line.name).arg(line.count), line.count);
        series->setLabelsVisible(true);
        chart->addSeries(series);
        chart->legend()->setAlignment(Qt::AlignBottom);
    } else {
        auto* set = new QBarSet(table.counted);
        QStringList names;
        // A horizontal chart stacks its first bar at the bottom: the longest goes on top.
        std::vector<statistik::Line> lines = table.lines;
        if (horizontal)
            std::reverse(lines.begin(), lines.end());
        for (const statistik::Line& line : lines) {
            *set << line.count;
            // Twelve columns take the months' short names.
            names << (kind == Chart::Columns ? calendar::shortMonthNames().value(int(names.size()))
                                             : axisName(line.name));
        }
        QAbstractBarSeries* series = horizontal ? static_cast<QAbstractBarSeries*>(
                                                      new QHorizontalBarSeries)
                                                : new QBarSeries;
        series->append(set);
        series->setLabelsVisible(true);
        chart->addSeries(series);
        auto* categories = new QBarCategoryAxis;
        categories->append(names);
        auto* values = new QValueAxis;
        const int step = axisStep(table.largest());
        values->setRange(0, std::max(1, (table.largest() + step - 1) / step) * step);
        values->setTickType(QValueAxis::TicksDynamic);
        values->setTickAnchor(0);
        values->setTickInterval(step);
        values->setLabelFormat(QStringLiteral("%d"));
        chart->addAxis(categories, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
        chart->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
        series->attachAxis(categories);
        series->attachAxis(values);
        chart->legend()->hide();
    }
    QChart* before = view->chart();
    view->setChart(chart);
    delete before;
}

void frmStatistik::txtTahun_Change() { count(); }

void frmStatistik::cmdCetak_Click()
{
    reports::showDocument(reports::statistikReport(m_year), parentWidget());
}

QString frmStatistik::askFile(const QString& title, const QString& filter, const QString& suffix)
{
    const QString name = QStringLiteral("Statistik-Tahunan-%1.%2").arg(m_year.year).arg(suffix);
    return askFileName({FileAction::Save, title, QDir::home().filePath(name), filter, suffix},
                       this);
}

void frmStatistik::cmdSimpanPDF_Click()
{
    const QString title = QStringLiteral("Simpan PDF");
    const QString path = askFile(title, QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString why;
    const QString where = QDir::toNativeSeparators(path);
    if (reports::writePdf(reports::statistikReport(m_year), path, {}, &why))
        msgBox(QStringLiteral("Berkas PDF disimpan di %1.").arg(where), title, Icon::Information,
               Buttons::Ok, this);
    else
        msgBox(QStringLiteral("Berkas PDF %1 tidak dapat ditulis: %2").arg(where, why), title,
               Icon::Critical, Buttons::Ok, this);
}

void frmStatistik::cmdEkspor_Click()
{
    const QString title = QStringLiteral("Ekspor Excel");
    const QString path = askFile(title, QStringLiteral("Buku kerja Excel (*.xlsx)"),
                                 QStringLiteral("xlsx"));
    if (path.isEmpty())
        return;
    reports::writeStatistikWorkbook(m_year, path); // a failure is told by the handler's guard
    msgBox(QStringLiteral("Statistik Tahunan %1 disimpan ke %2.")
               .arg(m_year.year)
               .arg(QDir::toNativeSeparators(path)),
           title, Icon::Information, Buttons::Ok, this);
}

void frmStatistik::cmdKeluar_Click() { unload(); }
