#pragma once

#include "data/engine.h"

namespace data {

// The data in a database on a PostgreSQL server, reached through Qt SQL's QPSQL driver, for
// an office whose clerks work on the same data from their own PCs. Each desk connects as its
// own role, which needs only the rights to read and write rows; making the schema and
// restoring a copy need the database's owner.
class ServerEngine final : public Engine {
public:
    // `password` serves one test of the connection only and is never stored; otherwise
    // libpq finds it (PGPASSWORD, ~/.pgpass, a service file).
    explicit ServerEngine(const Location& location, QString password = {});

    // An empty database gets the schema in one transaction; one made by this program is
    // checked and brought up to this program's version; anything else is refused untouched.
    void prepare() override;
    QString test() const override;
    QSqlDatabase connect(const QString& name, bool readOnly) const override;

    QSqlError beginWrite(QSqlDatabase& db) const override;
    bool isBusy(const QSqlError& error) const override;
    QString reason(const QSqlError& error) const override;
    void recover(QSqlDatabase& db) const override;

    QString integerOf(const QString& text) const override;
    QString startsWithDigit(const QString& text) const override;
    QString equalIgnoringCase(const QString& a, const QString& b) const override;
    QString isSame() const override { return QStringLiteral("IS NOT DISTINCT FROM"); }
    QString bytewise(const QString& text) const override
    {
        return text + QStringLiteral(" COLLATE \"C\"");
    }
    QString rowid(const QString& table) const override;
    QString rowidIs() const override { return QStringLiteral("ctid = CAST(? AS tid)"); }
    QVariant rowidValue(qint64 rowid) const override;
    QString returningRowid() const override
    {
        return QStringLiteral(" RETURNING kursan_rowid(ctid)");
    }
    QString tableOrder(const QString& table) const override;
    QString commandOrder(const QStringList& tables) const override;
    QString snapshotRowid(const QString& table) const override
    {
        return table + QStringLiteral(".ctid");
    }
    QString snapshotOrder(const QString& table) const override;

private:
    QString m_password;
};

} // namespace data
