#include "data/fileengine.h"

#include "data/database.h"
#include "data/error.h"
#include "data/schema.h"
#include "data/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QUrl>
#include <algorithm>

namespace data {

namespace {

// SQLITE_BUSY or SQLITE_LOCKED, extended codes included: another connection holds the file.
bool isBusyCode(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 5 || code == 6;
}

// A file as an SQLite URI. Mode "rw" opens an existing file only, so a check never leaves an
// empty file behind (for instance through a link whose drive is not mounted).
QString uriOf(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
           QStringLiteral("?mode=rw");
}

// Runs `work` on a connection of its own and lets the connection go afterwards.
template <typename Work>
void withConnection(const QString& databaseName, const QString& options, Work&& work)
{
    const QString name = Database::uniqueName(QStringLiteral("check"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databaseName);
        db.setConnectOptions(options);
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// Runs the whole schema of `version` in one transaction and records the version; returns
// why it failed, empty when it did not.
QString runSchema(QSqlDatabase& db, int version = schema::CurrentVersion)
{
    if (!db.open() || !db.transaction())
        return db.lastError().text();
    QString why;
    {
        QSqlQuery q(db);
        for (const QString& sql :
             schema::statements(schema::Engine::File, version) +
                 QStringList{QStringLiteral("PRAGMA user_version = %1").arg(version)}) {
            if (!q.exec(sql)) {
                why = q.lastError().text();
                break;
            }
        }
    }
    if (why.isEmpty() && db.commit())
        return {};
    if (why.isEmpty())
        why = db.lastError().text();
    db.rollback();
    return why;
}

// The columns of a table or view in order; `error` is set when they cannot be read.
QStringList columnsOf(const QSqlDatabase& db, const QString& source, QSqlError& error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"));
    q.addBindValue(source);
    QStringList names;
    if (q.exec())
        while (q.next())
            names << q.value(0).toString();
    error = q.lastError();
    return names;
}

// What the schema of a version makes: the columns of every table and view, and the
// definition of every object (tables, views and the indexes SQLite makes for keys), by name.
struct Made {
    QHash<QString, QStringList> columns;
    QHash<QString, std::pair<QString, QString>> objects; // name -> type, definition
};

// The objects of a file, leaving out SQLite's own (statistics, sequences); the definitions
// with their spacing made even, so only what they define is compared.
QHash<QString, std::pair<QString, QString>> objectsOf(const QSqlDatabase& db, QSqlError& error)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QSqlQuery q(db);
    QHash<QString, std::pair<QString, QString>> objects;
    if (q.exec(QStringLiteral("SELECT type, name, sql FROM sqlite_master "
                              "WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'")))
        while (q.next())
            objects.insert(q.value(1).toString(),
                           {q.value(0).toString(),
                            q.value(2).toString().replace(space, QStringLiteral(" ")).trimmed()});
    error = q.lastError();
    return objects;
}

const Made& made(int version)
{
    static QHash<int, Made> byVersion;
    if (const auto it = byVersion.constFind(version); it != byVersion.constEnd())
        return *it;
    Made out;
    QString why;
    withConnection(QStringLiteral(":memory:"), {}, [&](QSqlDatabase& db) {
        why = runSchema(db, version);
        QSqlError error;
        for (const QString& source : schema::tables() + schema::views())
            if (why.isEmpty())
                out.columns.insert(source, columnsOf(db, source, error));
        if (why.isEmpty())
            out.objects = objectsOf(db, error);
        if (why.isEmpty() && error.isValid())
            why = error.text();
    });
    if (!why.isEmpty())
        throw Error(QStringLiteral("Skema DataBase dalam program rusak: %1").arg(why));
    return *byVersion.insert(version, out);
}

QString kindName(const QString& type)
{
    if (type == QLatin1String("table"))
        return QStringLiteral("tabel");
    if (type == QLatin1String("view"))
        return QStringLiteral("query");
    if (type == QLatin1String("index"))
        return QStringLiteral("indeks");
    return type; // "trigger"
}

// The first object that the program did not make, or made otherwise; empty when none.
QString foreignObject(const QHash<QString, std::pair<QString, QString>>& found,
                      const QHash<QString, std::pair<QString, QString>>& wanted)
{
    QStringList names = found.keys();
    names.sort();
    for (const QString& name : names) {
        const auto& [type, definition] = found.value(name);
        if (!wanted.contains(name))
            return QStringLiteral("%1 %2 bukan buatan Kursan").arg(kindName(type), name);
        if (wanted.value(name) != found.value(name))
            return QStringLiteral("%1 %2 tidak sama dengan buatan Kursan")
                .arg(kindName(type), name);
    }
    return {};
}

// The first way in which the columns found differ from those wanted; empty when they agree.
QString firstDifference(const QString& source, const QStringList& found, const QStringList& wanted)
{
    for (qsizetype i = 0; i < std::max(found.size(), wanted.size()); ++i) {
        if (i < found.size() && i < wanted.size() && found[i] == wanted[i])
            continue;
        if (i < wanted.size() && !found.contains(wanted[i]))
            return QStringLiteral("%1 tidak punya kolom %2").arg(source, wanted[i]);
        if (i < found.size() && !wanted.contains(found[i]))
            return QStringLiteral("%1 punya kolom %2 yang tidak dikenal").arg(source, found[i]);
        return QStringLiteral("kolom ke-%1 %2 adalah %3, seharusnya %4")
            .arg(i + 1)
            .arg(source, found[i], wanted[i]);
    }
    return {};
}

// Why the file behind `db` is not a sound Kursan database with the `wanted` columns; empty
// when it is. `error` receives the SQLite error that stopped the reading, if any.
QString problemOf(QSqlDatabase& db, bool full, QSqlError& error)
{
    if (!db.open()) {
        error = db.lastError();
        return error.text();
    }
    QSqlQuery q(db);
    // The first read takes a lock, and with it rolls back a save that a crash cut short.
    QHash<QString, QString> kinds;
    if (q.exec(QStringLiteral("SELECT name, type FROM sqlite_master")))
        while (q.next())
            kinds.insert(q.value(0).toString(), q.value(1).toString());
    if (q.lastError().isValid()) {
        error = q.lastError();
        return error.text();
    }

    QStringList damage;
    if (q.exec(full ? QStringLiteral("PRAGMA integrity_check")
                    : QStringLiteral("PRAGMA quick_check")))
        while (q.next() && damage.size() < 3)
            damage << q.value(0).toString();
    if (q.lastError().isValid()) {
        error = q.lastError();
        return QStringLiteral("berkas rusak: %1").arg(error.text());
    }
    if (damage != QStringList{QStringLiteral("ok")})
        return QStringLiteral("berkas rusak: %1").arg(damage.join(QLatin1String("; ")));

    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        error = q.lastError();
        return error.text();
    }
    // Files made before versions were recorded hold 0: they are the first version.
    const int version = std::max(1, q.value(0).toInt());
    if (version > schema::CurrentVersion)
        return QStringLiteral("dibuat oleh program Kursan yang lebih baru, skema versi %1; "
                              "program ini sampai versi %2")
            .arg(version)
            .arg(schema::CurrentVersion);
    q.finish();
    const Made& wanted = made(version);

    QStringList missing;
    for (const QString& source : schema::tables() + schema::views())
        if (!kinds.contains(source))
            missing << source;
    if (!missing.isEmpty())
        return QStringLiteral("tidak ada %1").arg(missing.join(QLatin1String(", ")));
    for (const QString& table : schema::tables())
        if (kinds.value(table) != QLatin1String("table"))
            return QStringLiteral("%1 bukan tabel").arg(table);
    for (const QString& view : schema::views())
        if (kinds.value(view) != QLatin1String("view"))
            return QStringLiteral("%1 bukan query").arg(view);

    for (const QString& source : schema::tables() + schema::views()) {
        const QStringList found = columnsOf(db, source, error);
        if (error.isValid())
            return QStringLiteral("%1 tidak dapat dibaca: %2").arg(source, error.text());
        const QString difference = firstDifference(source, found, wanted.columns.value(source));
        if (!difference.isEmpty())
            return difference;
    }
    const auto objects = objectsOf(db, error);
    if (error.isValid())
        return error.text();
    return foreignObject(objects, wanted.objects);
}

// Write-ahead logging: a report reads a consistent snapshot while forms save, and every
// copy of the program on the file keeps it so (a restored file could bring another mode).
void useOneJournalMode(const QString& path)
{
    QString why;
    bool busy = false;
    withConnection(uriOf(path), QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=500"),
                   [&](QSqlDatabase& db) {
                       QSqlQuery q(db);
                       if (db.open() && q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) &&
                           q.next() && q.value(0).toString() == QLatin1String("wal"))
                           return;
                       busy = isBusyCode(q.lastError());
                       why = q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
                   });
    const QString shown = QDir::toNativeSeparators(path);
    if (busy)
        throw InUseError(
            QStringLiteral("DataBase %1 sedang dipakai oleh program lain.").arg(shown));
    if (!why.isEmpty())
        throw Error(QStringLiteral("DataBase %1 tidak dapat dipakai: %2").arg(shown, why));
}

// Keeps the newest entries of the log of changed rows.
QString pruneChangeLog()
{
    return QStringLiteral("DELETE FROM %1 WHERE Nomor <= (SELECT max(Nomor) FROM %1) - %2")
        .arg(schema::ChangeLog)
        .arg(schema::KeptChanges);
}

// Brings a file of an older version up to this program's, and keeps its log of changes short: every
// step in one transaction that holds the write lock, the version recorded with them.
void applySteps(const QString& path)
{
    QString why;
    bool busy = false;
    withConnection(
        uriOf(path), QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=500"),
        [&](QSqlDatabase& db) {
            QSqlQuery q(db);
            if (!db.open() || !q.exec(QStringLiteral("BEGIN IMMEDIATE")) ||
                !q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                busy = isBusyCode(q.lastError());
                why = q.lastError().text();
                return;
            }
            const int version = q.value(0).toInt();
            q.finish();
            QStringList work = schema::steps(schema::Engine::File, std::max(1, version));
            if (version != schema::CurrentVersion)
                work << QStringLiteral("PRAGMA user_version = %1").arg(schema::CurrentVersion);
            work << pruneChangeLog();
            for (const QString& sql : work)
                if (!q.exec(sql)) {
                    why = q.lastError().text();
                    q.exec(QStringLiteral("ROLLBACK"));
                    return;
                }
            if (!q.exec(QStringLiteral("COMMIT")))
                why = q.lastError().text();
        });
    const QString shown = QDir::toNativeSeparators(path);
    if (busy)
        throw InUseError(
            QStringLiteral("DataBase %1 sedang dipakai oleh program lain.").arg(shown));
    if (!why.isEmpty())
        throw Error(QStringLiteral("Skema DataBase %1 tidak dapat diperbarui: %2").arg(shown, why));
}

bool takenPath(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink(); // a dangling link takes the place too
}

// Makes the database under a temporary name in the target folder and moves it into place
// only when it is complete and the path is still free, so a failed or concurrent first start
// never leaves a half-made file and never removes anything it did not make. Returns false
// when something else took the path first.
bool create(const QString& path)
{
    const QFileInfo target(path);
    auto failure = [&](const QString& why) {
        return Error(QStringLiteral("DataBase %1 tidak dapat dibuat: %2")
                         .arg(QDir::toNativeSeparators(path), why));
    };
    if (!makeOwnerFolder(target.absolutePath()))
        throw failure(QStringLiteral("folder %1 tidak dapat dibuat")
                          .arg(QDir::toNativeSeparators(target.absolutePath())));
    // Readable by its owner only; SQLite gives its journal the same mode.
    PartFile made(path);
    if (!made.ok())
        throw failure(made.errorString());
    QString why;
    withConnection(uriOf(made.fileName()), QStringLiteral("QSQLITE_OPEN_URI"),
                   [&](QSqlDatabase& db) { why = runSchema(db); });
    if (!why.isEmpty())
        throw failure(why);
    if (made.moveTo(path, why, false))
        return true;
    if (takenPath(path))
        return false;
    throw failure(QStringLiteral("berkas baru tidak dapat dipindah ke tempatnya"));
}
} // namespace

