#pragma once

#include <QSqlDatabase>
#include <QString>

// The newest numbers, read as the last row of their stored queries but without reading the
// others: QLapKursan and QNS sort ascending by a number, then by rowid, so their last row is
// the first one in the opposite order.
namespace data {

// Np of QLapKursan's last row (the highest trainee number by value, of equal ones the one
// with the highest rowid); empty when there is no trainee.
QString lastTraineeNumber(const QSqlDatabase& db);

// Ns of QNS's last row (the highest letter sequence, the digits after "B/"; of equal ones the
// one with the highest rowid); empty when there is no letter.
QString lastLetterNumber(const QSqlDatabase& db);

// Whether a letter with the sequence of `ns` (the digits after "B/") is stored already.
bool letterSequenceTaken(const QSqlDatabase& db, const QString& ns);

} // namespace data
