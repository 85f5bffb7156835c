#include "data/deLaporan.h"

#include "data/database.h"
#include "data/error.h"
#include "data/nativepostgres.h"
#include "data/nativesqlite.h"
#include "data/reportcommands.h"
#include "data/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace data {

namespace {

// SQLite may name a column "TKursan.Ns", or "Ns:1" when a nested join holds two columns Ns.
QString bareName(const QString& name)
{
    static const QRegularExpression suffix(QStringLiteral(":\\d+$"));
    QString bare = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
    bare.remove(suffix);
    return schema::canonical(bare); // the server answers in lower case
}

} // namespace

deLaporan& deLaporan::instance()
{
    static QPointer<deLaporan> one;
    if (!one)
        one = new deLaporan(QCoreApplication::instance());
    return *one;
}

deLaporan::deLaporan(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("deLaporan"));
}

deLaporan::~deLaporan() { close(); }

QString deLaporan::commandText(const QString& command)
{
    const ReportCommand* c = reportCommand(command);
    return c ? c->text() : QString();
}

void deLaporan::close()
{
    if (m_name.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
    m_openedPath.clear();
}

QSqlDatabase& deLaporan::connection()
{
    // The program's database never moves; only a test or the batch printer points elsewhere.
    if (!m_name.isEmpty() && m_openedPath != Database::location().shown())
        close();
    if (m_name.isEmpty()) {
        const Location& at = Database::location();
        if (!at.isServer() && !QFileInfo::exists(at.path))
            throw Error(QStringLiteral("DataBase %1 tidak ditemukan.").arg(at.shown()));
        const QString name = Database::uniqueName(QStringLiteral("Connection1"));
        m_db = Database::connect(name, true);
        m_name = name;
        m_openedPath = at.shown();
    } else {
        Database::engine().recover(m_db); // a server that went away and came back
    }
    return m_db;
}

namespace {

// A command's rows as SQLite steps through them: only the current row is held. A column name
// that comes twice is read once.
class CommandCursor : public RowCursor {
public:
    CommandCursor(const QString& command, const QString& path) : m_command(command), m_path(path) {}

protected:
    void addColumn(const QString& name, int index)
    {
        const QString bare = bareName(name);
        if (m_columns.contains(bare))
            return;
        m_columns << bare;
        m_read << index;
    }

    // A lock held past the wait is the database in use, which trying later may mend.
    [[noreturn]] void failRead(const QString& why, bool busy) const
    {
        if (busy)
            throw InUseError(QStringLiteral("DataBase %1 sedang dipakai oleh program lain.")
                                 .arg(QDir::toNativeSeparators(m_path)));
        throw Error(QStringLiteral("Perintah %1 gagal membaca DataBase %2: %3")
                        .arg(m_command, m_path, why));
    }

    QString m_command;
    QString m_path;
    QList<int> m_read; // the query's column of each column kept
};

// Through Qt's driver.
class QueryCursor : public CommandCursor {
public:
    QueryCursor(QSqlQuery&& query, const QString& command, const QString& path)
        : CommandCursor(command, path), m_query(std::move(query))
    {
        const QSqlRecord record = m_query.record();
        for (int i = 0; i < record.count(); ++i)
            addColumn(record.fieldName(i), i);
    }

    bool next() override
    {
        if (m_query.next())
            return true;
        if (m_query.lastError().isValid())
            failRead(m_query.lastError().text(), Database::isBusy(m_query.lastError()));
        m_query.finish(); // the read ends here, not when the cursor goes
        return false;
    }

    QString value(int column) const override { return m_query.value(m_read[column]).toString(); }

private:
    QSqlQuery m_query;
};

// Straight from SQLite, with the texts Qt's driver gives (a real as its shortest decimal).
class NativeCursor : public CommandCursor {
public:
    NativeCursor(NativeStatement statement, const QString& command, const QString& path)
        : CommandCursor(command, path), m_statement(std::move(statement))
    {
        for (int i = 0; i < sqlite3_column_count(m_statement.get()); ++i)
            addColumn(QString::fromUtf8(sqlite3_column_name(m_statement.get(), i)), i);
    }

    bool next() override
    {
        if (!m_statement)
            return false;
        const int rc = sqlite3_step(m_statement.get());
        if (rc == SQLITE_ROW)
            return true;
        const QString why = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement.get())));
        m_statement.reset(); // the read ends here, not when the cursor goes
        if (rc != SQLITE_DONE)
            failRead(why, (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED);
        return false;
    }

    QString value(int column) const override
    {
        sqlite3_stmt* statement = m_statement.get();
        const int i = m_read[column];
        switch (sqlite3_column_type(statement, i)) {
        case SQLITE_NULL: return {};
        case SQLITE_FLOAT:
            return QString::number(sqlite3_column_double(statement, i), 'g',
                                   QLocale::FloatingPointShortest);
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            return QString::fromUtf8(text, sqlite3_column_bytes(statement, i));
        }
        }
    }

private:
    NativeStatement m_statement;
};

