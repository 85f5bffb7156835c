#pragma once

#include "data/engine.h"
#include "data/fileengine.h"
#include "data/location.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace data {

// Where the program's data is, and the engine that serves it (the file by default).
class Database {
public:
    // ~/kursan/master.mdb (C:\kursan\master.mdb on Windows).
    static QString defaultPath() { return Location::defaultPath(); }

    // Readies the data at `location` (see Engine::prepare) and makes it the program's.
    static void prepare(const Location& location);
    static void prepare(const QString& path) { prepare(Location::file(path)); }
    // Makes the place the program's without readying it (a file already checked).
    static void use(const Location& location);
    static void setPath(const QString& path) { use(Location::file(path)); }

    static const Location& location();
    static Engine& engine();
    // The database file; empty while the data is on a server.
    static QString path();

    using Depth = FileEngine::Depth;
    static FileCheck check(const QString& path, Depth depth = Depth::Quick, int waitMs = 500)
    {
        return FileEngine::check(path, depth, waitMs);
    }

    // Whether `path` is the program's database file or one of SQLite's files beside it
    // (-journal, -wal, -shm), however it is named (through "..", a link or a hard link):
    // nothing may be written over those.
    static bool isDatabaseFile(const QString& path);

    // A new connection of its own; `name` must be unique while it is open.
    static QSqlDatabase connect(const QString& name, bool readOnly = false);
    // A name no other open connection has, starting with `prefix`.
    static QString uniqueName(const QString& prefix);
    // Runs `read` on a read-only connection of its own, let go on every way out.
    template <typename Read> static auto onOwnConnection(const QString& prefix, Read&& read)
    {
        struct Release {
            QString name;
            ~Release() { QSqlDatabase::removeDatabase(name); }
        } const connection{uniqueName(prefix)};
        return read(connect(connection.name, true));
    }
    // Whether the database refused because another connection holds it for the moment.
    static bool isBusy(const QSqlError& error) { return engine().isBusy(error); }

    static const QStringList& tables();
    static const QStringList& views();
    // The table's key column (Kode_Unit, Np, Ns); empty for the placements, which have none.
    static QString keyOf(const QString& table);
};

} // namespace data
