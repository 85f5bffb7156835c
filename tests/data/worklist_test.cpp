#include "data/worklist.h"
#include "support/fixture.h"

namespace {

using WorklistTest = KursanTest;

QStringList traineesOf(const std::vector<data::WorkItem>& items)
{
    QStringList out;
    for (const data::WorkItem& item : items)
        out << item.trainee + (item.placed ? "+" : "");
    return out;
}

// Today is Tuesday 15 March 2005; the week ends on Sunday the 20th.
TEST_F(WorklistTest, TheWorklistListsWhatIsOpenInTheOrderItIsWorked)
{
    sql("INSERT INTO TUnit VALUES ('U01', 'Keuangan', '')");
    const auto add = [this](const QString& np, const QString& ns, const QVariant& reply,
                            const QString& period = {}) {
        sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan) VALUES (?, ?, ?)",
            {ns.isEmpty() ? QVariant() : ns, np, "Kursan " + np});
        if (!ns.isEmpty())
            sql("INSERT INTO TSurat VALUES (?, ?, 1)", {ns, reply});
        if (!period.isEmpty())
            sql("INSERT INTO TKegiatan VALUES (?, ?, 'U01')", {np, period});
    };
    add("001", "B/001/II/PKL/2005", "Dapat", "28/02/2005s/d28/03/2005");
    add("002", "B/002/II/PKL/2005", "Dapat", "18/02/2005s/d18/03/2005");
    add("003", "B/003/II/PKL/2005", "Dapat", "01/03/2005s/d01/04/2005"); // after the 14 days
    add("004", "B/004/II/PKL/2005", "Tidak", "16/02/2005s/d16/03/2005"); // refused
    add("005", "B/005/II/PKL/2005", "Dapat", "15/02/2005s/d14/03/2005"); // ended yesterday
    add("006", "B/006/III/PKL/2005", "-");
    add("007", "B/1000/XII/PKL/2004", QVariant());
    add("008", "B/008/I/PKL/2005", " ");
    add("009", "B/009/III/PKL/2005", "Dapat");                   // no placement
    add("010", "B/010/III/PKL/2005", "Dapat", "31/13/2005s/d-"); // unreadable
    add("011", "", {});

    const data::Worklist w = data::readWorklist(QDate(2005, 3, 15), QDate(2005, 3, 29));
    EXPECT_EQ(traineesOf(w.certificatesDue), QStringList({"002+", "001+"}));
    EXPECT_EQ(traineesOf(w.awaitingReply), QStringList({"007", "008", "006"}));
    EXPECT_EQ(traineesOf(w.unplaced), QStringList({"009", "010+"}));
    EXPECT_EQ(traineesOf(w.withoutLetter), QStringList({"011"}));
    EXPECT_EQ(w.certificatesDue.front().unit, "Keuangan");

    const data::DueCounts due = data::readDueCounts(QDate(2005, 3, 15));
    EXPECT_EQ(due.certificates, 1) << "only 002 ends by Sunday";
    EXPECT_EQ(due.awaitingReply, 3);
}

} // namespace
