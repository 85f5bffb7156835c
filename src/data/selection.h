#pragma once

#include "data/error.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

namespace data {

// Input that names no rows a report can print: an unknown trainee, a malformed range or
// month, a choice the report does not offer. The message is for the user.
class SelectionError : public Error {
public:
    using Error::Error;
};

// Which rows of a report to print: all of them (the default), one trainee, a range of letter
// numbers, the placements that start in one month, or the granted placements that end
// between two days. Widget-free: the preview's bar and the
// batch printer build it from what the user typed, and the report command narrows by it.
class Selection {
public:
    enum class Kind { All, Trainee, Letters, Month, Ending };

    Selection() = default; // every row

    // A trainee number, compared by value as the search does ("1" and "001" are one trainee),
    // or else a name, whole but in any case.
    static Selection trainee(const QString& numberOrName);
    // "7", "7:20", "7-20", each end a sequence or a whole letter number ("B/007/IV/PKL/2005");
    // letters compare by their sequence, the digits after "B/".
    static Selection letters(const QString& range);
    // "03/2027" or "3/2027": placements whose period starts in that month.
    static Selection month(const QString& monthYear);
    // "01/03/2005:15/03/2005": granted placements whose period ends on one of those days
    // (both included), as the worklist's certificates are due.
    static Selection ending(const QString& range);
    static Selection ending(const QDate& from, const QDate& to);
    // The kind from what the user typed; throws SelectionError when it does not read.
    static Selection parse(Kind kind, const QString& text);

    Kind kind() const { return m_kind; }
    bool all() const { return m_kind == Kind::All; }
    // As the user would type it again: "001", "7:20", "03/2027"; empty for all rows.
    QString text() const;

    // Whether a report command can be narrowed this way: by trainee and letter where it reads
    // the trainees, by month where it reads the placements, by end where it reads the
    // placements and their letters' replies.
    bool appliesTo(const QString& command) const;
    static bool appliesTo(Kind kind, const QString& command);

    // The condition on the command's tables, its values bound in order; empty for all rows.
    // A trainee is looked up first (throws SelectionError when there is none), so that the
    // report then finds its rows by the trainee key.
    struct Condition {
        QString sql;
        QVariantList values;
    };
    Condition condition(const QSqlDatabase& db) const;

    bool operator==(const Selection& other) const = default;

private:
    Kind m_kind = Kind::All;
    QString m_trainee; // trimmed; digits for a number
    qint64 m_from = 0; // letter sequences, both ends included
    qint64 m_to = 0;
    int m_month = 0;
    int m_year = 0;
    QDate m_endFrom; // both days included
    QDate m_endTo;
};

} // namespace data
