#include "data/criterion.h"

#include "data/error.h"

namespace data {

namespace {
[[noreturn]] void malformed(const QString& text)
{
    throw Error(QStringLiteral("Kriteria pencarian tidak sah: %1").arg(text));
}

void skipBlanks(const QString& s, int& i)
{
    while (i < s.size() && s[i].isSpace())
        ++i;
}
} // namespace

Criterion Criterion::parse(const QString& text)
{
    Criterion c;
    int i = 0;
    const int n = text.size();
    for (;;) {
        skipBlanks(text, i);
        int start = i;
        while (i < n && (text[i].isLetterOrNumber() || text[i] == '_' || text[i] == '.'))
            ++i;
        QString column = text.mid(start, i - start);
        if (column.isEmpty())
            malformed(text);
        skipBlanks(text, i);
        if (i >= n || text[i] != '=')
            malformed(text);
        ++i;
        skipBlanks(text, i);
        if (i >= n || text[i] != '\'')
            malformed(text);
        ++i;
        QString value;
        bool closed = false;
        while (i < n) {
            if (text[i] == '\'') {
                if (i + 1 < n && text[i + 1] == '\'') {
                    value += '\'';
                    i += 2;
                    continue;
                }
                ++i;
                closed = true;
                break;
            }
            value += text[i++];
        }
        if (!closed)
            malformed(text);
        c.m_terms.push_back({column, value});
        skipBlanks(text, i);
        if (i >= n)
            break;
        if (text.mid(i, 3).compare(QLatin1String("AND"), Qt::CaseInsensitive) != 0)
            malformed(text);
        i += 3;
    }
    return c;
}

Criterion Criterion::equals(const QString& column, const QString& value)
{
    Criterion c;
    c.m_terms.push_back({column, value});
    return c;
}

QString Criterion::toString() const
{
    QStringList parts;
    for (const Term& t : m_terms) {
        QString v = t.value;
        v.replace('\'', QLatin1String("''"));
        parts << t.column + "='" + v + "'";
    }
    return parts.join(QLatin1String(" AND "));
}

} // namespace data
