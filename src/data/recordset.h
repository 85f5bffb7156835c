#pragma once

#include "data/changes.h"
#include "data/criterion.h"
#include "data/error.h"
#include "data/packedrow.h"

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVector>
#include <functional>
#include <initializer_list>
#include <vector>

namespace data {

class RecordSet;

// A save or delete that found its row changed or deleted elsewhere since the snapshot read it
// (another window, another copy of the program). Nothing was written; the typed values stay.
class RowConflict : public Error {
public:
    enum class Kind { Changed, Deleted };
    RowConflict(Kind kind, RecordSet* recordset, QVector<QVariant> stored);
    Kind kind() const { return m_kind; }
    RecordSet* recordset() const { return m_recordset; }
    // The row as it is stored now (empty when it was deleted), in the set's column order.
    const QVector<QVariant>& stored() const { return m_stored; }

private:
    Kind m_kind;
    RecordSet* m_recordset;
    QVector<QVariant> m_stored;
};

// What a record set reads: every row, or none at all for a form that only adds rows to a
// large table (it then holds just the rows added through it).
enum class Reading { AllRows, AddingOnly };

// A client-side snapshot of one table or view: every row is read at open/refresh, then the
// form moves through them, edits the current row and stores it. A row is stored and deleted
// by its key (the rowid where the table has none) together with every value the snapshot
// read, so a row changed or deleted elsewhere meanwhile is never written over in silence:
// RowConflict says so instead. Views are read-only.
class RecordSet : public QObject {
    Q_OBJECT
public:
    explicit RecordSet(QObject* parent = nullptr);

    // Reads the rows of `source` (a table or view of `db`); the first row becomes current.
    void open(const QSqlDatabase& db, const QString& source, Reading reading = Reading::AllRows);
    // Lets go of the connection (the rows stay readable).
    void close() { m_db = QSqlDatabase(); }
    // Stores a changed row, then reads the rows anew; the filter stays, the first row current.
    void refresh();

    const QString& source() const { return m_source; }
    QSqlDatabase database() const { return m_db; }

    int columnCount() const { return int(m_columns.size()); }
    const QStringList& columnNames() const { return m_columns; }
    int columnIndex(const QString& name) const; // -1 when there is no such column

    // Visible rows (through the filter) and the current one.
    // A snapshot is held in memory, so its rows and columns are counted in int.
    int recordCount() const { return int(m_visible.size()); }
    int position() const { return m_pos; } // index among the visible rows
    bool eof() const { return m_pos >= recordCount(); }
    bool hasCurrent() const { return m_pos >= 0 && m_pos < recordCount(); }
    bool isNewRow() const;
    bool isDirty() const { return m_dirty; }

    void moveFirst();
    void moveLast();
    void moveNext();
    void moveTo(int visibleRow);
    // The visible row stored under this rowid becomes current; none: EOF.
    bool moveToRowid(qint64 rowid);
    // The current row's rowid; -1 for a row not stored yet, a view's row or no current row.
    qint64 rowid() const;

    void addNew();
    void update();
    // How a changed row is stored when the cursor leaves it (a click on another row, a move,
    // a refresh): by update() unless the form says otherwise. The function stores the current
    // row or throws, and the cursor then stays.
    void setStoreOnLeave(std::function<void()> store) { m_storeOnLeave = std::move(store); }
    // Forgets the current row's changes (a new row is dropped).
    void cancelUpdate();
    void deleteCurrent();

    // After a RowConflict on the current row: save over the stored row (the next update
    // writes the typed values onto it), take the stored values instead of the typed ones, or,
    // for a row deleted elsewhere, store it again as a new row or let it go from the snapshot.
    void saveOver(const RowConflict& conflict);
    void takeStored(const RowConflict& conflict);
    void storeAgain();
    void forgetCurrent();

    // From the current row forward, the first match becomes current; none: EOF.
    bool find(const Criterion& criterion);
    bool find(const QString& criterion) { return find(Criterion::parse(criterion)); }
    // From the first row, the first match becomes current; none: the current row stays.
    bool seek(const Criterion& criterion);
    // Only matching rows stay visible, the first current, until another filter is set.
    void setFilter(const Criterion& criterion);
    void setFilter(const QString& criterion) { setFilter(Criterion::parse(criterion)); }
    void clearFilter();

