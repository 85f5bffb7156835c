#pragma once

#include <QDate>
#include <QString>

namespace data {

// Copies of the database file, taken and brought back with SQLite's online backup, so forms
// may keep their connections open meanwhile. Every failure throws data::Error with a message
// for the user, and leaves the open database as it was.

// "kursan-YYYY-MM-DD.mdb", the name a copy of that day gets.
QString backupName(const QDate& day);

// Writes a consistent copy of the open database to `target` (replacing it whole, or not at all).
void backupTo(const QString& target);

// The folder of the daily copies: "cadangan" beside the database file.
QString dailyFolder();
// Makes today's copy unless there is one, then keeps only the `keep` newest daily copies.
// Returns the copy made, or an empty text when today's copy was already there.
QString keepDailyCopy(const QDate& today, int keep = 7);

// Removes what a copy cut short by a killed program left beside the database and among the
// daily copies (copies being written by another running program stay).
void removeLeftoverCopies();

// What a file offered for restoring holds.
struct BackupContents {
    int trainees = 0;
    int placements = 0;
};
// Checks that `file` is a Kursan database in good order (its tables and views, a clean
// integrity check) and is not the open database itself.
BackupContents inspectBackup(const QString& file);
// Replaces the open database's content with that of `file` after the same checks, keeping the
// current content first as a dated copy beside it. Returns the path of that copy.
QString restoreFrom(const QString& file, const QDate& today);

} // namespace data
