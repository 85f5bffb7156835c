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
    const QString picked = ui->cboNoSurat->currentText();
    guarded(this, [this, &picked] {
        Adodc3->moveFirst();
        Adodc3->setFilter(Criterion::equals(QStringLiteral("Ns"), picked));
        if (!Adodc3->hasCurrent()) {
            forgetLetter();
            tell(QStringLiteral("Data Kursan dengan No Surat ini tidak ada."));
            return;
        }
        ui->txtNP->setText(Adodc3->field(1).toString());
        ui->txtNama->setText(Adodc3->field(3).toString());
        ui->txtInstansi->setText(Adodc3->field(8).toString());
        ui->txtJurusan->setText(Adodc3->field(9).toString());

        // The entry's one placement row: begun by "&Tambah" (or the edited row), so a second
        // letter number fills the same row instead of storing a half one.
        if (!Adodc4->hasCurrent())
            Adodc4->addNew();
        Adodc4->setField(0, ui->txtNP->text());
        Adodc4->setField(1, ui->Text5->text());
        Adodc4->setField(2, ui->Text6->text());

        // A reply already given in this entry belongs to the letter now picked.
        Adodc5->cancelUpdate();
        Adodc5->moveFirst();
        Adodc5->setFilter(Criterion::equals(QStringLiteral("Ns"), picked));
        if (!Adodc5->hasCurrent()) {
            forgetLetter();
            tell(QStringLiteral("No Surat tidak ada dalam DataBase."));
            return;
        }
        m_noSurat = picked;
        if (!m_jawaban.isEmpty()) {
            ui->Text3->clear();
            ui->Text3->setText(m_jawaban);
        }
    });
}

void frmSPM::forgetLetter()
{
    m_noSurat.clear();
    showHint(ui->cboNoSurat, PilihNoSurat);
    for (QLineEdit* box : {ui->txtNama, ui->txtInstansi, ui->txtJurusan})
        box->clear();
}

void frmSPM::cboUnit_Click()
{
    const QString picked = ui->cboUnit->currentText();
    guarded(this, [this, &picked] {
        Adodc2->setFilter(Criterion::equals(QStringLiteral("Unit"), picked));
        if (!Adodc2->hasCurrent()) {
            showHint(ui->cboUnit, PilihUnit);
            tell(QStringLiteral("Unit tidak ada dalam DataBase."));
            return;
        }
        KdUnit = Adodc2->field(0).toString();
        ui->Text6->setText(KdUnit);
        m_unitName = picked;
    });
}

// The reply goes into the letter of this entry, never into whatever letter happens to be
// current, so a letter number must come first.
bool frmSPM::requireLetter()
{
    if (!m_noSurat.isEmpty() && Adodc5->hasCurrent())
        return true;
    tell(QStringLiteral("Pilih No Surat terlebih dahulu."));
    return false;
}

void frmSPM::cboJawaban_Click()
{
    const QString picked = ui->cboJawaban->currentText();
    if (!requireLetter()) {
        showHint(ui->cboJawaban, PilihJawaban);
        return;
    }
    guarded(this, [this, &picked] {
        ui->Text3->clear();
        ui->Text3->setText(picked);
        Adodc5->setField(1, ui->Text3->text());
        m_jawaban = picked;
        // "Tidak" keeps whatever unit was picked; with none, the placement names no unit
        // rather than one the user never chose.
    });
}
