#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace data {

// What was saved since a window last read: the keys of the changed rows by table (the
// placements by their trainee, Np), or everything, when so much changed that reading it all
// again is cheaper than reading it row by row.
struct Changes {
    QHash<QString, QSet<QString>> keys;
    bool everything = false;

    bool isEmpty() const { return !everything && keys.isEmpty(); }
    bool touches(const QString& table) const { return everything || keys.contains(table); }
    QSet<QString> of(const QString& table) const { return keys.value(table); }
};

} // namespace data
