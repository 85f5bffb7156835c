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
