#include "data/serverengine.h"

#include "data/database.h"
#include "data/error.h"
#include "data/schema.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace data {

namespace {

// The key of the lock every saving transaction takes, so desks write one after the other as
// copies of the program on one file do (any number; the same in every copy of the program).
constexpr int WriteLock = 20051;

QString sqlState(const QSqlError& error) { return error.nativeErrorCode(); }

// Runs `work` on a connection of its own and lets it go afterwards, however `work` ends.
// Whether the database holds this program's schema, and how many tables and views it holds.
struct Found {
    bool ours = false;
    qint64 objects = 0;
};
Found probe(QSqlQuery& q)
{
    Found found;
    if (!q.exec(QStringLiteral("SELECT to_regclass('kursanversi') IS NOT NULL, "
                               "(SELECT count(*) FROM pg_catalog.pg_class c JOIN "
                               "pg_catalog.pg_namespace n ON n.oid = c.relnamespace WHERE "
                               "n.nspname = current_schema() AND c.relkind IN ('r', 'v', 'm', "
                               "'p'))")) ||
        !q.next())
        return found;
    found.ours = q.value(0).toBool();
    found.objects = q.value(1).toLongLong();
    q.finish();
    return found;
}

template <typename Work> void withConnection(const ServerEngine& engine, Work&& work)
{
    struct Release {
        QString name;
        ~Release() { QSqlDatabase::removeDatabase(name); }
    } const release{Database::uniqueName(QStringLiteral("siap"))};
    QSqlDatabase db = engine.connect(release.name, false);
    work(db);
    db.close();
}

} // namespace

ServerEngine::ServerEngine(const Location& location, QString password)
    : Engine(location), m_password(std::move(password))
{
}

QSqlDatabase ServerEngine::connect(const QString& name, bool readOnly) const
{
    const Location& at = location();
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        if (!db.isValid()) {
            why = QStringLiteral("penghubung PostgreSQL (libqt6sql6-psql) tidak terpasang");
        } else {
            db.setHostName(at.host);
            if (at.port)
                db.setPort(at.port);
            db.setDatabaseName(at.database);
            db.setUserName(at.user);
            if (!m_password.isEmpty())
                db.setPassword(m_password);
            // A save waits for another desk's lock as long as a save on the file does; a
            // report's connection cannot write at all.
            QString session = QStringLiteral("-c lock_timeout=5000");
            if (readOnly)
                session += QStringLiteral(" -c default_transaction_read_only=on");
            // A report reads one snapshot, as the file's write-ahead log gives it.
            if (readOnly)
                session += QStringLiteral(" -c default_transaction_isolation=repeatable\\\\ read");
            QStringList options = at.options;
            options << QStringLiteral("connect_timeout=5")
                    << QStringLiteral("application_name=Kursan")
                    << QStringLiteral("options='%1'").arg(session);
            db.setConnectOptions(options.join(QLatin1Char(';')));
            if (db.open())
                return db;
            why = reason(db.lastError());
        }
    }
    QSqlDatabase::removeDatabase(name); // a failed connection leaves no name behind
    throw Error(QStringLiteral("Server %1 tidak dapat dipakai: %2.").arg(at.shown(), why));
}

QString ServerEngine::reason(const QSqlError& error) const
{
    const QString text = error.text();
    const QString state = sqlState(error);
    const QString user = location().user.isEmpty() ? QStringLiteral("ini") : location().user;
    auto says = [&](const char* words) {
        return text.contains(QLatin1String(words), Qt::CaseInsensitive);
    };
    if (state == QLatin1String("42501"))
        return QStringLiteral("pengguna %1 tidak punya hak untuk itu; minta pemilik database "
                              "memberi hak (GRANT)")
            .arg(user);
    if (says("password authentication failed"))
        return QStringLiteral("kata sandi pengguna %1 salah").arg(user);
    if (says("no password supplied") || says("fe_sendauth"))
        return QStringLiteral("kata sandi diperlukan (PGPASSWORD atau ~/.pgpass)");
    if (says("role") && says("does not exist"))
        return QStringLiteral("pengguna %1 tidak dikenal server").arg(user);
    if (says("database") && says("does not exist"))
        return QStringLiteral("database %1 tidak ada di server").arg(location().database);
    if (says("pg_hba.conf"))
        return QStringLiteral("server tidak mengizinkan komputer ini (pg_hba.conf)");
    if (says("could not connect") || says("connection refused") || says("timeout expired") ||
        says("could not translate host name") || says("no such file or directory") ||
        says("server closed the connection") || says("no connection to the server") ||
        says("terminating connection") || state.startsWith(QLatin1String("08")) ||
        state.startsWith(QLatin1String("57P")))
        return QStringLiteral("server tidak dapat dihubungi");
    if (isBusy(error))
        return QStringLiteral("data sedang dipakai meja lain; coba lagi sebentar lagi");
    return text;
}

