#pragma once

#include <QString>

namespace data {

class RecordSet;

inline const QString NumberLimit = QStringLiteral("Nomor Kursan sudah mencapai batas 999999.");

// The numbers a new trainee's entry shows, and whether the clerk typed them over the ones the
// form issued.
struct ShownNumbers {
    QString trainee;
    bool traineeTyped = false;
    QString letter; // empty while none was issued
    bool letterTyped = false;
    QString romanMonth; // of a letter number issued at save: "III"
    QString year;       // "2005"
};

// The numbers stored, and whether they differ from those shown.
struct SavedNumbers {
    QString trainee;
    QString letter;
    bool traineeMoved = false;
    bool letterMoved = false;
};

// Stores the new trainee (current row of `trainees`) and its letter (current row of `letters`,
// stored only when no letter of that number exists yet, with reply "-" and one trainee) in one
// transaction. The numbers are taken inside it: an issued number that another desk took
// meanwhile gives way to the next free one, and a letter never issued is issued now. Typed
// numbers are stored as typed. On failure the rows keep what they held. Throws data::Error.
SavedNumbers saveNewTrainee(RecordSet& trainees, RecordSet& letters, const ShownNumbers& shown);

} // namespace data