FileEngine::FileEngine(const QString& path) : Engine(Location::file(path)) {}

void FileEngine::prepare()
{
    const QString& path = location().path;
    if (takenPath(path) || !create(path)) {
        const FileCheck found = check(path);
        if (found.outcome == FileCheck::Outcome::InUse)
            throw InUseError(found.message);
        if (!found.accepted())
            throw Error(found.message);
    }
    useOneJournalMode(path);
    applySteps(path);
}

FileCheck FileEngine::check(const QString& path, Depth depth, int waitMs)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo file(path);
    if (!file.exists()) {
        const QString why = file.isSymLink()
                                ? QStringLiteral(
                                      "Berkas %1 menunjuk ke %2, yang tidak ada. Berkas itu "
                                      "tidak diubah.")
                                      .arg(shown, QDir::toNativeSeparators(file.symLinkTarget()))
                                : QStringLiteral("DataBase %1 tidak ditemukan.").arg(shown);
        return {FileCheck::Outcome::Refused, why};
    }
    made(schema::CurrentVersion); // made before the connection, which it would outlive
    FileCheck result;
    withConnection(
        uriOf(path), QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(waitMs),
        [&](QSqlDatabase& db) {
            QSqlError error;
            const QString problem = problemOf(db, depth == Depth::Full, error);
            if (isBusyCode(error))
                result = {
                    FileCheck::Outcome::InUse,
                    QStringLiteral("DataBase %1 sedang dipakai oleh program lain.").arg(shown)};
            else if (!problem.isEmpty())
                result = {FileCheck::Outcome::Refused,
                          QStringLiteral("Berkas %1 bukan DataBase Kursan (%2). Berkas itu "
                                         "tidak diubah.")
                              .arg(shown, problem)};
        });
    return result;
}

