#include "data/backup.h"
#include "forms/frmSPM.h"
#include "forms/frmUnit.h"
#include "platform/filechooser.h"
#include "platform/windows.h"
#include "shell/frmMenu.h"
#include "support/fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using platform::Answer;

namespace {

// Backup and restore from the main window's File menu, with the file dialog answered.
class DataMenuTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        sql("INSERT INTO TUnit VALUES ('U01', 'Keuangan', '101')");
        sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan) VALUES ('B/001/III/PKL/2005', '001', "
            "'Budi')");
        sql("INSERT INTO TKegiatan VALUES ('001', '01/03/2005s/d01/04/2005', 'U01')");
        showMainWindow();
        menu = platform::loaded<frmMenu>();
        platform::setFileNameHandler([this](const platform::FileQuestion& q) {
            asked.push_back(q);
            return answer;
        });
    }
    void TearDown() override
    {
        platform::setFileNameHandler({});
        KursanTest::TearDown();
    }
    void trigger(const char* item) { menu->findChild<QAction*>(item)->trigger(); }
    frmUnit* unitFormWithUnsavedEntry()
    {
        trigger("mnuDataUnit");
        frmUnit* form = platform::loaded<frmUnit>();
        form->findChild<QPushButton*>("cmdTambah")->click();
        QTest::keyClicks(form->findChild<QLineEdit*>("txtKodeUnit"), "U02");
        QTest::keyClicks(form->findChild<QLineEdit*>("txtNamaUnit"), "Gudang");
        return form;
    }

    frmMenu* menu = nullptr;
    QString answer;
    std::vector<platform::FileQuestion> asked;
};

TEST_F(DataMenuTest, BackupWhileAFormHoldsAnUnsavedEntryCopiesEveryStoredRow)
{
    frmUnit* form = unitFormWithUnsavedEntry();
    const QStringList stored = allRows();
    answer = m_dir.filePath("salin.mdb");
    boxes.expect("Data dicadangkan ke " + QDir::toNativeSeparators(answer) + ".");
    trigger("mnuCadangkan");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].suggested, QDir::home().filePath("kursan-2005-03-15.mdb"));

    EXPECT_EQ(data::inspectBackup(answer).trainees, 1); // our tables, integrity ok
    EXPECT_EQ(allRows(answer), stored);
    // The form goes on with its entry, which is saved afterwards as usual.
    EXPECT_EQ(platform::loaded<frmUnit>(), form);
    form->findChild<QPushButton*>("cmd2")->click();
    EXPECT_EQ(allRows().size(), stored.size() + 1);
}

TEST_F(DataMenuTest, RestoreChecksAsksClosesTheFormsAndKeepsTheOldData)
{
    answer = m_dir.filePath("salin.mdb");
    data::backupTo(answer);
    const QStringList copied = allRows();
    sql("DELETE FROM TKegiatan");
    sql("INSERT INTO TKursan (Np, Nama_Kursan) VALUES ('002', 'Ani')");
    const QStringList current = allRows();
    unitFormWithUnsavedEntry();
    trigger("mnuDataSPM");

    // A file that is no Kursan database is refused with its reason; the forms stay open.
    const QString copy = answer;
    answer = m_dir.filePath("catatan.mdb");
    QFile note(answer);
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("bukan database");
    note.close();
    boxes.expect("Data tidak dipulihkan; data yang sekarang tetap.\n\nBerkas " +
                 QDir::toNativeSeparators(answer) + " bukan DataBase Kursan.");
    trigger("mnuPulihkan");
    EXPECT_EQ(boxes.shown().back().icon, platform::Icon::Critical);
    EXPECT_NE(platform::loaded<frmSPM>(), nullptr);
    answer = copy;

    const QString file = QDir::toNativeSeparators(answer);
    const QString question = "Data sekarang akan diganti dengan isi berkas " + file +
                             " (1 kursan, 1 penempatan).\nSemua jendela data ditutup, dan data "
                             "sekarang disimpan dulu sebagai salinan di folder yang sama."
                             "\n\nLanjutkan?";
    boxes.expect(question, Answer::Cancel); // cancelled: nothing happens
    trigger("mnuPulihkan");
    EXPECT_EQ(asked.back().suggested, data::dailyFolder());
    EXPECT_NE(platform::loaded<frmSPM>(), nullptr);
    EXPECT_EQ(allRows(), current);

    // "Batal" on the unit form's question keeps every window, the letter form too.
    boxes.expect(question);
    boxes.expect("Data belum disimpan. Simpan?", Answer::Cancel);
    trigger("mnuPulihkan");
    EXPECT_NE(platform::loaded<frmSPM>(), nullptr);
    EXPECT_NE(platform::loaded<frmUnit>(), nullptr);
    EXPECT_EQ(allRows(), current);

    const QString kept = m_dir.filePath("kursan/master-sebelum-pulih-2005-03-15.mdb");
    boxes.expect(question);
    boxes.expect("Data belum disimpan. Simpan?", Answer::No);
    boxes.expect("Data dipulihkan dari " + file + ".\nData sebelumnya disimpan sebagai " +
                 QDir::toNativeSeparators(kept) + ".");
    trigger("mnuPulihkan");
    EXPECT_EQ(platform::loaded<frmUnit>(), nullptr); // its unsaved unit dropped, not restored
    EXPECT_EQ(platform::loaded<frmSPM>(), nullptr);
    EXPECT_EQ(platform::loaded<frmMenu>(), menu);
    EXPECT_EQ(allRows(), copied);
    EXPECT_EQ(allRows(kept), current);

    // The forms open on the restored data.
    trigger("mnuDataUnit");
    EXPECT_EQ(platform::loaded<frmUnit>()->findChild<QLineEdit*>("txtNamaUnit")->text(),
              "Keuangan");
}

} // namespace