void ServerEngine::recover(QSqlDatabase& db) const
{
    QSqlQuery alive(db);
    if (alive.exec(QStringLiteral("SELECT 1")))
        return;
    db.close();
    db.open(); // fails while the server is away; the next action tries again
}

QSqlError ServerEngine::beginWrite(QSqlDatabase& db) const
{
    if (!db.transaction()) {
        const QSqlError failed = db.lastError();
        recover(db);
        return failed;
    }
    QSqlQuery lock(db);
    lock.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
    lock.addBindValue(WriteLock);
    if (lock.exec())
        return {};
    const QSqlError failed = lock.lastError();
    db.rollback();
    return failed;
}

bool ServerEngine::isBusy(const QSqlError& error) const
{
    const QString state = sqlState(error);
    return state == QLatin1String("55P03") || state == QLatin1String("40P01") ||
           state == QLatin1String("40001");
}

void ServerEngine::prepare()
{
    const Location& at = location();
    auto refused = [&](const QString& why) {
        return Error(QStringLiteral("Server %1 tidak dapat dipakai: %2.").arg(at.shown(), why));
    };
    withConnection(*this, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        const Found found = probe(q);
        if (q.lastError().isValid())
            throw refused(reason(q.lastError()));
        const bool ours = found.ours;
        if (!ours && found.objects > 0)
            throw refused(QStringLiteral("database %1 berisi data lain, bukan DataBase Kursan; "
                                         "database itu tidak diubah")
                              .arg(at.database));
        auto inOneTransaction = [&](const QStringList& statements) {
            if (QSqlError e = beginWrite(db); e.isValid())
                throw refused(reason(e));
            for (const QString& sql : statements)
                if (!q.exec(sql)) {
                    const QSqlError e = q.lastError();
                    db.rollback();
                    throw refused(sqlState(e) == QLatin1String("42501")
                                      ? QStringLiteral("pengguna %1 tidak boleh mengubah skema; "
                                                       "jalankan Kursan sekali sebagai pemilik "
                                                       "database")
                                            .arg(at.user)
                                      : reason(e));
                }
            if (!db.commit()) {
                const QSqlError e = db.lastError();
                db.rollback();
                throw refused(reason(e));
            }
        };
        if (!ours) {
            inOneTransaction(schema::statements(schema::Engine::Server) +
                             QStringList{QStringLiteral("INSERT INTO KursanVersi VALUES (%1)")
                                             .arg(schema::CurrentVersion)});
            return;
        }
        auto unreadable = [&](const QString& source) {
            return refused(
                sqlState(q.lastError()) == QLatin1String("42501")
                    ? QStringLiteral("pengguna %1 tidak punya hak membaca %2").arg(at.user, source)
                    : QStringLiteral("%1 tidak dapat dibaca: %2")
                          .arg(source, reason(q.lastError())));
        };
        if (!q.exec(QStringLiteral("SELECT Versi FROM KursanVersi")))
            throw unreadable(QStringLiteral("KursanVersi"));
        if (!q.next())
            throw refused(QStringLiteral("versi skemanya tidak tercatat"));
        const int version = q.value(0).toInt();
        q.finish();
        if (version > schema::CurrentVersion)
            throw refused(QStringLiteral("database dibuat oleh program Kursan yang lebih baru "
                                         "(skema versi %1; program ini sampai versi %2); database "
                                         "itu tidak diubah")
                              .arg(version)
                              .arg(schema::CurrentVersion));
        if (version < schema::CurrentVersion)
            inOneTransaction(schema::steps(schema::Engine::Server, version) +
                             QStringList{QStringLiteral("UPDATE KursanVersi SET Versi = %1")
                                             .arg(schema::CurrentVersion)});
        // The log of changes is kept short; a desk that may not do so leaves it to another.
        if (!q.exec(QStringLiteral("DELETE FROM %1 WHERE Nomor <= (SELECT max(Nomor) FROM %1) "
                                   "- %2")
                        .arg(schema::ChangeLog)
                        .arg(schema::KeptChanges)))
            q.finish();
        if (!q.exec(QStringLiteral("SELECT 1 FROM %1 LIMIT 0").arg(schema::ChangeLog)))
            throw unreadable(schema::ChangeLog);
        // Every table and view with its columns in order, and readable by this desk.
        for (const QString& source : schema::tables() + schema::views()) {
            const QStringList wanted = schema::columns().value(source);
            if (!q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(source)))
                throw unreadable(source);
            QStringList names;
            for (int i = 0; i < q.record().count(); ++i)
                names << schema::canonical(q.record().fieldName(i));
            if (names != wanted)
                throw refused(QStringLiteral("kolom %1 adalah %2, seharusnya %3")
                                  .arg(source, names.join(QStringLiteral(", ")),
                                       wanted.join(QStringLiteral(", "))));
        }
    });
}