    QVariant field(int column) const;
    QVariant field(const QString& column) const;
    // The current row's value as it was read, before the changes not stored yet.
    QVariant fieldAsRead(const QString& column) const;
    void setField(int column, const QVariant& value);
    void setField(const QString& column, const QVariant& value);

    // Any visible row, for grids.
    QVariant value(int visibleRow, int column) const;
    // The column of every visible row as text, read without moving the current row.
    QStringList texts(const QString& column) const;

    // What became of the row on screen elsewhere since it was read: changed, or deleted. The
    // form says so; saving it then asks as any conflict does.
    enum class Elsewhere { None, Changed, Deleted };
    Elsewhere elsewhere() const { return m_elsewhere; }

    // Brings in what was saved elsewhere: changed rows take their new values where they are,
    // new rows come after the others, deleted rows go. The current row, the row being typed
    // and the place of every other row never move; what became of the current row is told by
    // elsewhere(). A table follows its own rows; of the views, the letter form's QSPM follows
    // the rows of the tables it joins; the others are read afresh where they are used.
    void follow(const Changes& changes);

    // Two-step storing, for saving several rows in one transaction (see saveTogether).
    qint64 writeCurrent(QSqlDatabase& db); // runs the SQL; the snapshot is not touched
    void acceptWrite(qint64 rowid);        // the write was committed
    void writeDelete(QSqlDatabase& db);    // the same for deleting the current row
    void acceptDelete();

signals:
    void currentChanged();
    void fieldChanged(int column);
    void rowsReset();
    // Visible rows changed in place, by follow(): removed, added, or given new values.
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved();
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted();
    void rowChanged(int visibleRow);
    void elsewhereChanged();

private:
    struct Row {
        qint64 rowid = -1; // -1: added, not stored yet
        PackedRow values;
    };

    struct Test {
        int column;
        QString value;
    };

    void read();
    QString selectAll() const;
    std::vector<Row> readRows(const QString& sql, const QVariantList& values,
                              QStringList& columns) const;
    // Which rows the changes touch and how to read them again; false when none.
    struct Plan {
        // One read per column named, each able to use that column's index.
        QVector<std::pair<QString, QVariantList>> reads; // " WHERE …", its values
        std::function<bool(const Row&)> touched;
        bool everything = false;
    };
    bool plan(const Changes& changes, Plan& out) const;
    // The row's identity between two reads: its key, its rowid, or its placement's.
    QString identityOf(const Row& row) const;
    void patch(const Plan& plan, std::vector<Row> fresh);
    void setElsewhere(Elsewhere elsewhere);
    // The row's identity as the snapshot read it: " WHERE …" with its values appended.
    QString identity(const Row& row, QVariantList& values) const;
    PackedRow readValues() const; // the current row as it was read
    RowConflict conflict(QSqlDatabase& db, const Row& row);
    void applyFilter();
    QVector<Test> resolve(const Criterion& c) const;
    static bool matches(const Row& row, const QVector<Test>& tests);
    void leaveRow(); // stores a changed row before the cursor moves away
    void requireCurrent() const;
    void requireTable() const;
    int checkedColumn(const QString& name) const;
    Row& current();
    const Row& current() const;
    const Row& rowAt(int visible) const { return m_rows[size_t(m_visible[visible])]; }
    void setPosition(int pos);

    QSqlDatabase m_db;
    QString m_source;
    bool m_isTable = false;
    int m_key = -1; // the key column; -1: the table has none, rows go by rowid
    Reading m_reading = Reading::AllRows;
    QStringList m_columns;
    std::vector<Row> m_rows;
    QVector<int> m_visible;
    int m_pos = 0;
    Criterion m_filter;
    bool m_dirty = false;
    std::function<void()> m_storeOnLeave;
    Elsewhere m_elsewhere = Elsewhere::None;
    PackedRow m_original;    // the current row before its changes
    PackedRow m_storedNow;   // the row being typed as saved elsewhere meanwhile (Changed)
    QVector<bool> m_changed; // which columns the user changed
};

// Stores the current row of every record set in one transaction: all or none. `first` runs
// inside it before anything is written, with the write lock held, so what it reads (how full
// a unit is) stays so until the rows are stored; it may throw to store nothing.
void saveTogether(std::initializer_list<RecordSet*> sets,
                  const std::function<void(QSqlDatabase&)>& first = {});
// Deletes the current row of `removed` and stores the current row of every set in `stored`,
// in one transaction: all or none.
void deleteTogether(RecordSet* removed, std::initializer_list<RecordSet*> stored);

} // namespace data
