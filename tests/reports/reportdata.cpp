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
