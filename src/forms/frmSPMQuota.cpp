// The letter form's quota question: a granted placement that would overfill its unit.
#include "data/placements.h"
#include "forms/frmSPM.h"
#include "platform/msgbox.h"
#include "rules/occupancy.h"
#include "ui_frmSPM.h"

using namespace platform;

// The office decides: a unit already at the quota in a month of the period is named, and
// only "Tidak" keeps the entry open; it is also what Enter answers, so a hasty Enter never
// overfills the unit. The placement being edited is not counted against itself.
bool frmSPM::quotaAllows()
{
    data::RecordSet* letter = letters();
    if (!letter->hasCurrent() ||
        letter->field(QStringLiteral("Jawaban")).toString() != QLatin1String("Dapat"))
        return true;
    const QString code = m_ui->Text6->text();
    const QString period = m_ui->Text8->text() + QStringLiteral("s/d") + m_ui->Text9->text();
    const std::optional<occupancy::MonthCount> full = occupancy::firstFullMonth(
        period, data::grantedPeriods(placements()->database(), code, placements()->rowid()));
    if (!full)
        return true;
    const QString unit = m_unitName.isEmpty() ? code : m_unitName;
    return msgBox(QStringLiteral("Unit %1 sudah %2 orang pada %3. Tetap simpan?")
                      .arg(unit, QString::number(full->count), occupancy::monthText(full->key)),
                  QStringLiteral("Kuota Unit"), Icon::Question, Buttons::YesNo, this,
                  Answer::No) == Answer::Yes;
}
