#include "data/datacontrol.h"

#include "data/changefeed.h"
#include "data/database.h"

namespace data {

DataControl::DataControl(QObject* parent, const QString& name, const QString& source,
                         Reading reading)
    : QObject(parent), m_connection(Database::uniqueName(name))
{
    setObjectName(name);
    try {
        m_recordset.open(Database::connect(m_connection), source, reading);
    } catch (...) {
        QSqlDatabase::removeDatabase(m_connection);
        throw;
    }
    // The rows follow what is saved elsewhere for as long as the form is open.
    ChangeFeed& feed = ChangeFeed::instance();
    feed.start();
    connect(&feed, &ChangeFeed::changed, this,
            [this](const Changes& changes) { m_recordset.follow(changes); });
}

DataControl::~DataControl()
{
    ChangeFeed::instance().release();
    m_recordset.close();
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

} // namespace data
