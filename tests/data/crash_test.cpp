#include "data/database.h"
#include "data/datacontrol.h"
#include "support/fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTextStream>
#include <QThread>

// The crash test's child: saves trainees with their letters through the forms' own save, as
// fast as it can, and tells the parent each trainee number once it is committed, until killed.
int saveTraineesUntilKilled(const QString& path)
{
    data::Database::prepare(path);
    data::DataControl trainees(nullptr, "Adodc1", "TKursan");
    data::DataControl letters(nullptr, "Adodc2", "TSurat");
    QTextStream out(stdout);
    const QString run = QString::number(QCoreApplication::applicationPid());
    out << "ready" << Qt::endl;
    for (int i = 1;; ++i) {
        const QString np = run + "-" + QString::number(i);
        const QString ns = "B/" + np + "/III/PKL/2005";
        trainees->addNew();
        trainees->setField("Np", np);
        trainees->setField("Ns", ns);
        trainees->setField("Nama_Kursan", "Kursan " + np);
        letters->addNew();
        letters->setField("Ns", ns);
        letters->setField("Jawaban", "-");
        letters->setField("Jumlah_Kursan", 1);
        data::saveTogether({trainees.recordset(), letters.recordset()});
        out << np << Qt::endl;
    }
}

namespace {

using CrashTest = KursanTest;

TEST_F(CrashTest, KilledDuringSavesTheFileStaysSoundWholeAndAccepted)
{
    QSet<QString> committed;
    int journals = 0;
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--save-until-killed", m_path});
        while (!child.canReadLine())
            ASSERT_TRUE(child.waitForReadyRead(10000))
                << child.readAllStandardError().toStdString();
        ASSERT_EQ(child.readLine(), "ready\n");
        QThread::msleep(QRandomGenerator::global()->bounded(1, 60));
        child.kill();
        child.waitForFinished();
        for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                committed.insert(QString::fromUtf8(line));
        journals += QFile::exists(m_path + "-journal");

        // The start check comes first: it has to roll back a save cut short by itself.
        const data::FileCheck found = data::Database::check(m_path);
        ASSERT_TRUE(found.accepted()) << found.message.toStdString();
        EXPECT_EQ(sql("PRAGMA integrity_check"), QVariantList{"ok"});
        EXPECT_EQ(sql("SELECT count(*) FROM TKursan WHERE Ns NOT IN (SELECT Ns FROM TSurat)"),
                  QVariantList{0});
        EXPECT_EQ(sql("SELECT count(*) FROM TSurat WHERE Ns NOT IN (SELECT Ns FROM TKursan)"),
                  QVariantList{0});
    }
    QSet<QString> stored;
    for (const QVariant& np : sql("SELECT Np FROM TKursan"))
        stored.insert(np.toString());
    EXPECT_TRUE(stored.contains(committed)) << "a committed trainee was lost";
    RecordProperty("saves", int(committed.size()));
    RecordProperty("kills mid-save", journals);
}

} // namespace
