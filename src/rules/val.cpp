#include "rules/val.h"

namespace rules {

qint64 val(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    qint64 value = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > (INT64_MAX - 9) / 10)
            break; // longer numbers than any field holds: keep what fits
        value = value * 10 + (text[i].unicode() - '0');
    }
    return negative ? -value : value;
}

} // namespace rules
