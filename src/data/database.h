#pragma once

#include <QSqlDatabase>
#include <QString>

namespace data {

// The one database file of the program.
class Database {
public:
    // ~/kursan/master.mdb (C:\kursan\master.mdb on Windows).
    static QString defaultPath();
    static QString path();
    static void setPath(const QString& path);

    // Creates the file with the whole schema (in one transaction) when it does not exist;
    // otherwise checks that it holds this schema and leaves it untouched.
    // Throws data::Error with a message for the user when the file cannot be used.
    static void prepare(const QString& path);

    // A new connection of its own to the file; `name` must be unique while it is open.
    static QSqlDatabase connect(const QString& name, bool readOnly = false);
    // A name no other open connection has, starting with `prefix`.
    static QString uniqueName(const QString& prefix);

    static const QStringList& tables();
    static const QStringList& views();
};

} // namespace data
