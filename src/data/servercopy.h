#pragma once

#include <QString>

// Copies between the server's data and a Kursan file, the one format of copies: a backup of
// the server restores anywhere, and a file (an office's own, moving to the server) restores
// onto the server.
namespace data {

// Writes every row of the server's four tables into `emptyFile`, which gets the whole schema
// first; returns why it could not, empty when it did.
QString copyServerToFile(const QString& emptyFile);

// Replaces every row of the server's four tables with those of `file`, in one transaction:
// all of them or none. Needs the right to empty the tables (the database's owner). Throws
// data::Error.
void copyFileToServer(const QString& file);

} // namespace data
