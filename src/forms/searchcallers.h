#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

namespace data {
class RecordSet;
}

namespace forms {

// How the value typed in the search window is compared with a field's column.
enum class Match {
    Exact,         // the whole column value equals the text (the text is always data)
    TraineeNumber, // a trainee number with the same numeric value as the digits typed
};

struct SearchField {
    QString item; // the name the caller lists in the search window
    QString column;
    Match match = Match::Exact;
};

// A form that searches through frmCari: its form name (the search window's caption while it
// asks), the data control searched on it, and its fields in the order they are listed. The
// last field also serves any text that is none of the items, the window's hint included.
struct SearchCaller {
    QString form;
    QString dataControl;
    QVector<SearchField> fields;

    QStringList items() const;
    const SearchField& fieldFor(const QString& text) const;
};

// The caller named `form` (exact, case-sensitive), or nullptr when no form of that name
// searches.
const SearchCaller* searchCaller(const QString& form);

// The record set `caller` searches: its data control on the loaded form of that name, or on
// `owner` when the owner is that form. nullptr when the form is not loaded.
data::RecordSet* searchedRecordset(const SearchCaller& caller, QWidget* owner = nullptr);

} // namespace forms
