// The main window's items that keep the data: export, backup and restore.
#include "data/backup.h"
#include "data/clock.h"
#include "platform/filechooser.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/windows.h"
#include "preview/saveexcel.h"
#include "shell/frmLokasi.h"
#include "shell/frmMenu.h"

#include <QDir>

using namespace platform;

namespace {

const QString databaseFilter = QStringLiteral("Berkas Kursan (*.mdb)");

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

void frmMenu::mnuEksporSPM_Click() { reports::saveExcel(QStringLiteral("QSPM"), this); }

// The place takes effect at the next start: every open form keeps its own connection until then.
void frmMenu::mnuLokasi_Click()
{
    frmLokasi dialog(this);
    dialog.exec();
}

void frmMenu::mnuCadangkan_Click()
{
    const QString title = QStringLiteral("Cadangkan Data");
    const QString target = askFileName({FileAction::Save, title,
                                        QDir::home().filePath(data::backupName(data::today())),
                                        databaseFilter, QStringLiteral("mdb")},
                                       this);
    if (target.isEmpty())
        return;
    if (!guarded(
            this, [&] { data::backupTo(target); }, title))
        return;
    msgBox(QStringLiteral("Data dicadangkan ke %1.").arg(native(target)), title, Icon::Information,
           Buttons::Ok, this);
}

void frmMenu::mnuPulihkan_Click()
{
    const QString title = QStringLiteral("Pulihkan Data");
    const QString file = askFileName(
        {FileAction::Open, title, data::dailyFolder(), databaseFilter, QStringLiteral("mdb")},
        this);
    if (file.isEmpty())
        return;
    const QString refused = QStringLiteral("Data tidak dipulihkan; data yang sekarang tetap.\n\n");
    data::BackupContents contents;
    if (!guarded(
            this, [&] { contents = data::inspectBackup(file); }, title, refused))
        return;
    const QString question =
        QStringLiteral("Data sekarang akan diganti dengan isi berkas %1 (%2 kursan, %3 "
                       "penempatan).\nSemua jendela data ditutup, dan data sekarang disimpan "
                       "dulu sebagai salinan di folder yang sama.\n\nLanjutkan?")
            .arg(native(file))
            .arg(contents.trainees)
            .arg(contents.placements);
    if (msgBox(question, title, Icon::Question, Buttons::OkCancel, this) != Answer::Ok)
        return;
    // No window may keep or write back rows of the data being replaced; a form with an entry
    // asks first, and a "Batal" there leaves every window open.
    if (!askEveryForm(this))
        return;
    closeEveryWindow(this);
    QString kept;
    if (!guarded(
            this, [&] { kept = data::restoreFrom(file, data::today()); }, title, refused))
        return;
    msgBox(QStringLiteral("Data dipulihkan dari %1.\nData sebelumnya disimpan sebagai %2.")
               .arg(native(file), native(kept)),
           title, Icon::Information, Buttons::Ok, this);
}