QString ServerEngine::test() const
{
    QString what;
    withConnection(*this, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        const Found found = probe(q);
        if (q.lastError().isValid())
            throw Error(
                QStringLiteral("Server %1: %2").arg(location().shown(), reason(q.lastError())));
        what = found.ours ? QStringLiteral("DataBase Kursan")
               : found.objects == 0
                   ? QStringLiteral("database kosong; tabelnya dibuat saat Kursan dimulai oleh "
                                    "pemilik database")
                   : QStringLiteral("database berisi data lain, bukan DataBase Kursan");
    });
    return what;
}

QString ServerEngine::integerOf(const QString& text) const
{
    return QStringLiteral("kursan_int(%1)").arg(text);
}

QString ServerEngine::startsWithDigit(const QString& text) const
{
    return QStringLiteral("%1 ~ '^[0-9]'").arg(text);
}

QString ServerEngine::equalIgnoringCase(const QString& a, const QString& b) const
{
    return QStringLiteral("lower(%1) = lower(%2)").arg(a, b);
}

QString ServerEngine::rowid(const QString& table) const
{
    return QStringLiteral("kursan_rowid(%1.ctid)").arg(table);
}

// Keys compare as the file compares them, byte by byte, whatever the server's language.
QString ServerEngine::tableOrder(const QString& table) const
{
    if (table == QLatin1String("TUnit"))
        return QStringLiteral("TUnit.Kode_Unit COLLATE \"C\"");
    if (table == QLatin1String("TKursan"))
        return QStringLiteral("kursan_int(TKursan.Np), TKursan.Np COLLATE \"C\"");
    if (table == QLatin1String("TSurat"))
        return QStringLiteral("kursan_int(substr(TSurat.Ns, 3)), TSurat.Ns COLLATE \"C\"");
    return QStringLiteral("kursan_int(%1.Np), %1.ctid").arg(table); // the placements
}

// A list of one table as the server stores it, as the file's lists print; a joined report by
// its placements, so its pages never come in the order of however the server joined.
QString ServerEngine::commandOrder(const QStringList& tables) const
{
    if (tables.size() == 1)
        return {};
    return QStringLiteral("ORDER BY ") + tableOrder(QStringLiteral("TKegiatan"));
}

QString ServerEngine::snapshotOrder(const QString& table) const
{
    return table == QLatin1String("TUnit") ? QStringLiteral(" ORDER BY ") + tableOrder(table)
                                           : QString();
}

// The inverse of kursan_rowid: the block and the place in it.
QVariant ServerEngine::rowidValue(qint64 rowid) const
{
    return QStringLiteral("(%1,%2)").arg(rowid / 65536).arg(rowid % 65536);
}

} // namespace data
