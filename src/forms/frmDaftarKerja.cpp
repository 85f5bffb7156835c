#include "forms/frmDaftarKerja.h"

#include "data/changefeed.h"
#include "data/clock.h"
#include "data/error.h"
#include "data/selection.h"
#include "forms/frmKursan.h"
#include "forms/frmSPM.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "preview/show.h"
#include "ui_frmDaftarKerja.h"

#include <QHeaderView>

using namespace platform;

namespace {

// What each list shows of a row, in column order.
enum class Shown { Ends, Trainee, Name, Letter, Reply, Unit, Period, Note };

struct ListLayout {
    QTableWidget* Ui::frmDaftarKerja::*grid;
    QString tab; // its heading, with the count after it
    std::vector<Shown> columns;
};

const ListLayout* layouts()
{
    using enum Shown;
    static const ListLayout all[] = {
        {&Ui::frmDaftarKerja::grdSertifikat,
         QStringLiteral("Sertifikat"),
         {Ends, Trainee, Name, Unit, Period, Letter}},
        {&Ui::frmDaftarKerja::grdJawaban,
         QStringLiteral("Belum Dijawab"),
         {Letter, Reply, Trainee, Name}},
        {&Ui::frmDaftarKerja::grdPenempatan,
         QStringLiteral("Belum Ditempatkan"),
         {Note, Trainee, Name, Letter, Unit, Period}},
        {&Ui::frmDaftarKerja::grdTanpaSurat, QStringLiteral("Tanpa No Surat"), {Trainee, Name}},
    };
    return all;
}
constexpr int ListCount = 4;

QString heading(Shown column)
{
    switch (column) {
    case Shown::Ends: return QStringLiteral("Berakhir");
    case Shown::Trainee: return QStringLiteral("No Kursan");
    case Shown::Name: return QStringLiteral("Nama");
    case Shown::Letter: return QStringLiteral("No Surat");
    case Shown::Reply: return QStringLiteral("Jawaban");
    case Shown::Unit: return QStringLiteral("Unit");
    case Shown::Period: return QStringLiteral("Pelaksanaan");
    case Shown::Note: return QStringLiteral("Keterangan");
    }
    return {};
}

QString textOf(const data::WorkItem& item, Shown column)
{
    switch (column) {
    case Shown::Ends: return item.period.right(10);
    case Shown::Trainee: return item.trainee;
    case Shown::Name: return item.name;
    case Shown::Letter: return item.letter;
    case Shown::Reply: return item.reply;
    case Shown::Unit: return item.unit;
    case Shown::Period: return item.period;
    case Shown::Note:
        return item.placed ? QStringLiteral("Tanggal tidak terbaca")
                           : QStringLiteral("Belum ada penempatan");
    }
    return {};
}

const std::vector<data::WorkItem>& itemsOf(const data::Worklist& list, int index)
{
    const std::vector<data::WorkItem>* lists[ListCount] = {
        &list.certificatesDue, &list.awaitingReply, &list.unplaced, &list.withoutLetter};
    return *lists[index];
}

} // namespace

frmDaftarKerja::frmDaftarKerja(QWidget* owner)
    : Form(owner, Qt::WindowMinMaxButtonsHint), m_ui(std::make_unique<Ui::frmDaftarKerja>())
{
    m_ui->setupUi(this);
    for (int i = 0; i < ListCount; ++i) {
        QTableWidget* grid = m_ui.get()->*layouts()[i].grid;
        QStringList heads;
        for (Shown c : layouts()[i].columns)
            heads << heading(c);
        grid->setColumnCount(int(heads.size()));
        grid->setHorizontalHeaderLabels(heads);
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->verticalHeader()->hide();
        handle(grid, &QTableWidget::doubleClicked, this,
               [this, grid] { mend(grid, grid->currentRow()); });
        onKeyPress(grid, [this, grid](int key) {
            if (key != KeyEnter)
                return false;
            guarded(this, [&] { mend(grid, grid->currentRow()); });
            return true;
        });
    }
    handle(m_ui->txtHari, &QSpinBox::valueChanged, this, &frmDaftarKerja::txtHari_Change);
    handle(m_ui->cmdCetakSertifikat, &QPushButton::clicked, this,
           &frmDaftarKerja::cmdCetakSertifikat_Click);
    handle(m_ui->cmdPerbarui, &QPushButton::clicked, this, &frmDaftarKerja::cmdPerbarui_Click);
    handle(m_ui->cmdKeluar, &QPushButton::clicked, this, &frmDaftarKerja::cmdKeluar_Click);
    escapeCloses(this);

    load();
    centre();
    data::ChangeFeed& feed = data::ChangeFeed::instance();
    feed.start();
    connect(&feed, &data::ChangeFeed::changed, this, &frmDaftarKerja::follow);
}

