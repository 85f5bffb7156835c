// The placement period on the letter form: the start date with Enter, the end date a month on.
#include "forms/frmSPM.h"

#include "platform/keys.h"
#include "platform/msgbox.h"
#include "rules/period.h"
#include "ui_frmSPM.h"

using namespace platform;

void frmSPM::CekTgl() { m_ui->Text8->setText(period::CekTgl(m_ui->Text8->text())); }

void frmSPM::TglAkhir() { m_ui->Text9->setText(period::TglAkhir(m_ui->Text8->text())); }

bool frmSPM::Text8_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    if (acceptStartDate(true))
        m_ui->cmd->setFocus();
    return true;
}

bool frmSPM::acceptStartDate(bool fillEnd)
{
    CekTgl();
    // A date that cannot be read stays as typed, for the user to correct.
    const QString normal = period::normalise(m_ui->Text8->text());
    if (!normal.isEmpty())
        m_ui->Text8->setText(normal);
    if (!checkStartDate(m_ui->Text8))
        return false;
    m_startChecked = true;
    if (fillEnd) {
        TglAkhir();
        m_endTyped = false;
    }
    return true;
}

bool frmSPM::Text9_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    if (checkStartDate(m_ui->Text9))
        m_ui->cmd->setFocus();
    return true;
}

bool frmSPM::checkStartDate(QWidget* focusOnFailure)
{
    QString message, title;
    switch (period::checkStart(m_ui->Text8->text(), m_thisMonth, m_thisYear)) {
    case period::Problem::None: return true;
    case period::Problem::Month:
        message = QStringLiteral("Cek ulang bulan pelaksanaan.");
        title = QStringLiteral("Cek Bulan");
        break;
    case period::Problem::Year:
        message = QStringLiteral("Cek ulang tahun pelaksanaan.");
        title = QStringLiteral("Cek Tahun");
        break;
    case period::Problem::Day:
        message = QStringLiteral("Cek ulang tanggal pelaksanaan.");
        title = QStringLiteral("Cek Tanggal");
        break;
    }
    msgBox(message, title, Icon::Critical, Buttons::Ok, this);
    focusOnFailure->setFocus();
    return false;
}
