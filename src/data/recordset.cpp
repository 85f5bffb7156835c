#include "data/recordset.h"

#include "data/database.h"
#include "data/rowreader.h"
#include "data/schema.h"
#include "data/transaction.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdlib>
#include <functional>

namespace data {

namespace {
// Names go into SQL as they are: they are the schema's own (checked at start), spelled the
// same on the file and the server, where quoting would make them case-sensitive.
const QString& quoted(const QString& name) { return name; }

Engine& engine() { return Database::engine(); }

// Turns a refusal of the database into a sentence the user can act on. A key taken already
// is named with its value (the file says which column; the server's key is the table's).
QString refusal(const QSqlError& error, const QStringList& columns, const QVector<QVariant>& values,
                int key)
{
    const QString text = error.databaseText();
    const QString prefix = QStringLiteral("UNIQUE constraint failed: ");
    const qsizetype at = text.indexOf(prefix);
    QString column;
    if (at >= 0)
        column = text.mid(at + prefix.size()).section(',', 0, 0).section('.', 1).trimmed();
    else if (error.nativeErrorCode() == QLatin1String("23505") && key >= 0)
        column = columns[key];
    if (!column.isEmpty()) {
        const qsizetype c = columns.indexOf(column);
        QString value = c >= 0 ? values[c].toString() : QString();
        return QStringLiteral("Data tidak dapat disimpan: %1 \"%2\" sudah ada dalam DataBase.")
            .arg(column, value);
    }
    if (Database::isBusy(error))
        return QStringLiteral("Data tidak dapat disimpan: DataBase sedang dipakai oleh program "
                              "lain. Coba simpan lagi sebentar lagi.");
    return QStringLiteral("Data tidak dapat disimpan: %1").arg(engine().reason(error));
}
} // namespace

RowConflict::RowConflict(Kind kind, RecordSet* recordset, QVector<QVariant> stored)
    : Error(kind == Kind::Deleted
                ? QStringLiteral("Data ini sudah dihapus di tempat lain sejak dibaca.")
                : QStringLiteral("Data ini sudah diubah di tempat lain sejak dibaca.")),
      m_kind(kind), m_recordset(recordset), m_stored(std::move(stored))
{
}

RecordSet::RecordSet(QObject* parent) : QObject(parent) {}

void RecordSet::open(const QSqlDatabase& db, const QString& source, Reading reading)
{
    m_db = db;
    m_source = source;
    m_reading = reading;
    m_filter = Criterion();
    m_isTable = schema::tables().contains(source);
    if (!m_isTable && !schema::views().contains(source))
        throw Error(QStringLiteral("Tabel atau query %1 tidak ada dalam DataBase.").arg(source));
    read();
    m_key = m_isTable ? columnIndex(Database::keyOf(source)) : -1;
}

std::vector<RecordSet::Row> RecordSet::readRows(const QString& sql, const QVariantList& values,
                                                QStringList& columns) const
{
    std::vector<Row> rows;
    readPackedRows(m_db, sql, values, m_isTable, QStringLiteral("Data %1").arg(m_source), columns,
                   [&rows](qint64 rowid, PackedRow&& row) {
                       rows.push_back(Row{rowid, std::move(row)});
                   });
    return rows;
}

QString RecordSet::selectAll() const
{
    return m_isTable ? QStringLiteral("SELECT %1, * FROM %2")
                           .arg(engine().snapshotRowid(m_source), quoted(m_source))
                     : QStringLiteral("SELECT * FROM %1").arg(quoted(m_source));
}

void RecordSet::read()
{
    QString sql = selectAll();
    if (m_isTable)
        sql += engine().snapshotOrder(m_source);
    if (m_reading == Reading::AddingOnly)
        sql += QStringLiteral(" LIMIT 0");
    QStringList columns;
    // The rows go straight into their final list; the old ones stay until the read succeeded.
    std::vector<Row> rows = readRows(sql, {}, columns);
    m_columns = columns;
    m_rows.swap(rows);
    rows = {}; // the old snapshot goes now, not when this read ends
    m_dirty = false;
    setElsewhere(Elsewhere::None);
    applyFilter();
    m_pos = 0;
    emit rowsReset();
    emit currentChanged();
}

void RecordSet::refresh()
{
    leaveRow();
    read();
}

int RecordSet::columnIndex(const QString& name) const
{
    for (int i = 0; i < columnCount(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int RecordSet::checkedColumn(const QString& name) const
{
    int c = columnIndex(name);
    if (c < 0)
        throw Error(QStringLiteral("Kolom %1 tidak ada pada %2.").arg(name, m_source));
    return c;
}

bool RecordSet::isNewRow() const { return hasCurrent() && current().rowid < 0 && m_isTable; }

RecordSet::Row& RecordSet::current() { return m_rows[size_t(m_visible[m_pos])]; }
const RecordSet::Row& RecordSet::current() const { return rowAt(m_pos); }

void RecordSet::requireCurrent() const
{
    if (!hasCurrent())
        throw Error(QStringLiteral("Tidak ada data yang dipilih."));
}

void RecordSet::requireTable() const
{
    if (!m_isTable)
        throw Error(QStringLiteral("Data %1 hanya dapat dibaca.").arg(m_source));
}

void RecordSet::setPosition(int pos)
{
    // A row deleted elsewhere stays on screen until the clerk leaves it.
    if (m_elsewhere == Elsewhere::Deleted && pos != m_pos && hasCurrent() && !isNewRow()) {
        const int gone = m_pos;
        m_elsewhere = Elsewhere::None;
        emit rowsAboutToBeRemoved(gone, gone);
        m_rows.erase(m_rows.begin() + m_visible[gone]);
        applyFilter();
        if (pos > gone)
            --pos;
        m_pos = std::min(pos, recordCount());
        emit rowsRemoved();
        emit elsewhereChanged();
        emit currentChanged();
        return;
    }
    m_pos = pos;
    setElsewhere(Elsewhere::None);
    emit currentChanged();
}

void RecordSet::setElsewhere(Elsewhere elsewhere)
{
    if (m_elsewhere == elsewhere)
        return;
    m_elsewhere = elsewhere;
    emit elsewhereChanged();
}

void RecordSet::leaveRow()
{
    if (!hasCurrent())
        return;
    if (isNewRow() && !m_dirty) {
        cancelUpdate(); // an untouched new row is dropped, not stored empty
        return;
    }
    if (!m_dirty)
        return;
    if (m_storeOnLeave)
        m_storeOnLeave();
    else
        update();
}

void RecordSet::moveFirst()
{
    leaveRow();
    setPosition(0);
}

void RecordSet::moveLast()
{
    leaveRow();
    setPosition(m_visible.isEmpty() ? 0 : recordCount() - 1);
}

void RecordSet::moveNext()
{
    leaveRow();
    setPosition(std::min(m_pos + 1, recordCount()));
}

void RecordSet::moveTo(int visibleRow)
{
    if (visibleRow == m_pos)
        return;
    leaveRow();
    setPosition(std::clamp(visibleRow, 0, recordCount()));
}

bool RecordSet::moveToRowid(qint64 rowid)
{
    if (rowid >= 0 && hasCurrent() && current().rowid == rowid)
        return true;
    leaveRow(); // may drop an untouched new row, so the rows are searched afterwards
    for (int i = 0; i < recordCount(); ++i)
        if (rowid >= 0 && rowAt(i).rowid == rowid) {
            setPosition(i);
            return true;
        }
    setPosition(recordCount());
    return false;
}

qint64 RecordSet::rowid() const { return hasCurrent() && m_isTable ? current().rowid : -1; }

void RecordSet::addNew()
{
    requireTable();
    leaveRow();
    Row row;
    row.values.assign(QVector<QVariant>(m_columns.size()));
    m_rows.push_back(std::move(row));
    m_visible.push_back(int(m_rows.size()) - 1);
    m_dirty = false;
    m_original = m_rows.back().values;
    m_changed = QVector<bool>(m_columns.size(), false);
    emit rowsReset();
    setPosition(recordCount() - 1);
}

qint64 RecordSet::writeCurrent(QSqlDatabase& db)
{
    requireCurrent();
    requireTable();
    const Row& row = current();
    QSqlQuery q(db);
    if (row.rowid < 0) {
        QStringList cols, marks;
        for (const QString& c : m_columns) {
            cols << quoted(c);
            marks << "?";
        }
        q.prepare("INSERT INTO " + quoted(m_source) + " (" + cols.join(',') + ") VALUES (" +
                  marks.join(',') + ")" + engine().returningRowid());
        for (const QVariant& v : row.values.values())
            q.addBindValue(v);
        if (!q.exec())
            throw Error(refusal(q.lastError(), m_columns, row.values.values(), m_key));
        return q.next() ? q.value(0).toLongLong() : q.lastInsertId().toLongLong();
    }
    if (!m_dirty)
        return row.rowid;
    QStringList sets;
    QVariantList values;
    for (int i = 0; i < columnCount(); ++i)
        if (m_changed.value(i)) {
            sets << quoted(m_columns[i]) + "=?";
            values << row.values.value(i);
        }
    if (sets.isEmpty())
        return row.rowid;
    q.prepare("UPDATE " + quoted(m_source) + " SET " + sets.join(',') + identity(row, values) +
              engine().returningRowid());
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw Error(refusal(q.lastError(), m_columns, row.values.values(), m_key));
    if (q.numRowsAffected() != 1)
        throw conflict(db, row);
    // On the server a changed row moves; on the file it keeps its rowid.
    return q.next() ? q.value(0).toLongLong() : row.rowid;
}

PackedRow RecordSet::readValues() const { return m_dirty ? m_original : current().values; }

// Every value as read must still be there: the key finds the row, the rest tells whether it
// changed meanwhile. NULLs match NULLs.
QString RecordSet::identity(const Row& row, QVariantList& values) const
{
    const PackedRow read = readValues();
    QStringList terms;
    if (m_key < 0) {
        terms << engine().rowidIs();
        values << engine().rowidValue(row.rowid);
    }
    for (int i = 0; i < columnCount(); ++i) {
        terms << quoted(m_columns[i]) + QLatin1Char(' ') + engine().isSame() + QStringLiteral(" ?");
        values << read.value(i);
    }
    return QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
}

// Nothing was written: the row is looked up by its key alone to say what became of it. A
// placement has no key: its rowid, or on the server (where a changed row moves) its trainee.
RowConflict RecordSet::conflict(QSqlDatabase& db, const Row& row)
{
    auto lookUp = [&](const QString& condition, const QVariant& value) {
        QSqlQuery q(db);
        q.prepare("SELECT * FROM " + quoted(m_source) + " WHERE " + condition);
        q.addBindValue(value);
        if (!q.exec())
            throw Error(QStringLiteral("Data %1 tidak dapat dibaca: %2")
                            .arg(m_source, engine().reason(q.lastError())));
        QVector<QVariant> stored;
        if (q.next())
            for (int i = 0; i < columnCount(); ++i)
                stored << q.value(i);
        if (q.next())
            stored.clear(); // more than one: none of them is the row read
        return stored;
    };
    const PackedRow read = readValues();
    QVector<QVariant> stored;
    if (m_key >= 0) {
        stored = lookUp(quoted(m_columns[m_key]) + QLatin1Char(' ') + engine().isSame() +
                            QStringLiteral(" ?"),
                        read.value(m_key));
    } else {
        stored = lookUp(engine().rowidIs(), engine().rowidValue(row.rowid));
        const QString owner = schema::ownerOf(m_source);
        if (stored.isEmpty() && !owner.isEmpty())
            stored = lookUp(owner + QLatin1Char(' ') + engine().isSame() + QStringLiteral(" ?"),
                            read.value(columnIndex(owner)));
    }
    if (stored.isEmpty())
        return RowConflict(RowConflict::Kind::Deleted, this, {});
    return RowConflict(RowConflict::Kind::Changed, this, stored);
}

void RecordSet::saveOver(const RowConflict& conflict)
{
    requireCurrent();
    if (conflict.kind() == RowConflict::Kind::Deleted) {
        storeAgain();
        return;
    }
    // The clerk's changes go onto the stored row; what they did not change shows as stored.
    const QVector<QVariant>& stored = conflict.stored();
    Row& row = current();
    if (!m_dirty) {
        m_changed = QVector<bool>(m_columns.size(), false);
        m_dirty = true;
    }
    m_original.assign(stored);
    for (int i = 0; i < columnCount(); ++i)
        if (!m_changed.value(i)) {
            row.values.set(i, stored.value(i));
            emit fieldChanged(i);
        }
}

void RecordSet::takeStored(const RowConflict& conflict)
{
    requireCurrent();
    current().values.assign(conflict.stored());
    m_dirty = false;
    setElsewhere(Elsewhere::None);
    for (int i = 0; i < columnCount(); ++i)
        emit fieldChanged(i);
}

void RecordSet::storeAgain()
{
    requireCurrent();
    requireTable();
    Row& row = current();
    row.rowid = -1;
    m_dirty = true;
    m_original = row.values;
    m_changed = QVector<bool>(m_columns.size(), true);
}

void RecordSet::forgetCurrent()
{
    requireCurrent();
    acceptDelete();
}

void RecordSet::acceptWrite(qint64 rowid)
{
    current().rowid = rowid;
    m_dirty = false;
    setElsewhere(Elsewhere::None);
}

// Under the write lock, as every save: the log of changed rows then numbers the saves in the
// order they are committed, and a window that heard of one has heard of all before it.
void RecordSet::update()
{
    qint64 rowid = -1;
    inTransaction(
        m_db, [&](QSqlDatabase& db) { rowid = writeCurrent(db); }, [&] { acceptWrite(rowid); });
}

void RecordSet::cancelUpdate()
{
    if (!hasCurrent())
        return;
    if (isNewRow()) {
        m_rows.erase(m_rows.begin() + m_visible[m_pos]);
        m_dirty = false;
        applyFilter();
        emit rowsReset();
        setPosition(std::min(m_pos, recordCount()));
        return;
    }
    if (m_dirty) {
        // A row saved anew elsewhere meanwhile goes back to what is stored now.
        current().values = m_elsewhere == Elsewhere::Changed ? m_storedNow : m_original;
        m_dirty = false;
        setElsewhere(Elsewhere::None);
        for (int i = 0; i < columnCount(); ++i)
            emit fieldChanged(i);
    }
}

void RecordSet::deleteCurrent()
{
    requireCurrent();
    requireTable();
    if (isNewRow()) {
        cancelUpdate();
        return;
    }
    inTransaction(
        m_db, [&](QSqlDatabase& db) { writeDelete(db); }, [&] { acceptDelete(); });
}

void RecordSet::writeDelete(QSqlDatabase& db)
{
    requireCurrent();
    requireTable();
    const Row& row = current();
    QSqlQuery q(db);
    QVariantList values;
    q.prepare("DELETE FROM " + quoted(m_source) + identity(row, values));
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw Error(QStringLiteral("Data tidak dapat dihapus: %1").arg(q.lastError().text()));
    if (q.numRowsAffected() != 1)
        throw conflict(db, row);
}

void RecordSet::acceptDelete()
{
    m_rows.erase(m_rows.begin() + m_visible[m_pos]);
    m_dirty = false;
    const int pos = m_pos;
    applyFilter();
    emit rowsReset();
    setPosition(std::min(pos, recordCount()));
}

namespace {
// More keys than this are read by reading everything again.
constexpr int KeysRowByRow = 500;

QString marks(qsizetype count)
{
    QStringList m;
    for (qsizetype i = 0; i < count; ++i)
        m << QStringLiteral("?");
    return m.join(QStringLiteral(", "));
}
} // namespace

bool RecordSet::plan(const Changes& changes, Plan& out) const
{
    QList<std::pair<QString, QSet<QString>>> keyed; // a column, and the values that touch it
    if (m_isTable) {
        const QString column = m_key >= 0 ? m_columns[m_key] : schema::ownerOf(m_source);
        if (column.isEmpty() || !changes.touches(m_source))
            return false;
        keyed << std::pair{column, changes.of(m_source)};
    } else if (m_source == QLatin1String("QSPM")) {
        if (!changes.touches(QStringLiteral("TKegiatan")) &&
            !changes.touches(QStringLiteral("TKursan")) &&
            !changes.touches(QStringLiteral("TSurat")) && !changes.touches(QStringLiteral("TUnit")))
            return false;
        keyed << std::pair{QStringLiteral("Np"), changes.of(QStringLiteral("TKegiatan")) +
                                                     changes.of(QStringLiteral("TKursan"))}
              << std::pair{QStringLiteral("Ns"), changes.of(QStringLiteral("TSurat"))}
              << std::pair{QStringLiteral("Kode_Unit"), changes.of(QStringLiteral("TUnit"))};
    } else {
        return false;
    }
    qsizetype count = 0;
    for (const auto& [column, keys] : keyed)
        count += keys.size();
    out.everything = changes.everything || count > KeysRowByRow;
    if (out.everything) {
        out.touched = [](const Row&) { return true; };
        return true;
    }
    QVector<std::pair<int, QSet<QString>>> tests;
    for (const auto& [column, keys] : keyed) {
        if (keys.isEmpty())
            continue;
        QVariantList values;
        for (const QString& key : keys)
            values << key;
        out.reads.push_back(
            {QStringLiteral(" WHERE %1 IN (%2)").arg(column, marks(keys.size())), values});
        tests.push_back({columnIndex(column), keys});
    }
    out.touched = [tests](const Row& row) {
        for (const auto& [column, keys] : tests)
            if (column >= 0 && keys.contains(row.values.text(column)))
                return true;
        return false;
    };
    return true;
}

QString RecordSet::identityOf(const Row& row) const
{
    if (m_key >= 0)
        return row.values.text(m_key);
    if (m_isTable)
        return QString::number(row.rowid);
    const int placement = columnIndex(QStringLiteral("IdKegiatan"));
    return placement >= 0 ? row.values.text(placement) : QString();
}

void RecordSet::follow(const Changes& changes)
{
    if (!m_db.isValid() || m_reading == Reading::AddingOnly || changes.isEmpty())
        return;
    Plan todo;
    if (!plan(changes, todo))
        return;
    if (todo.everything)
        todo.reads = {{m_isTable ? engine().snapshotOrder(m_source) : QString(), {}}};
    std::vector<Row> fresh;
    QSet<QString> read; // a row two reads found comes in once
    try {
        for (const auto& [where, values] : std::as_const(todo.reads)) {
            QStringList columns;
            std::vector<Row> rows = readRows(selectAll() + where, values, columns);
            if (columns != m_columns)
                return;
            for (Row& row : rows)
                if (todo.reads.size() == 1 || !read.contains(identityOf(row))) {
                    read.insert(identityOf(row));
                    fresh.push_back(std::move(row));
                }
        }
    } catch (const Error&) {
        return; // read again at the next change
    }
    patch(todo, std::move(fresh));
}

// In three steps the grid can follow: rows go, rows take new values, rows come; each step
// tells the grid before and after it changes what the grid reads.
void RecordSet::patch(const Plan& plan, std::vector<Row> fresh)
{
    QHash<QString, int> freshAt;
    for (int i = 0; i < int(fresh.size()); ++i)
        freshAt.insert(identityOf(fresh[size_t(i)]), i);
    // A row that moved (the server's placements) is found again by whose it is.
    const int owner = columnIndex(m_isTable ? schema::ownerOf(m_source) : QStringLiteral("Np"));
    std::vector<bool> used(fresh.size(), false);
    const int current = hasCurrent() ? m_visible[m_pos] : -1;
    const bool typing = m_dirty || isNewRow();

    // Which stored row each old one becomes: itself (untouched), fresh[j], or nothing.
    std::vector<int> becomes(m_rows.size(), -2); // -2 untouched, -1 gone
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const Row& row = m_rows[size_t(i)];
        if ((m_isTable && row.rowid < 0) || !plan.touched(row))
            continue;
        int j = freshAt.value(identityOf(row), -1);
        if ((j < 0 || used[size_t(j)]) && owner >= 0) {
            j = -1;
            for (int k = 0; k < int(fresh.size()) && j < 0; ++k)
                if (!used[size_t(k)] &&
                    fresh[size_t(k)].values.text(owner) == row.values.text(owner) &&
                    !freshAt.contains(identityOf(m_rows[size_t(i)])))
                    j = k;
        }
        if (j >= 0)
            used[size_t(j)] = true;
        becomes[size_t(i)] = j;
    }

    // The row on screen keeps its place whatever happened; while typed it keeps its values.
    Elsewhere told = m_elsewhere;
    if (current >= 0 && becomes[size_t(current)] != -2) {
        const int j = becomes[size_t(current)];
        if (j < 0)
            told = Elsewhere::Deleted;
        else if (typing && fresh[size_t(j)].values.values() != m_original.values()) {
            told = Elsewhere::Changed;
            m_storedNow = fresh[size_t(j)].values;
        }
        if (j < 0 || typing)
            becomes[size_t(current)] = -2;
    }

    // 1. Rows gone, from the last visible one back, so the positions still hold.
    for (int v = recordCount() - 1; v >= 0; --v) {
        if (becomes[size_t(m_visible[v])] != -1)
            continue;
        emit rowsAboutToBeRemoved(v, v);
        m_visible.remove(v);
        if (m_pos > v)
            --m_pos;
        emit rowsRemoved();
    }
    // 2. New values in place.
    std::vector<int> shownAt(m_rows.size(), -1);
    for (int v = 0; v < recordCount(); ++v)
        shownAt[size_t(m_visible[v])] = v;
    QVector<int> changedColumns;
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const int j = becomes[size_t(i)];
        if (j < 0)
            continue;
        Row& row = m_rows[size_t(i)];
        const Row& now = fresh[size_t(j)];
        if (i == current)
            for (int c = 0; c < columnCount(); ++c)
                if (row.values.value(c) != now.values.value(c))
                    changedColumns << c;
        const bool differs = row.values.values() != now.values.values() || row.rowid != now.rowid;
        row = now;
        if (differs && shownAt[size_t(i)] >= 0)
            emit rowChanged(shownAt[size_t(i)]);
    }
    // 3. New rows after the others.
    const QVector<Test> filter = resolve(m_filter);
    for (int j = 0; j < int(fresh.size()); ++j) {
        if (used[size_t(j)])
            continue;
        m_rows.push_back(std::move(fresh[size_t(j)]));
        const int index = int(m_rows.size()) - 1;
        becomes.push_back(-2);
        if (!filter.isEmpty() && !matches(m_rows.back(), filter))
            continue;
        const bool atEnd = m_pos >= recordCount(); // past the last row it stays there
        emit rowsAboutToBeInserted(recordCount(), recordCount());
        m_visible.push_back(index);
        if (atEnd)
            ++m_pos;
        emit rowsInserted();
    }
    // The rows that went leave the list; the visible ones are numbered again.
    const int shownRow = hasCurrent() ? m_visible[m_pos] : -1;
    std::vector<Row> kept;
    kept.reserve(m_rows.size());
    std::vector<int> renumbered(m_rows.size(), -1);
    for (int i = 0; i < int(m_rows.size()); ++i)
        if (becomes[size_t(i)] != -1) {
            renumbered[size_t(i)] = int(kept.size());
            kept.push_back(std::move(m_rows[size_t(i)]));
        }
    m_rows.swap(kept);
    for (int& index : m_visible)
        index = renumbered[size_t(index)];
    if (shownRow >= 0)
        m_pos = int(m_visible.indexOf(renumbered[size_t(shownRow)]));
    for (int c : changedColumns)
        emit fieldChanged(c);
    setElsewhere(told);
}

QVector<RecordSet::Test> RecordSet::resolve(const Criterion& c) const
{
    QVector<Test> tests;
    for (const Criterion::Term& t : c.terms())
        tests.push_back({checkedColumn(t.column), t.value});
    return tests;
}

bool RecordSet::matches(const Row& row, const QVector<Test>& tests)
{
    for (const Test& t : tests)
        if (!row.values.textEquals(t.column, t.value, Qt::CaseInsensitive))
            return false;
    return true;
}

bool RecordSet::find(const Criterion& criterion)
{
    const QVector<Test> tests = resolve(criterion);
    leaveRow();
    for (int i = std::max(m_pos, 0); i < recordCount(); ++i)
        if (matches(rowAt(i), tests)) {
            setPosition(i);
            return true;
        }
    setPosition(recordCount());
    return false;
}

bool RecordSet::seek(const Criterion& criterion)
{
    const QVector<Test> tests = resolve(criterion);
    for (int i = 0; i < recordCount(); ++i)
        if (matches(rowAt(i), tests)) {
            leaveRow();
            setPosition(i);
            return true;
        }
    return false;
}

void RecordSet::applyFilter()
{
    const QVector<Test> tests = resolve(m_filter);
    m_visible.clear();
    m_visible.reserve(qsizetype(m_rows.size()));
    for (int i = 0; i < int(m_rows.size()); ++i)
        if (tests.isEmpty() || matches(m_rows[size_t(i)], tests))
            m_visible.push_back(i);
}

void RecordSet::setFilter(const Criterion& criterion)
{
    resolve(criterion); // an unknown column is refused before anything moves
    leaveRow();
    m_filter = criterion;
    applyFilter();
    emit rowsReset();
    setPosition(0);
}

void RecordSet::clearFilter() { setFilter(Criterion()); }

QVariant RecordSet::field(int column) const
{
    requireCurrent();
    if (column < 0 || column >= columnCount())
        throw Error(QStringLiteral("Kolom %1 tidak ada pada %2.").arg(column).arg(m_source));
    return current().values.value(column);
}

QVariant RecordSet::field(const QString& column) const { return field(checkedColumn(column)); }

QVariant RecordSet::fieldAsRead(const QString& column) const
{
    const int c = checkedColumn(column);
    requireCurrent();
    return readValues().value(c);
}

void RecordSet::setField(int column, const QVariant& value)
{
    requireCurrent();
    requireTable();
    if (column < 0 || column >= columnCount())
        throw Error(QStringLiteral("Kolom %1 tidak ada pada %2.").arg(column).arg(m_source));
    Row& row = current();
    const QVariant old = row.values.value(column);
    if (old == value && old.isNull() == value.isNull())
        return;
    if (!m_dirty) {
        m_original = row.values;
        m_changed = QVector<bool>(m_columns.size(), false);
        m_dirty = true;
    }
    row.values.set(column, value);
    m_changed[column] = true;
    emit fieldChanged(column);
}

void RecordSet::setField(const QString& column, const QVariant& value)
{
    setField(checkedColumn(column), value);
}

QVariant RecordSet::value(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= columnCount())
        return {};
    return rowAt(row).values.value(column);
}

QStringList RecordSet::texts(const QString& column) const
{
    const int col = columnIndex(column);
    QStringList out;
    out.reserve(recordCount());
    for (int row = 0; row < recordCount(); ++row)
        out << value(row, col).toString();
    return out;
}

void saveTogether(std::initializer_list<RecordSet*> sets,
                  const std::function<void(QSqlDatabase&)>& first)
{
    if (sets.size() == 0)
        return;
    std::vector<qint64> ids;
    inTransaction((*sets.begin())->database(),
                  [&](QSqlDatabase& db) {
                      if (first)
                          first(db);
                      for (RecordSet* rs : sets)
                          ids.push_back(rs->writeCurrent(db));
                  },
                  [&] {
                      size_t i = 0;
                      for (RecordSet* rs : sets)
                          rs->acceptWrite(ids[i++]);
                  });
}

void deleteTogether(RecordSet* removed, std::initializer_list<RecordSet*> stored)
{
    std::vector<qint64> ids;
    inTransaction(
        removed->database(),
        [&](QSqlDatabase& db) {
            removed->writeDelete(db);
            for (RecordSet* rs : stored)
                ids.push_back(rs->writeCurrent(db));
        },
        [&] {
            removed->acceptDelete();
            size_t i = 0;
            for (RecordSet* rs : stored)
                rs->acceptWrite(ids[i++]);
        });
}

} // namespace data
