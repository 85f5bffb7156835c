#pragma once

#include <QString>
#include <QStringList>

namespace data {

// Where the data lives: a database file (a path), or a database on a PostgreSQL server given
// as libpq's URI, postgresql://USER@HOST[:PORT]/DBNAME[?sslmode=…]. A password never lives
// here: libpq finds it in PGPASSWORD, ~/.pgpass or a service file, or a dialog passes one for
// one connection only.
struct Location {
    enum class Kind { File, Server };
    Kind kind = Kind::File;
    QString path; // a file's absolute path

    // A server's parts; port 0 is libpq's default.
    QString host; // a name, an address, or a folder holding the server's socket
    int port = 0;
    QString database;
    QString user;
    QStringList options; // the URI's query, as libpq keywords ("sslmode=require")

    bool isServer() const { return kind == Kind::Server; }
    // What the title bar and the messages name: the file's path, or "server/database".
    QString shown() const;
    // The text that reads back as this place: the path, or the URI without a password.
    QString text() const;

    // A path (relative ones against the current folder) or a postgresql:// URI. Throws
    // data::Error for a URI that does not read.
    static Location parse(const QString& text);
    static Location file(const QString& path);
    // The program's place: the environment variable KURSAN_DATABASE, else the setting
    // Database/Location of the settings file, else the fixed file. Throws data::Error when
    // the chosen text does not read.
    static Location configured();
    // The fixed file: ~/kursan/master.mdb (C:\kursan\master.mdb on Windows).
    static QString defaultPath();
    // Stores the place in the settings file for the next start.
    static void remember(const Location& location);

    bool operator==(const Location& other) const = default;
};

} // namespace data
