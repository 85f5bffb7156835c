#include "generate.h"

#include "data/database.h"
#include "data/servercopy.h"
#include "data/serverengine.h"
#include "memory.h"
#include "rules/calendar.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSqlQuery>
#include <QStringList>

namespace bench {

void generateDatabase(const QString& path, int units, int trainees)
{
    // A log left beside an earlier file would be played back into the new one.
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
    data::Database::prepare(path);
    const QString name = data::Database::uniqueName(QStringLiteral("generate"));
    {
        QSqlDatabase db = data::Database::connect(name);
        db.transaction();
        QSqlQuery unit(db), kursan(db), surat(db), kegiatan(db);
        unit.prepare("INSERT INTO TUnit VALUES (?, ?, ?)");
        kursan.prepare("INSERT INTO TKursan VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        surat.prepare("INSERT INTO TSurat VALUES (?, ?, ?)");
        kegiatan.prepare("INSERT INTO TKegiatan VALUES (?, ?, ?)");
        for (int u = 1; u <= units; ++u) {
            unit.addBindValue(QStringLiteral("U%1").arg(u, 3, 10, QChar('0')));
            unit.addBindValue(QStringLiteral("Unit %1").arg(u));
            unit.addBindValue(QStringLiteral("0274-%1").arg(u));
            unit.exec();
        }
        for (int t = 1; t <= trainees; ++t) {
            const int month = (t % 12) + 1;
            const QString ns = QStringLiteral("B/%1/%2/PKL/2005")
                                   .arg(t, 3, 10, QChar('0'))
                                   .arg(calendar::romanMonth(month));
            const QString np = QStringLiteral("%1").arg(t, 3, 10, QChar('0'));
            const QVariantList values{ns,
                                      np,
                                      QString::number(100000 + t % 900000),
                                      QStringLiteral("Kursan %1").arg(t),
                                      "Yogyakarta",
                                      "05/01/85",
                                      QStringLiteral("Jl. Mawar %1").arg(t),
                                      "0812345678",
                                      "UGM",
                                      "Teknik",
                                      "PKL"};
            for (const QVariant& v : values)
                kursan.addBindValue(v);
            kursan.exec();
            surat.addBindValue(ns);
            surat.addBindValue(QStringLiteral("Dapat"));
            surat.addBindValue(1);
            surat.exec();
            kegiatan.addBindValue(np);
            // A December start ends in January of the next year.
            kegiatan.addBindValue(QStringLiteral("01/%1/2005s/d01/%2/%3")
                                      .arg(month, 2, 10, QChar('0'))
                                      .arg(month % 12 + 1, 2, 10, QChar('0'))
                                      .arg(month == 12 ? 2006 : 2005));
            kegiatan.addBindValue(QStringLiteral("U%1").arg(t % units + 1, 3, 10, QChar('0')));
            kegiatan.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(name);
}

namespace {
// The same office on the server named by KURSAN_BENCH_SERVER (a postgresql:// URI of a database
// of the server's owner, as scripts/with-postgres gives), in a database of its own, filled from
// the file once per server. Returns its place as the batch printer takes it.
QString onServer(int trainees, const QString& file)
{
    data::Location at = data::Location::parse(qEnvironmentVariable("KURSAN_BENCH_SERVER"));
    const QString name = QStringLiteral("kursan_bench_%1").arg(trainees);
    const QString connection = data::Database::uniqueName(QStringLiteral("bench"));
    bool fresh = false;
    {
        QSqlDatabase admin = data::ServerEngine(at).connect(connection, false);
        QSqlQuery q(admin);
        q.prepare(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"));
        q.addBindValue(name);
        q.exec();
        fresh = !q.next();
        q.finish();
        if (fresh)
            q.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
        admin.close();
    }
    QSqlDatabase::removeDatabase(connection);
    at.database = name;
    data::Database::prepare(at);
    if (fresh) {
        data::copyFileToServer(file);
        // The server plans with what it knows of the rows; it learns it here, not minutes later.
        const QString stats = data::Database::uniqueName(QStringLiteral("bench"));
        QSqlQuery(data::Database::connect(stats)).exec(QStringLiteral("ANALYZE"));
        QSqlDatabase::removeDatabase(stats);
    }
    return at.text();
}
} // namespace

QString useDatabase(int trainees)
{
    static QHash<int, QString> made;
    QString& path = made[trainees];
    if (path.isEmpty()) {
        path = QDir::temp().filePath(QStringLiteral("kursan-bench-%1.mdb").arg(trainees));
        // A scenario's process was started by a run that has just written the file; a huge one
        // is kept from run to run, written under another name and renamed once complete.
        const bool kept = trainees >= KeptFrom;
        if (kept && !QFile::exists(path)) {
            const QString part = path + QStringLiteral(".part");
            generateDatabase(part, 50, trainees);
            QFile::rename(part, path);
        } else if (!kept && (!bench::inScenario() || !QFile::exists(path))) {
            generateDatabase(path, 50, trainees);
        }
    }
    if (!qEnvironmentVariableIsEmpty("KURSAN_BENCH_SERVER"))
        return onServer(trainees, path);
    data::Database::setPath(path);
    return path;
}

} // namespace bench
