#pragma once

#include <QString>
#include <QStringList>

namespace data {

// One command of the reports' data environment, held in parts: which tables it reads, its
// select list, its from clause and its order. What a selection may narrow, and where a
// condition goes, follow from these parts, never from how the command's text is written.
struct ReportCommand {
    QString name;            // "cmdSPM"
    QStringList tables;      // every table the from clause reads
    QString select;          // "SELECT TKursan.Ns, …"
    QString from;            // "FROM …", without a terminator
    QString order;           // "ORDER BY …", or empty for the database's own order
    bool wholeTable = false; // a table command: the whole table in column order, on one line

    bool reads(const QString& table) const { return tables.contains(table); }
    // The command's text as the data environment holds it.
    QString text() const;
    // The statement that runs: the command narrowed by `where` (its values bound by the
    // caller), in `fallbackOrder` when it gives none of its own; its own text when there is
    // neither.
    QString statement(const QString& where, const QString& fallbackOrder = {}) const;
};

// The command of that name; nullptr for an unknown one.
const ReportCommand* reportCommand(const QString& name);

} // namespace data
