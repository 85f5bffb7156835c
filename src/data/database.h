#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace data {

// What the start check made of a file.
struct FileCheck {
    enum class Outcome { Accepted, InUse, Refused };
    Outcome outcome = Outcome::Accepted;
    QString message; // for the user, naming the file and the reason; empty when accepted
    bool accepted() const { return outcome == Outcome::Accepted; }
};

// The one database file of the program.
class Database {
public:
    // ~/kursan/master.mdb (C:\kursan\master.mdb on Windows).
    static QString defaultPath();
    static QString path();
    static void setPath(const QString& path);

    // When nothing is at the path, creates the file (folder 700, file 600) with the whole schema
    // under a temporary name and moves it into place only if the path is still free; otherwise
    // runs the start check. Throws InUseError while another program holds the file, and
    // data::Error with a message for the user when the file cannot be used.
    static void prepare(const QString& path);

    // The start check, for any file that should be a Kursan database. Opens it read-write, so
    // that a save cut short by a crash is rolled back, and accepts it only when SQLite finds it
    // sound (its quick check, or the full one) and it holds exactly the objects this program
    // makes: every table and view with their columns in order, defined as the program defines
    // them, and nothing else (no trigger, index or table of another's). Changes nothing else
    // and never creates a file. A lock held longer than `waitMs` makes the file in use.
    enum class Depth { Quick, Full };
    static FileCheck check(const QString& path, Depth depth = Depth::Quick, int waitMs = 500);

    // Whether `path` is the program's database file or one of SQLite's files beside it
    // (-journal, -wal, -shm), however it is named (through "..", a link or a hard link):
    // nothing may be written over those.
    static bool isDatabaseFile(const QString& path);

    // A new connection of its own to the file; `name` must be unique while it is open.
    static QSqlDatabase connect(const QString& name, bool readOnly = false);
    // A name no other open connection has, starting with `prefix`.
    static QString uniqueName(const QString& prefix);

    // Whether the database refused because another connection holds it for the moment.
    static bool isBusy(const QSqlError& error);

    static const QStringList& tables();
    // The table's key column (Kode_Unit, Np, Ns); empty for the placements, which have none.
    static QString keyOf(const QString& table);
    static const QStringList& views();
};

} // namespace data
