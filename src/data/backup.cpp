#include "data/backup.h"

#include "data/database.h"
#include "data/error.h"
#include "data/nativesqlite.h"
#include "data/servercopy.h"
#include "data/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

namespace data {

namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// What went wrong, in words a clerk can act on where SQLite's own would not help.
QString reason(int code, sqlite3* db)
{
    switch (code & 0xff) {
    case SQLITE_FULL: return QStringLiteral("disk penuh");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN: return QStringLiteral("tidak ada izin, atau foldernya tidak ada");
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return QStringLiteral("DataBase sedang dipakai");
    case SQLITE_CORRUPT: return QStringLiteral("isi berkas tidak utuh");
    case SQLITE_NOTADB: return QStringLiteral("bukan berkas DataBase");
    }
    return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

// A connection of our own, straight to SQLite (the online backup is not reachable through
// Qt SQL); closed on every way out.
class Connection {
public:
    Connection(const QString& path, int flags)
    {
        m_code = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
        if (m_code == SQLITE_OK)
            sqlite3_busy_timeout(m_db, 5000);
    }
    ~Connection() { sqlite3_close_v2(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* get() const { return m_db; }
    // Empty when the connection is open.
    QString failure() const { return m_code == SQLITE_OK ? QString() : reason(m_code, m_db); }

    // The first column of up to `limit` rows of `sql`; throws with `what` naming the file.
    QStringList values(const char* sql, const QString& what, int limit = 1) const
    {
        const NativeStatement stmt = prepareNative(m_db, QString::fromLatin1(sql));
        int rc = stmt ? SQLITE_OK : sqlite3_errcode(m_db);
        QStringList out;
        while (rc == SQLITE_OK || rc == SQLITE_ROW) {
            rc = sqlite3_step(stmt.get());
            if (rc == SQLITE_ROW && out.size() < limit)
                out << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
        }
        if (rc != SQLITE_DONE || out.isEmpty())
            throw Error(QStringLiteral("%1: %2").arg(what, reason(rc, m_db)));
        return out;
    }

private:
    sqlite3* m_db = nullptr;
    int m_code = SQLITE_OK;
};

// Copies the whole content of one database file into another in one step: the source stays
// readable by others, and the destination gets all of it or keeps what it had. A copy is one
// self-contained file (its own journal, not the database's write-ahead log); the database
// keeps its write-ahead log. Returns an empty text, or what went wrong.
enum class Into { Copy, Database };
QString copyDatabase(const QString& from, const QString& to, Into into)
{
    Connection source(from, SQLITE_OPEN_READONLY);
    if (!source.failure().isEmpty())
        return source.failure();
    Connection target(to, SQLITE_OPEN_READWRITE);
    if (!target.failure().isEmpty())
        return target.failure();
    sqlite3_backup* backup = sqlite3_backup_init(target.get(), "main", source.get(), "main");
    if (!backup)
        return reason(sqlite3_errcode(target.get()), target.get());
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE)
        return reason(stepped, nullptr);
    if (finished != SQLITE_OK)
        return reason(finished, target.get());
    const char* mode = into == Into::Copy ? "PRAGMA journal_mode=DELETE"
                                          : "PRAGMA journal_mode=WAL";
    const int set = sqlite3_exec(target.get(), mode, nullptr, nullptr, nullptr);
    return set == SQLITE_OK ? QString() : reason(set, target.get());
}

// The folder of the program's own files: the database's, or for a server ~/kursan.
QDir homeFolder()
{
    const Location& at = Database::location();
    return QFileInfo(at.isServer() ? Location::defaultPath() : at.path).absoluteDir();
}

// "master-sebelum-pulih-2005-03-15.mdb" beside the database (for a server, the database's
// name in ~/kursan); a later restore on the same day gets "-2", "-3", … so no kept copy is
// ever overwritten.
QString keptCopyPath(const QDate& today)
{
    const Location& at = Database::location();
    const QFileInfo db(at.isServer() ? homeFolder().filePath(at.database + QStringLiteral(".mdb"))
                                     : at.path);
    const QString stem = db.completeBaseName() + QStringLiteral("-sebelum-pulih-") +
                         today.toString(QStringLiteral("yyyy-MM-dd"));
    QString path = db.dir().filePath(stem + QStringLiteral(".mdb"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = db.dir().filePath(QStringLiteral("%1-%2.mdb").arg(stem).arg(n));
    return path;
}

} // namespace

QString backupName(const QDate& day)
{
    return QStringLiteral("kursan-%1.mdb").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

void backupTo(const QString& target)
{
    if (Database::location().isServer()) {
        writeWhole(target, QStringLiteral("Cadangan"), copyServerToFile);
        return;
    }
    const QString source = Database::path();
    if (!QFileInfo::exists(source))
        throw Error(QStringLiteral("DataBase %1 tidak ditemukan.").arg(native(source)));
    writeWhole(target, QStringLiteral("Cadangan"),
               [&](const QString& part) { return copyDatabase(source, part, Into::Copy); });
}

QString dailyFolder() { return homeFolder().filePath(QStringLiteral("cadangan")); }

QString keepDailyCopy(const QDate& today, int keep)
{
    const QDir folder(dailyFolder());
    const QString copy = folder.filePath(backupName(today));
    if (QFileInfo::exists(copy))
        return {};
    if (!makeOwnerFolder(folder.path()))
        throw Error(
            QStringLiteral("Folder cadangan %1 tidak dapat dibuat.").arg(native(folder.path())));
    backupTo(copy);
    // Only our own daily copies are ever removed, the oldest first (the names sort by date).
    // One dated after today (the clock was wrong once) is left alone and never counted, so
    // today's copy is never the one removed.
    static const QRegularExpression daily(QStringLiteral("^kursan-\\d{4}-\\d{2}-\\d{2}\\.mdb$"));
    const QString newest = backupName(today);
    QStringList copies = folder.entryList({QStringLiteral("kursan-*.mdb")}, QDir::Files,
                                          QDir::Name);
    copies.removeIf(
        [&](const QString& name) { return !daily.match(name).hasMatch() || name > newest; });
    for (qsizetype i = 0; i + keep < copies.size(); ++i)
        QFile::remove(folder.filePath(copies[i]));
    return copy;
}

void removeLeftoverCopies()
{
    removeLeftovers(homeFolder().path());
    removeLeftovers(dailyFolder());
}

BackupContents inspectBackup(const QString& file)
{
    const QString shown = native(file);
    if (Database::isDatabaseFile(file))
        throw Error(QStringLiteral("Berkas %1 adalah DataBase yang sedang dipakai.").arg(shown));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Berkas %1 tidak dapat dibaca.").arg(shown));
    if (f.read(16) != QByteArray("SQLite format 3", 16))
        throw Error(QStringLiteral("Berkas %1 bukan DataBase Kursan.").arg(shown));
    f.close();
    const FileCheck check = Database::check(file);
    if (!check.accepted())
        throw Error(check.message);

    Connection db(file, SQLITE_OPEN_READONLY);
    if (!db.failure().isEmpty())
        throw Error(QStringLiteral("Berkas %1 tidak dapat dibuka: %2.").arg(shown, db.failure()));
    const QString damaged = QStringLiteral("Berkas %1 rusak").arg(shown);
    // A clean file says "ok"; a damaged one lists its faults under a heading line.
    QStringList faults = db.values("PRAGMA integrity_check", damaged, 4);
    if (faults != QStringList{QStringLiteral("ok")}) {
        faults.removeIf(
            [](const QString& fault) { return fault.startsWith(QLatin1String("***")); });
        throw Error(QStringLiteral("%1: %2").arg(damaged, faults.join(QLatin1String("; "))));
    }
    return {db.values("SELECT count(*) FROM TKursan", damaged).constFirst().toInt(),
            db.values("SELECT count(*) FROM TKegiatan", damaged).constFirst().toInt()};
}

QString restoreFrom(const QString& file, const QDate& today)
{
    inspectBackup(file);
    const QString kept = keptCopyPath(today);
    if (!makeOwnerFolder(QFileInfo(kept).absolutePath()))
        throw Error(QStringLiteral("Folder %1 tidak dapat dibuat.")
                        .arg(native(QFileInfo(kept).absolutePath())));
    backupTo(kept);
    if (Database::location().isServer()) {
        copyFileToServer(file);
        return kept;
    }
    const QString why = copyDatabase(file, Database::path(), Into::Database);
    if (!why.isEmpty())
        throw Error(
            QStringLiteral("Isi berkas %1 tidak dapat disalin: %2.").arg(native(file), why));
    // A copy of an older program's file is brought up to this program's schema.
    Database::engine().prepare();
    return kept;
}

} // namespace data
