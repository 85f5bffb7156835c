#include "data/servercopy.h"

#include "data/database.h"
#include "data/error.h"
#include "data/schema.h"
#include "data/transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace data {

namespace {

// A connection of its own to a file, let go on every way out.
class FileConnection {
public:
    explicit FileConnection(const QString& path)
        : m_name(Database::uniqueName(QStringLiteral("salin")))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open())
            m_failure = db.lastError().text();
    }
    ~FileConnection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    FileConnection(const FileConnection&) = delete;
    FileConnection& operator=(const FileConnection&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    const QString& failure() const { return m_failure; }

private:
    QString m_name;
    QString m_failure;
};

// Every row of `table` read from `from` is written to `to`; returns why not, empty when done.
QString copyRows(const QSqlDatabase& from, const QSqlDatabase& to, const QString& table,
                 const QString& order)
{
    const QStringList columns = schema::columns().value(table);
    QSqlQuery read(from);
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                       .arg(columns.join(QStringLiteral(", ")), table, order)))
        return QStringLiteral("%1: %2").arg(table, read.lastError().text());
    QSqlQuery write(to);
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    write.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    while (read.next()) {
        for (int i = 0; i < columns.size(); ++i)
            write.bindValue(i, read.value(i));
        if (!write.exec())
            return QStringLiteral("%1: %2").arg(table, write.lastError().text());
    }
    if (read.lastError().isValid())
        return QStringLiteral("%1: %2").arg(table, read.lastError().text());
    return {};
}

} // namespace

QString copyServerToFile(const QString& emptyFile)
{
    QString why = FileEngine::makeSchemaIn(emptyFile);
    if (!why.isEmpty())
        return why;
    const FileConnection file(emptyFile);
    if (!file.failure().isEmpty())
        return file.failure();
    struct Release {
        QString name;
        ~Release() { QSqlDatabase::removeDatabase(name); }
    } const server{Database::uniqueName(QStringLiteral("cadangan"))};
    try {
        QSqlDatabase source = Database::connect(server.name, true);
        QSqlDatabase target = file.db();
        // One snapshot of the server, written into the copy in one transaction.
        source.transaction();
        target.transaction();
        for (const QString& table : schema::tables()) {
            why = copyRows(source, target, table, Database::engine().tableOrder(table));
            if (!why.isEmpty())
                break;
        }
        source.rollback();
        if (why.isEmpty() && !target.commit())
            why = target.lastError().text();
        if (!why.isEmpty())
            target.rollback();
        source.close();
    } catch (const Error& e) {
        return e.message();
    }
    return why;
}

void copyFileToServer(const QString& file)
{
    const FileConnection source(file);
    if (!source.failure().isEmpty())
        throw Error(QStringLiteral("Berkas %1 tidak dapat dibuka: %2").arg(file, source.failure()));
    struct Release {
        QString name;
        ~Release() { QSqlDatabase::removeDatabase(name); }
    } const server{Database::uniqueName(QStringLiteral("pulih"))};
    QSqlDatabase target = Database::connect(server.name, false);
    const Engine& engine = Database::engine();
    inTransaction(target, [&](QSqlDatabase& db) {
        QSqlQuery empty(db);
        if (!empty.exec(
                QStringLiteral("TRUNCATE %1").arg(schema::tables().join(QStringLiteral(", ")))))
            throw Error(QStringLiteral("Data di server tidak dapat diganti: %1")
                            .arg(engine.reason(empty.lastError())));
        for (const QString& table : schema::tables()) {
            const QString why = copyRows(source.db(), db, table, QStringLiteral("rowid"));
            if (!why.isEmpty())
                throw Error(QStringLiteral("Data tidak dapat dipulihkan ke server: %1").arg(why));
        }
    });
    target.close();
}

} // namespace data
