#pragma once

#include "data/rows.h"
#include "data/selection.h"

#include <QObject>
#include <QSqlDatabase>
#include <memory>

namespace data {

// The reports' data environment: one read-only connection, Connection1, opened by the first
// command that runs and kept to the end of the program, and the seven report commands.
class deLaporan : public QObject {
    Q_OBJECT
public:
    // The one instance, made on first use and owned by the application object.
    static deLaporan& instance();

    // The SQL a command runs (a table command reads the whole table in column order).
    static QString commandText(const QString& command);

    // Runs a command and walks its rows (those the filter and the selection keep) as they are
    // read, columns by their bare names; a column name that comes twice is read once. The
    // command's own text is left as it is: the conditions are added to its from clause, their
    // values bound. Every report reads its rows here. The cursor reads through Connection1 and
    // must go before the next command runs. Throws SelectionError when the selection does not
    // apply or names no trainee, and Error when the database cannot be read.
    std::unique_ptr<RowCursor> cursor(const QString& command, const RowFilter& filter = {},
                                      const Selection& selection = {});

    // Walks the rows of a query of the program's own (its values bound in order) as cursor
    // does; `name` names it in a failure.
    std::unique_ptr<RowCursor> query(const QString& name, const QString& sql,
                                     const QVariantList& values = {});

    // Every row of a command, read into memory (see cursor).
    Rows run(const QString& command, const RowFilter& filter = {}, const Selection& selection = {});

    ~deLaporan() override;

private:
    explicit deLaporan(QObject* parent);
    QSqlDatabase& connection();
    void close();

    QString m_name;
    QString m_openedPath;
    QSqlDatabase m_db;
};

} // namespace data
