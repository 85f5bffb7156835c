#pragma once

#include <QString>
#include <QVector>

namespace data {

// An equality criterion such as  Kode_Unit='U01'  or  Ns='B/001' AND Jawaban='-'.
// A doubled apostrophe inside a value stands for one apostrophe.
class Criterion {
public:
    struct Term {
        QString column;
        QString value;
    };

    Criterion() = default;
    // Parses a criterion text; throws data::Error when it is malformed.
    static Criterion parse(const QString& text);
    // Column = value, the value quoted so that any text (apostrophes too) is data.
    static Criterion equals(const QString& column, const QString& value);

    QString toString() const;
    const QVector<Term>& terms() const { return m_terms; }
    bool isEmpty() const { return m_terms.isEmpty(); }

private:
    QVector<Term> m_terms;
};

} // namespace data
