#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// What the program makes in a database: its tables and views (the same names and columns on
// the file and on the server), their keys, and the versions of the schema.
namespace data::schema {

// The version of the schema this program makes; a database records its own (the file in
// PRAGMA user_version, the server in the one-row table KursanVersi). Files made before
// versions were recorded hold 0 and are version 1.
inline constexpr int CurrentVersion = 3;

enum class Engine { File, Server };

// The statements that make the whole schema of `version`: the first version's script, then
// every step up to it.
QStringList statements(Engine engine, int version = CurrentVersion);
// The statements that take a database of version `from` to the current one.
QStringList steps(Engine engine, int from);

// Version 2 keeps a log of changed rows, KursanPerubahan (Nomor, Tabel, Kunci), written by
// triggers on the four tables: every window learns from it which rows another window, program
// or desk changed, and reads only those again. Kunci is the row's key, for the placements
// their trainee (Np); a changed key is logged twice, old and new.
inline const QString ChangeLog = QStringLiteral("KursanPerubahan");
// How many entries of the log are kept; a window further behind reads everything again.
inline constexpr int KeptChanges = 10000;

const QStringList& tables(); // TUnit, TKursan, TSurat, TKegiatan
const QStringList& views();  // QNS, QLapKursan, QKursan, QAktiv, QSPM
// The table's key column (Kode_Unit, Np, Ns); empty for the placements, which have none.
QString keyOf(const QString& table);
// For a table without a key, the column that names whose row it is (the placements'
// trainee, Np): what a row that moved is found again by. Empty for the others.
QString ownerOf(const QString& table);
// The columns of every table and view, in order, as the schema makes them.
const QHash<QString, QStringList>& columns();
// A name of the schema as it writes it ("Kode_Unit" for "kode_unit", which the server
// answers); any other name as given.
QString canonical(const QString& name);

} // namespace data::schema