// From the server through a cursor of its own, a batch of rows at a time: straight from
// libpq, and never more than a batch in memory however long the report.
class ServerCursor : public CommandCursor {
public:
    ServerCursor(pg_conn* connection, const QString& sql, const QVariantList& values,
                 const QString& command, const QString& path)
        : CommandCursor(command, path), m_connection(connection)
    {
        static const QRegularExpression end(QStringLiteral("[;\\s]*$"));
        run(PgResult(PQexec(m_connection, "BEGIN")), PGRES_COMMAND_OK);
        m_open = true;
        const PgParameters parameters(values);
        const QByteArray declare = (QStringLiteral("DECLARE kursan_laporan NO SCROLL CURSOR FOR ") +
                                    numberedMarks(QString(sql).remove(end)))
                                       .toUtf8();
        run(PgResult(PQexecParams(m_connection, declare.constData(), parameters.count(), nullptr,
                                  parameters.values(), nullptr, nullptr, 0)),
            PGRES_COMMAND_OK);
        fetch();
        m_row = -1; // before the first row
        for (int i = 0; i < PQnfields(m_batch.get()); ++i)
            addColumn(QString::fromUtf8(PQfname(m_batch.get(), i)), i);
    }
    ~ServerCursor() override { finish(); }

    bool next() override
    {
        if (!m_batch)
            return false;
        if (++m_row < PQntuples(m_batch.get()))
            return true;
        if (PQntuples(m_batch.get()) == Batch) {
            fetch();
            if (PQntuples(m_batch.get()) > 0)
                return true;
        }
        finish(); // the read ends here, not when the cursor goes
        return false;
    }

    QString value(int column) const override
    {
        return valueText(m_batch.get(), m_row, m_read[column]);
    }

private:
    static constexpr int Batch = 2000;

    void run(PgResult result, int wanted)
    {
        if (PQresultStatus(result.get()) == wanted)
            return;
        const QString why = pgError(m_connection, result.get());
        finish();
        failRead(why, false);
    }
    void fetch()
    {
        PgResult batch(PQexec(m_connection, "FETCH FORWARD 2000 FROM kursan_laporan"));
        if (PQresultStatus(batch.get()) != PGRES_TUPLES_OK)
            run(std::move(batch), PGRES_TUPLES_OK);
        m_batch = std::move(batch);
        m_row = 0;
    }
    void finish()
    {
        m_batch.reset();
        if (m_open)
            PgResult(PQexec(m_connection, "ROLLBACK")); // it only read
        m_open = false;
    }

    pg_conn* m_connection;
    PgResult m_batch;
    int m_row = -1;
    bool m_open = false;
};

} // namespace

std::unique_ptr<RowCursor> deLaporan::cursor(const QString& command, const RowFilter& filter,
                                             const Selection& selection)
{
    const ReportCommand* known = reportCommand(command);
    if (!known)
        throw Error(QStringLiteral("Perintah laporan %1 tidak dikenal.").arg(command));
    if (!selection.appliesTo(command))
        throw SelectionError(QStringLiteral("Pilihan \"%1\" tidak berlaku untuk perintah %2.")
                                 .arg(selection.text(), command));
    QSqlDatabase& db = connection();
    QStringList conditions;
    QVariantList values;
    if (!filter.column.isEmpty()) {
        // The column is a name from the program's own layouts, never typed by a user.
        conditions << QStringLiteral("%1 = ?").arg(filter.column);
        values << filter.value;
    }
    const Selection::Condition selected = selection.condition(db);
    if (!selected.sql.isEmpty()) {
        conditions << selected.sql;
        values << selected.values;
    }
    const QString text = known->statement(conditions.join(QStringLiteral(" AND ")),
                                          Database::engine().commandOrder(known->tables));
    return query(command, text, values);
}

std::unique_ptr<RowCursor> deLaporan::query(const QString& command, const QString& text,
                                            const QVariantList& values)
{
    QSqlDatabase& db = connection();
    auto refused = [&](const QString& why) {
        return Error(QStringLiteral("Perintah %1 tidak dapat dijalankan pada DataBase %2: %3")
                         .arg(command, m_openedPath, why));
    };
    if (sqlite3* native = nativeHandle(db)) {
        NativeStatement statement = prepareNative(native, text);
        if (!statement)
            throw refused(QString::fromUtf8(sqlite3_errmsg(native)));
        for (int i = 0; i < values.size(); ++i)
            bindNative(statement.get(), i + 1, values[i]);
        return std::make_unique<NativeCursor>(std::move(statement), command, m_openedPath);
    }
    if (pg_conn* server = nativePgHandle(db))
        return std::make_unique<ServerCursor>(server, text, values, command, m_openedPath);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(text);
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec())
        throw refused(q.lastError().text());
    return std::make_unique<QueryCursor>(std::move(q), command, m_openedPath);
}

Rows deLaporan::run(const QString& command, const RowFilter& filter, const Selection& selection)
{
    return readAll(*cursor(command, filter, selection));
}

} // namespace data
