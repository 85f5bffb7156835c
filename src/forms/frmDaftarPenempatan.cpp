#include "forms/frmDaftarPenempatan.h"

#include "platform/handlers.h"
#include "platform/keys.h"
#include "rules/occupancy.h"
#include "ui_frmDaftarPenempatan.h"

#include <QHeaderView>

frmDaftarPenempatan::frmDaftarPenempatan(QWidget* owner)
    : Form(owner), m_ui(std::make_unique<Ui::frmDaftarPenempatan>())
{
    m_ui->setupUi(this);
    m_ui->grdDaftar->verticalHeader()->hide();
    m_ui->grdDaftar->horizontalHeader()->setStretchLastSection(true);
    platform::handle(m_ui->cmdTutup, &QPushButton::clicked, this, &Form::unload);
    platform::escapeCloses(this);
}

frmDaftarPenempatan::~frmDaftarPenempatan() = default;

void frmDaftarPenempatan::showPlacements(
    const QString& title, const std::vector<const occupancy::GrantedPlacement*>& placements)
{
    setWindowTitle(title);
    m_ui->lblJudul->setText(QStringLiteral("%1: %2 orang").arg(title).arg(placements.size()));
    QTableWidget* grid = m_ui->grdDaftar;
    grid->setRowCount(int(placements.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const occupancy::GrantedPlacement& p = *placements[row];
        const QString cells[] = {p.name, p.institution, p.period, p.letter};
        for (int column = 0; column < 4; ++column)
            grid->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    grid->resizeColumnsToContents();
}
