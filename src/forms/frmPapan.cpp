#include "forms/frmPapan.h"

#include "data/changefeed.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/placements.h"
#include "forms/frmDaftarPenempatan.h"
#include "platform/guard.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "rules/calendar.h"
#include "rules/occupancy.h"
#include "ui_frmPapan.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

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

// Long unit names are shortened on screen (whole in their tooltip), so that the months and
// "Ada Tempat" stay in the window.
constexpr int MaxNameWidth = 200;

// The chosen cell keeps its colour, amber or red, and wears a frame instead of a fill.
class FramedSelection : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain(option);
        const bool chosen = option.state & QStyle::State_Selected;
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(painter, plain, index);
        if (!chosen)
            return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
};

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
    m_ui->grdPapan->setItemDelegate(new FramedSelection(m_ui->grdPapan));
    m_ui->grdPapan->verticalHeader()->setMaximumWidth(MaxNameWidth);

    load();
    m_ui->grdPapan->resizeColumnsToContents();
    centre();
    data::ChangeFeed& feed = data::ChangeFeed::instance();
    feed.start();
    connect(&feed, &data::ChangeFeed::changed, this, &frmPapan::follow);
}

frmPapan::~frmPapan() { data::ChangeFeed::instance().release(); }

void frmPapan::load()
{
    const QString unitAt = chosenUnit();
    m_board = std::make_unique<occupancy::Board>(data::readBoardData());
    build(unitAt);
}

// A save elsewhere that the board could not read is left for the next one or "&Perbarui":
// no message interrupts the clerk for what they did not ask.
void frmPapan::follow(const data::Changes& changes)
{
    try {
        if (std::optional<occupancy::BoardChanges> read = data::readBoardChanges(changes)) {
            const QString unitAt = chosenUnit();
            m_board->follow(std::move(*read));
            build(unitAt);
        }
    } catch (const data::Error&) {
    }
}

QString frmPapan::chosenUnit() const
{
    const QModelIndex at = m_ui->grdPapan->currentIndex();
    return at.isValid() && m_board ? m_board->rows().at(size_t(at.row())).code : QString();
}

void frmPapan::build(const QString& unitAt)
{
    QTableWidget* grid = m_ui->grdPapan;
    const QModelIndex at = grid->currentIndex();
    const auto& rows = m_board->rows();
    grid->setRowCount(int(rows.size()));
    const int from = thisMonth();
    for (int r = 0; r < grid->rowCount(); ++r) {
        auto* title = new QTableWidgetItem(rowTitle(rows[r]));
        title->setToolTip(title->text());
        grid->setVerticalHeaderItem(r, title);
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
    for (int r = 0; at.isValid() && r < int(rows.size()); ++r)
        if (rows[size_t(r)].code == unitAt &&
            grid->currentIndex() != grid->model()->index(r, at.column()))
            grid->setCurrentCell(r, at.column());
    // An open list shows its cell as it is now.
    auto* list = platform::loaded<frmDaftarPenempatan>();
    if (!list || !list->isVisible() || m_listed.key < 0)
        return;
    if (m_listed.unit.isNull()) {
        cmdTakTerbaca_Click();
        return;
    }
    for (int r = 0; r < int(rows.size()); ++r)
        if (rows[size_t(r)].code == m_listed.unit)
            listCell(r, m_listed.key);
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
    listCell(cell.row(), occupancy::monthKey(m_ui->txtTahun->value(), cell.column() + 1));
}

void frmPapan::listCell(int row, int key)
{
    const occupancy::Board::Row& unit = m_board->rows().at(size_t(row));
    m_listed = {unit.code.isNull() ? QStringLiteral("") : unit.code, key};
    showList(QStringLiteral("%1, %2").arg(rowTitle(unit), occupancy::monthText(key)),
             m_board->placementsIn(row, key));
}

void frmPapan::cmdTakTerbaca_Click()
{
    m_listed = {QString(), 0};
    showList(QStringLiteral("Penempatan dengan tanggal tidak terbaca"), m_board->unreadable());
}

// The list opens over the board, where the clerk is looking; once moved, it stays put.
void frmPapan::showList(const QString& title,
                        const std::vector<const occupancy::GrantedPlacement*>& placements)
{
    std::vector<occupancy::GrantedPlacement> shown;
    for (const occupancy::GrantedPlacement* p : placements)
        shown.push_back(*p);
    data::readTraineeNames(shown);
    std::vector<const occupancy::GrantedPlacement*> listed;
    for (const occupancy::GrantedPlacement& p : shown)
        listed.push_back(&p);
    auto* list = platform::window<frmDaftarPenempatan>(this);
    list->showPlacements(title, listed);
    if (!list->isVisible())
        list->centreOver(this);
    showWindow(list);
}

// Reads everything again now, keeping the year, the cell chosen and the open list.
void frmPapan::cmdPerbarui_Click()
{
    guarded(this, [this] { load(); });
}

void frmPapan::cmdKeluar_Click() { unload(); }
