#include "forms/frmPapan.h"

#include "data/clock.h"
#include "data/placements.h"
#include "forms/frmDaftarPenempatan.h"
#include "platform/guard.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "rules/calendar.h"
#include "rules/occupancy.h"
#include "ui_frmPapan.h"

#include <QHeaderView>

using namespace platform;
using occupancy::Level;

namespace {
// The legend's colours: amber at the quota, red above it.
QColor colourOf(Level level)
{
    switch (level) {
    case Level::Full: return QColor(0xFF, 0xC0, 0x00);
    case Level::Over: return QColor(0xF0, 0x5A, 0x4F);
    case Level::Room: break;
    }
    return {};
}

QString legendStyle(Level level)
{
    return QStringLiteral("background: %1; color: black;").arg(colourOf(level).name());
}

int thisMonth() { return occupancy::monthKey(data::today().year(), data::today().month()); }

QString rowTitle(const occupancy::Board::Row& row)
{
    if (row.listed)
        return row.name;
    return row.code.isEmpty() ? QStringLiteral("(tanpa unit)")
                              : QStringLiteral("%1 (tidak ada di Data Unit)").arg(row.code);
}
} // namespace

// A large window, which the clerk may want to maximise.
frmPapan::frmPapan(QWidget* owner)
    : Form(owner, Qt::WindowMinMaxButtonsHint), m_ui(std::make_unique<Ui::frmPapan>())
{
    m_ui->setupUi(this);
    m_ui->lblPenuh->setStyleSheet(legendStyle(Level::Full));
    m_ui->lblLebih->setStyleSheet(legendStyle(Level::Over));
    QStringList heads = calendar::shortMonthNames();
    heads << QStringLiteral("Ada Tempat");
    m_ui->grdPapan->setColumnCount(int(heads.size()));
    m_ui->grdPapan->setHorizontalHeaderLabels(heads);
    m_ui->grdPapan->horizontalHeader()->setMinimumSectionSize(44); // months of one width
    m_ui->txtTahun->setValue(data::today().year());

    handle(m_ui->txtTahun, &QSpinBox::valueChanged, this, &frmPapan::txtTahun_Change);
    // A double-click, not whatever the style takes for activating a cell.
    handle(m_ui->grdPapan, &QTableWidget::doubleClicked, this, &frmPapan::grdPapan_Activate);
    onKeyPress(m_ui->grdPapan, [this](int key) {
        if (key != KeyEnter)
            return false;
        grdPapan_Activate(m_ui->grdPapan->currentIndex());
        return true;
    });
    handle(m_ui->cmdTakTerbaca, &QPushButton::clicked, this, &frmPapan::cmdTakTerbaca_Click);
    handle(m_ui->cmdPerbarui, &QPushButton::clicked, this, &frmPapan::cmdPerbarui_Click);
    handle(m_ui->cmdKeluar, &QPushButton::clicked, this, &frmPapan::cmdKeluar_Click);
    enterPressesButtons(this);

    load();
    m_ui->grdPapan->resizeColumnsToContents();
    centre();
}

frmPapan::~frmPapan() = default;

void frmPapan::load()
{
    m_board = std::make_unique<occupancy::Board>(data::readBoardData());
    const auto& rows = m_board->rows();
    QTableWidget* grid = m_ui->grdPapan;
    grid->setRowCount(int(rows.size()));
    const int from = thisMonth();
    for (int r = 0; r < grid->rowCount(); ++r) {
        grid->setVerticalHeaderItem(r, new QTableWidgetItem(rowTitle(rows[r])));
        for (int c = 0; c < RoomColumn; ++c) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            grid->setItem(r, c, cell);
        }
        grid->setItem(r, RoomColumn,
                      new QTableWidgetItem(occupancy::monthText(m_board->firstWithRoom(r, from))));
    }
    const int unreadable = int(m_board->unreadable().size());
    m_ui->lblTakTerbaca->setText(
        unreadable ? QStringLiteral("%1 penempatan dengan tanggal tidak terbaca").arg(unreadable)
                   : QString());
    m_ui->lblTakTerbaca->setVisible(unreadable > 0);
    m_ui->cmdTakTerbaca->setVisible(unreadable > 0);
    showYear();
}

void frmPapan::showYear()
{
    const int year = m_ui->txtTahun->value();
    QTableWidget* grid = m_ui->grdPapan;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < RoomColumn; ++c) {
            const int n = m_board->count(r, occupancy::monthKey(year, c + 1));
            QTableWidgetItem* cell = grid->item(r, c);
            cell->setText(n ? QString::number(n) : QString());
            const QColor colour = colourOf(occupancy::levelOf(n));
            cell->setBackground(colour.isValid() ? QBrush(colour) : QBrush());
        }
}

void frmPapan::txtTahun_Change() { showYear(); }

void frmPapan::grdPapan_Activate(const QModelIndex& cell)
{
    if (!cell.isValid() || cell.column() >= RoomColumn)
        return;
    const int key = occupancy::monthKey(m_ui->txtTahun->value(), cell.column() + 1);
    const QString title = QStringLiteral("%1, %2").arg(rowTitle(m_board->rows().at(cell.row())),
                                                       occupancy::monthText(key));
    showList(title, m_board->placementsIn(cell.row(), key));
}

void frmPapan::cmdTakTerbaca_Click()
{
    showList(QStringLiteral("Penempatan dengan tanggal tidak terbaca"), m_board->unreadable());
}

// The list opens over the board, where the clerk is looking; once moved, it stays put.
void frmPapan::showList(const QString& title,
                        const std::vector<const occupancy::GrantedPlacement*>& placements)
{
    auto* list = platform::window<frmDaftarPenempatan>(this);
    list->showPlacements(title, placements);
    if (!list->isVisible())
        list->centreOver(this);
    showWindow(list);
}

// Reads the placements again, keeping the year and the cell chosen.
void frmPapan::cmdPerbarui_Click()
{
    const QModelIndex at = m_ui->grdPapan->currentIndex();
    guarded(this, [this] { load(); });
    if (at.isValid())
        m_ui->grdPapan->setCurrentCell(at.row(), at.column());
}

void frmPapan::cmdKeluar_Click() { unload(); }
