#pragma once

#include "data/location.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariant>

namespace data {

// The one seam between the program and the engine that holds its data: the file (SQLite) or
// a server (PostgreSQL). Only src/data talks to it; forms, reports and the batch printer never
// know which engine serves them. It opens connections, readies the database, and writes the
// few pieces of SQL the two engines spell differently.
class Engine {
public:
    explicit Engine(Location location) : m_location(std::move(location)) {}
    virtual ~Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    const Location& location() const { return m_location; }

    // Creates the schema in an empty database, checks one that exists and brings an older
    // schema up to this program's version. Throws InUseError when another program holds it
    // for the moment, Error (naming the place and the reason) when it cannot be used.
    virtual void prepare() = 0;
    // What is at the place, in a few words for the clerk who chooses it ("DataBase Kursan",
    // "database kosong; …"), without changing anything; throws Error when it cannot be used.
    virtual QString test() const = 0;
    // A new open connection named `name`; throws Error naming the place and the reason.
    virtual QSqlDatabase connect(const QString& name, bool readOnly) const = 0;

    // Starts a transaction that holds the write lock from its start, so two desks take their
    // numbers one after the other. Returns the failure, invalid when it began.
    virtual QSqlError beginWrite(QSqlDatabase& db) const = 0;
    // Whether a refusal only means that another connection holds the data for the moment.
    virtual bool isBusy(const QSqlError& error) const = 0;
    // A refusal in words a clerk can act on (no right, the server gone), or the engine's own.
    virtual QString reason(const QSqlError& error) const { return error.text(); }
    // After a failure: a connection the server dropped is opened again for the next try.
    virtual void recover(QSqlDatabase& db) const { Q_UNUSED(db); }

    // SQL spelled differently: the leading whole number of a text (0 for none), whether a
    // text starts with a digit, two texts equal in any case, a comparison under which NULL
    // equals NULL, a text to order by its bytes.
    virtual QString integerOf(const QString& text) const = 0;
    virtual QString startsWithDigit(const QString& text) const = 0;
    virtual QString equalIgnoringCase(const QString& a, const QString& b) const = 0;
    virtual QString isSame() const = 0;
    virtual QString bytewise(const QString& text) const = 0;
    // A row's place in its table as a number (the file's rowid), the condition that finds the
    // row by it (one value, given by rowidValue), and what an UPDATE or INSERT adds to return
    // the place it wrote (empty where lastInsertId gives it and an update keeps it).
    virtual QString rowid(const QString& table) const = 0;
    virtual QString rowidIs() const = 0;
    virtual QVariant rowidValue(qint64 rowid) const = 0;
    virtual QString returningRowid() const = 0;
    // The order a table's rows are read in when nothing else orders them (the file: as
    // stored; the server, where a changed row moves: by key), and the order of a report
    // command that gives none of its own (empty: as the engine returns them).
    virtual QString tableOrder(const QString& table) const = 0;
    // What a snapshot of a table reads as a row's place, and the clause that orders its rows.
    // The file reads its rowid in stored order. The server reads the raw ctid (the reader
    // turns it into the same number as rowid() gives), its larger tables as stored, since
    // ordering them would cost more than all the rest of the reading, and its units by code.
    virtual QString snapshotRowid(const QString& table) const = 0;
    virtual QString snapshotOrder(const QString& table) const = 0;
    virtual QString commandOrder(const QStringList& tables) const = 0;

private:
    Location m_location;
};

} // namespace data
