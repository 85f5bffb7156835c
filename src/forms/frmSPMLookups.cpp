// The three pick lists of the letter form: letter number, unit and reply.
#include "forms/frmSPM.h"

#include "platform/combolock.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "ui_frmSPM.h"

using namespace platform;
using data::Criterion;

void frmSPM::cboNoSurat_Click()
{
    const QString picked = m_ui->cboNoSurat->currentText();
    trainees()->moveFirst();
    trainees()->setFilter(Criterion::equals(QStringLiteral("Ns"), picked));
    if (!trainees()->hasCurrent()) {
        forgetLetter();
        tell(QStringLiteral("Data Kursan dengan No Surat ini tidak ada."));
        return;
    }
    m_ui->txtNama->setText(trainees()->field(QStringLiteral("Nama_Kursan")).toString());
    m_ui->txtInstansi->setText(trainees()->field(QStringLiteral("Instansi")).toString());
    m_ui->txtJurusan->setText(trainees()->field(QStringLiteral("Jurusan")).toString());

    // The entry's one placement row: begun by "&Tambah" (or the edited row), so a second
    // letter number fills the same row instead of storing a half one.
    if (!placements()->hasCurrent())
        placements()->addNew();
    placements()->setField(QStringLiteral("Np"),
                           trainees()->field(QStringLiteral("Np")).toString());
    // A period and a unit not given yet are stored as empty texts, not as nothing at all.
    for (const QString& column :
         {QStringLiteral("Tanggal_Pelaksanaan"), QStringLiteral("Kode_Unit")})
        placements()->setField(column, placements()->field(column).toString());

    // A reply already given in this entry belongs to the letter now picked.
    letters()->cancelUpdate();
    letters()->moveFirst();
    letters()->setFilter(Criterion::equals(QStringLiteral("Ns"), picked));
    if (!letters()->hasCurrent()) {
        forgetLetter();
        tell(QStringLiteral("No Surat tidak ada dalam DataBase."));
        return;
    }
    m_noSurat = picked;
    if (!m_jawaban.isEmpty())
        letters()->setField(QStringLiteral("Jawaban"), m_jawaban);
}

void frmSPM::forgetLetter()
{
    m_noSurat.clear();
    showHint(m_ui->cboNoSurat, PilihNoSurat);
    for (QLineEdit* box : {m_ui->txtNama, m_ui->txtInstansi, m_ui->txtJurusan})
        box->clear();
}

void frmSPM::cboUnit_Click()
{
    const QString picked = m_ui->cboUnit->currentText();
    units()->setFilter(Criterion::equals(QStringLiteral("Unit"), picked));
    if (!units()->hasCurrent()) {
        showHint(m_ui->cboUnit, PilihUnit);
        tell(QStringLiteral("Unit tidak ada dalam DataBase."));
        return;
    }
    if (placements()->hasCurrent())
        placements()->setField(QStringLiteral("Kode_Unit"),
                               units()->field(QStringLiteral("Kode_Unit")).toString());
    m_unitName = picked;
}

// The reply goes into the letter of this entry, never into whatever letter happens to be
// current, so a letter number must come first.
bool frmSPM::requireLetter()
{
    if (!m_noSurat.isEmpty() && m_letters && letters()->hasCurrent())
        return true;
    tell(QStringLiteral("Pilih No Surat terlebih dahulu."));
    return false;
}

void frmSPM::cboJawaban_Click()
{
    const QString picked = m_ui->cboJawaban->currentText();
    if (!requireLetter()) {
        showHint(m_ui->cboJawaban, PilihJawaban);
        return;
    }
    letters()->setField(QStringLiteral("Jawaban"), picked);
    m_jawaban = picked;
    // "Tidak" keeps whatever unit was picked; with none, the placement names no unit
    // rather than one the user never chose.
}
