#include "reports/reportdata.h"

void ReportTest::addUnit(const QString& code, const QString& name, const QString& phone)
{
    sql("INSERT INTO TUnit VALUES (?, ?, ?)", {code, name, phone});
}

void ReportTest::addTrainee(const QString& np, const QString& ns, const QString& name,
                            const QString& birth)
{
    sql("INSERT INTO TKursan VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {ns.isEmpty() ? QVariant() : ns, np, "NIM" + np, name, "Yogyakarta", birth,
         "Jl. Mawar " + np, "0812" + np, "UGM", "Teknik", "PKL"});
    if (!ns.isEmpty())
        sql("INSERT INTO TSurat VALUES (?, ?, ?)", {ns, "Dapat", 1});
}

void ReportTest::addPlacement(const QString& np, const QString& period, const QString& unit)
{
    sql("INSERT INTO TKegiatan VALUES (?, ?, ?)", {np, period, unit});
}

const QStringList ReportTest::atLimits{"B/1000/XII/PKL/2026",
                                       "123456",
                                       "WWWWWW",
                                       "WWWWWWW MMMMMM WWWWW",
                                       "WWWWWWWWWWWWWWW",
                                       "17/08/05",
                                       "JL. WWWWWWWWW MMMMMMMM NO. 123, KEL. WWWWWW MMMMMM",
                                       "0812345678901",
                                       "WWWWWWW MMMMMMM",
                                       "MMMMMMM WWWWWWW",
                                       "PENELITIAN"};
const QString ReportTest::unitAtLimit = "WWWWWWW MMMMMMM";
const QString ReportTest::periodAtLimit = "01/12/2026s/d31/12/2026";

void ReportTest::addAtLimits()
{
    addUnit("WWWWWW", unitAtLimit);
    QVariantList values;
    for (const QString& v : atLimits)
        values << v;
    sql("INSERT INTO TKursan VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", values);
    sql("INSERT INTO TSurat VALUES (?, ?, ?)", {atLimits[0], "Dapat", 1});
    addPlacement(atLimits[1], periodAtLimit, "WWWWWW");
}

void ReportTest::addSample()
{
    addUnit("U01", "Keuangan");
    addUnit("U02", "Gudang");
    addTrainee("001", "B/001/III/PKL/2005", "Budi");
    addTrainee("002", "B/002/III/PKL/2005", "Ani", "17/08/86");
    addTrainee("003", "", "Citra");
    addPlacement("001", "01/03/2005s/d01/04/2005", "U02");
    addPlacement("002", "01/03/2005s/d01/04/2005", "U01");
    addPlacement("002", "01/05/2005s/d01/06/2005", "U02");
}

void ReportTest::addStatistikSample()
{
    addUnit("U1", "Keuangan");
    addUnit("U2", "Gudang");
    struct Row {
        const char *np, *ns, *institution, *purpose, *reply, *period, *unit;
    };
    const Row rows[] = {
        {"001", "B/001/I/PKL/2005", "UGM", "PKL", "Dapat", "01/01/2005s/d01/02/2005", "U1"},
        {"002", "B/002/I/PKL/2005", "ugm ", "Penelitian skripsi", "Dapat",
         "15/03/2005s/d15/04/2005", "U1"},
        {"003", "B/003/II/PKL/2005", "UNY", "praktek kerja", "Dapat", "1/3/05s/d1/4/05", "U2"},
        {"004", "B/004/II/PKL/2005", "UNY", "Riset dan PKL", "Dapat", "31/13/2005s/d31/14/2005",
         "U2"},
        {"005", "B/005/XII/PKL/2004", "UII", "Kunjungan", "Dapat", "01/12/2005s/d01/01/2006", "U9"},
        {"006", "B/006/III/PKL/2005", "UGM", "PKL", "Tidak", "01/03/2005s/d01/04/2005", "U1"},
        {"007", "B/007/III/PKL/2005", "UGM", "PKL", "-", nullptr, nullptr},
        {"008", "B/008/III/PKL/2005", "UGM", "PKL", "Tunda", nullptr, nullptr},
        {"009", "B/009/XII/PKL/2005", "UGM", "PKL", "Dapat", "01/01/2006s/d01/02/2006", "U1"},
        {"010", "B/1000/XII/PKL/2005", "UGM", "PKL", "", nullptr, nullptr},
        {"011", "B/011/V/PKL/2015", "UGM", "PKL", "Dapat", "01/05/2015s/d01/06/2015", "U1"},
    };
    for (const Row& r : rows) {
        sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan, Instansi, Tujuan) VALUES (?, ?, ?, ?, ?)",
            {r.ns, r.np, QStringLiteral("Kursan %1").arg(r.np), r.institution, r.purpose});
        sql("INSERT INTO TSurat VALUES (?, ?, 1)", {r.ns, r.reply});
        if (r.period)
            addPlacement(r.np, r.period, r.unit);
    }
}

void ReportTest::addRegisterSample()
{
    addUnit("U01", "Keuangan");
    addTrainee("001", "B/995/I/PKL/2005", "Budi");
    addPlacement("001", "01/03/2005s/d01/04/2005", "U01");
    addTrainee("002", "B/997/I/PKL/2005", "Ani");
    addTrainee("003", "B/997/II/PKL/2005", "Citra");
    sql("UPDATE TSurat SET Jawaban = 'Tidak' WHERE Ns = 'B/997/II/PKL/2005'");
    addTrainee("004", "B/999/III/PKL/2005", "Dedi");
    sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan) VALUES ('B/999/III/PKL/2005', '005', 'Eka')");
    sql("INSERT INTO TSurat VALUES ('B/1000/IV/PKL/2005', '-', 0)"); // no trainee yet
    addTrainee("006", "B/1012/IV/PKL/2005", "Fajar");
    addTrainee("007", "B/-/V/PKL/2005", "Gita");
    addTrainee("008", "B/996/XII/PKL/2004", "Hadi");
    addTrainee("009", "B/998/I/PKL/12005", "Indah");
}

const QStringList ReportTest::registerOf2005{
    "B/-/V/PKL/2005|007|Gita|Dapat|||tanpa nomor urut",
    "B/995/I/PKL/2005|001|Budi|Dapat|Keuangan|01/03/2005s/d01/04/2005|",
    "B/996/…/2005||||||tidak ada",
    "B/997/I/PKL/2005|002|Ani|Dapat|||nomor ganda",
    "B/997/II/PKL/2005|003|Citra|Tidak|||nomor ganda",
    "B/998/…/2005||||||tidak ada",
    "B/999/III/PKL/2005|004|Dedi|Dapat|||", // one letter of two trainees
    "B/999/III/PKL/2005|005|Eka|Dapat|||",
    "B/1000/IV/PKL/2005|||-|||",
    "B/1001/…/2005 s/d B/1011/…/2005||||||tidak ada (11 nomor)",
    "B/1012/IV/PKL/2005|006|Fajar|Dapat|||",
    "Jumlah: 7 surat, 13 nomor tidak ada, 1 nomor ganda, 1 tanpa nomor urut||||||",
};