QSqlDatabase FileEngine::connect(const QString& name, bool readOnly) const
{
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(location().path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        // Opening a missing file would create an empty one.
        if (QFileInfo::exists(location().path) && db.open())
            return db;
        why = db.lastError().text();
    }
    QSqlDatabase::removeDatabase(name); // a failed connection leaves no name behind
    throw Error(QStringLiteral("DataBase %1 tidak dapat dibuka: %2").arg(location().path, why));
}

QString FileEngine::test() const
{
    const QString& path = location().path;
    if (!QFileInfo::exists(path))
        return QStringLiteral("berkas belum ada; dibuat saat Kursan dimulai");
    const FileCheck found = check(path);
    if (!found.accepted())
        throw Error(found.message);
    return QStringLiteral("DataBase Kursan");
}

QString FileEngine::makeSchemaIn(const QString& emptyFile)
{
    QString why;
    withConnection(uriOf(emptyFile), QStringLiteral("QSQLITE_OPEN_URI"),
                   [&](QSqlDatabase& db) { why = runSchema(db); });
    return why;
}

QSqlError FileEngine::beginWrite(QSqlDatabase& db) const
{
    QSqlQuery begin(db);
    return begin.exec(QStringLiteral("BEGIN IMMEDIATE")) ? QSqlError() : begin.lastError();
}

bool FileEngine::isBusy(const QSqlError& error) const { return isBusyCode(error); }

QString FileEngine::integerOf(const QString& text) const
{
    return QStringLiteral("CAST(%1 AS INTEGER)").arg(text);
}

QString FileEngine::startsWithDigit(const QString& text) const
{
    return QStringLiteral("substr(%1, 1, 1) GLOB '[0-9]'").arg(text);
}

QString FileEngine::equalIgnoringCase(const QString& a, const QString& b) const
{
    return QStringLiteral("%1 = %2 COLLATE NOCASE").arg(a, b);
}

QString FileEngine::rowid(const QString& table) const { return table + QStringLiteral(".rowid"); }

} // namespace data