frmDaftarKerja::~frmDaftarKerja() { data::ChangeFeed::instance().release(); }

int frmDaftarKerja::listOf(const QTableWidget* grid) const
{
    int i = 0;
    while (i + 1 < ListCount && m_ui.get()->*layouts()[i].grid != grid)
        ++i;
    return i;
}

QDate frmDaftarKerja::lastDay() const { return m_today.addDays(m_ui->txtHari->value()); }

void frmDaftarKerja::load()
{
    m_today = data::today();
    m_list = data::readWorklist(m_today, lastDay());
    for (int i = 0; i < ListCount; ++i) {
        const std::vector<data::WorkItem>& items = itemsOf(m_list, i);
        fill(m_ui.get()->*layouts()[i].grid, items);
        m_ui->tabKerja->setTabText(
            i, QStringLiteral("%1 (%2)").arg(layouts()[i].tab).arg(items.size()));
    }
    m_ui->cmdCetakSertifikat->setEnabled(!m_list.certificatesDue.empty());
}

// The row on screen stays where it was, as near as the new list allows.
void frmDaftarKerja::fill(QTableWidget* grid, const std::vector<data::WorkItem>& items)
{
    const int at = grid->currentRow();
    const std::vector<Shown>& columns = layouts()[listOf(grid)].columns;
    grid->setRowCount(int(items.size()));
    for (int r = 0; r < int(items.size()); ++r)
        for (int c = 0; c < int(columns.size()); ++c)
            grid->setItem(r, c, new QTableWidgetItem(textOf(items[size_t(r)], columns[size_t(c)])));
    grid->resizeColumnsToContents();
    if (!items.empty())
        grid->setCurrentCell(std::clamp(at, 0, int(items.size()) - 1), 0);
}

// A save elsewhere that could not be read is left for the next one or "&Perbarui".
void frmDaftarKerja::follow(const data::Changes&)
{
    try {
        load();
    } catch (const data::Error&) {
    }
}

void frmDaftarKerja::txtHari_Change() { load(); }
void frmDaftarKerja::cmdPerbarui_Click() { load(); }
void frmDaftarKerja::cmdKeluar_Click() { unload(); }

// Exactly the certificates listed: the same days, the same rule.
void frmDaftarKerja::cmdCetakSertifikat_Click()
{
    reports::show(QStringLiteral("drSertifikat"), parentWidget(),
                  data::Selection::ending(m_today, lastDay()));
}

void frmDaftarKerja::mend(QTableWidget* grid, int row)
{
    const std::vector<data::WorkItem>& items = itemsOf(m_list, listOf(grid));
    if (row < 0 || row >= int(items.size()))
        return;
    const data::WorkItem& item = items[size_t(row)];
    // The forms belong to the main window, as when opened from its menu.
    QWidget* owner = parentWidget();
    if (item.placed) {
        auto* form = platform::window<frmSPM>(owner);
        showWindow(form);
        form->showPlacementOf(item.trainee);
    } else if (grid == m_ui->grdJawaban) {
        auto* form = platform::window<frmSPM>(owner);
        showWindow(form);
        form->answerLetter(item.letter);
    } else {
        auto* form = platform::window<frmKursan>(owner);
        showWindow(form);
        form->showTrainee(item.trainee);
    }
}
