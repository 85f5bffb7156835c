#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace forms {

// How the value typed in the search window is compared with a field's column.
enum class Match {
    Exact,         // the whole column value equals the text (the text is always data)
    TraineeNumber, // a trainee number with the same numeric value as the digits typed
};

struct SearchField {
    QString item; // the name listed in the search window
    QString column;
    Match match = Match::Exact;
};

// What a form searches by: the search window's caption while that form asks (the form's
// name), and its fields in the order they are listed. The last field also serves any text that
// is none of the items, the window's hint included. A form passes its table, with the record
// set it searches, to openSearch.
struct SearchFields {
    QString caption;
    QVector<SearchField> fields;

    QStringList items() const;
    const SearchField& fieldFor(const QString& text) const;
};

// The units of frmUnit, the trainees of frmKursan and the placements of frmSPM.
const SearchFields& unitSearch();
const SearchFields& traineeSearch();
const SearchFields& placementSearch();

} // namespace forms
