#pragma once

#include "data/engine.h"

namespace data {

// What the start check made of a file.
struct FileCheck {
    enum class Outcome { Accepted, InUse, Refused };
    Outcome outcome = Outcome::Accepted;
    QString message; // for the user, naming the file and the reason; empty when accepted
    bool accepted() const { return outcome == Outcome::Accepted; }
};

// The data in one SQLite file, the default: it needs nothing installed. The file keeps a
// write-ahead log, so reports read a consistent snapshot while forms save, and copies of the
// program on one file take turns to write.
class FileEngine final : public Engine {
public:
    explicit FileEngine(const QString& path);

    // When nothing is at the path, creates the file (folder 700, file 600) with the whole
    // schema under a temporary name and moves it into place only if the path is still free;
    // otherwise runs the start check. Then keeps the write-ahead log and applies the schema
    // steps newer than the file's version.
    void prepare() override;
    QString test() const override;
    QSqlDatabase connect(const QString& name, bool readOnly) const override;

    // The start check, for any file that should be a Kursan database. Opens it read-write, so
    // that a save cut short by a crash is rolled back, and accepts it only when SQLite finds it
    // sound (its quick check, or the full one) and it holds exactly the objects this program
    // makes for its version: every table and view with their columns in order, defined as the
    // program defines them, and nothing else (no trigger, index or table of another's). A file
    // made by a newer program is refused. Changes nothing and never creates a file. A lock held
    // longer than `waitMs` makes the file in use.
    enum class Depth { Quick, Full };
    static FileCheck check(const QString& path, Depth depth = Depth::Quick, int waitMs = 500);

    // Makes the whole schema in an empty file (a copy being written); returns why it could
    // not, empty when it did.
    static QString makeSchemaIn(const QString& emptyFile);

    QSqlError beginWrite(QSqlDatabase& db) const override;
    bool isBusy(const QSqlError& error) const override;
    QString integerOf(const QString& text) const override;
    QString startsWithDigit(const QString& text) const override;
    QString equalIgnoringCase(const QString& a, const QString& b) const override;
    QString isSame() const override { return QStringLiteral("IS"); }
    QString bytewise(const QString& text) const override { return text; } // BINARY already
    QString rowid(const QString& table) const override;
    QString rowidIs() const override { return QStringLiteral("rowid = ?"); }
    QVariant rowidValue(qint64 rowid) const override { return rowid; }
    QString returningRowid() const override { return {}; }
    QString tableOrder(const QString& table) const override { return rowid(table); }
    QString commandOrder(const QStringList&) const override { return {}; }
    QString snapshotRowid(const QString& table) const override { return rowid(table); }
    QString snapshotOrder(const QString& table) const override
    {
        return QStringLiteral(" ORDER BY ") + rowid(table);
    }
};

} // namespace data
