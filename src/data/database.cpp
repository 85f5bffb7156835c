#include "data/database.h"

#include "data/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

// The schema lives in the static library's resources, which must be registered by hand.
static void registerResources() { Q_INIT_RESOURCE(kursan); }

namespace data {

namespace {
QString& currentPath()
{
    static QString p = Database::defaultPath();
    return p;
}

// Splits the schema script into statements; none of them holds a ';' inside a literal.
QStringList statements(const QString& script)
{
    QStringList out;
    QString clean;
    for (const QString& line : script.split('\n')) {
        QString t = line.trimmed();
        if (!t.startsWith(QLatin1String("--")))
            clean += line + '\n';
    }
    for (const QString& s : clean.split(';')) {
        if (!s.trimmed().isEmpty())
            out << s.trimmed();
    }
    return out;
}

QString schemaScript()
{
    registerResources();
    QFile f(QStringLiteral(":/schema.sql"));
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Skema DataBase tidak ditemukan dalam program."));
    return QString::fromUtf8(f.readAll());
}

void create(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString name = Database::uniqueName(QStringLiteral("create"));
    bool ok = false;
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && db.transaction();
        why = db.lastError().text();
        if (ok) {
            QSqlQuery q(db);
            for (const QString& sql : statements(schemaScript())) {
                if (!q.exec(sql)) {
                    ok = false;
                    why = q.lastError().text();
                    break;
                }
            }
            ok = ok ? db.commit() : (db.rollback(), false);
            if (!ok && why.isEmpty())
                why = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok) {
        QFile::remove(path);
        throw Error(QStringLiteral("DataBase %1 tidak dapat dibuat: %2").arg(path, why));
    }
}

void check(const QString& path)
{
    const QString name = Database::uniqueName(QStringLiteral("check"));
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            problem = db.lastError().text();
        } else {
            QSqlQuery q(db);
            QSet<QString> found;
            if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master")))
                problem = q.lastError().text();
            while (q.next())
                found.insert(q.value(0).toString());
            if (problem.isEmpty()) {
                QStringList missing;
                for (const QString& t : Database::tables() + Database::views())
                    if (!found.contains(t))
                        missing << t;
                if (!missing.isEmpty())
                    problem = QStringLiteral("tidak ada %1").arg(missing.join(QLatin1String(", ")));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!problem.isEmpty())
        throw Error(QStringLiteral("Berkas %1 bukan DataBase Kursan (%2). Berkas itu tidak diubah.")
                        .arg(path, problem));
}
} // namespace

QString Database::defaultPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\kursan\\master.mdb");
#else
    return QDir::homePath() + QStringLiteral("/kursan/master.mdb");
#endif
}

QString Database::path() { return currentPath(); }
void Database::setPath(const QString& path) { currentPath() = path; }

void Database::prepare(const QString& path)
{
    if (QFileInfo::exists(path))
        check(path);
    else
        create(path);
    setPath(path);
}

QSqlDatabase Database::connect(const QString& name, bool readOnly)
{
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path());
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        // Opening a missing file would create an empty one.
        if (QFileInfo::exists(path()) && db.open())
            return db;
        why = db.lastError().text();
    }
    QSqlDatabase::removeDatabase(name); // a failed connection leaves no name behind
    throw Error(QStringLiteral("DataBase %1 tidak dapat dibuka: %2").arg(path(), why));
}

QString Database::uniqueName(const QString& prefix)
{
    static quint64 counter = 0;
    QString name;
    do
        name = QStringLiteral("%1-%2").arg(prefix).arg(++counter);
    while (QSqlDatabase::contains(name));
    return name;
}

const QStringList& Database::tables()
{
    static const QStringList t{"TUnit", "TKursan", "TSurat", "TKegiatan"};
    return t;
}

const QStringList& Database::views()
{
    static const QStringList v{"QNS", "QLapKursan", "QKursan", "QAktiv", "QSPM"};
    return v;
}

} // namespace data
