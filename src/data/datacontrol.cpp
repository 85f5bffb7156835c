#include "data/datacontrol.h"

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
}

DataControl::~DataControl()
{
    m_recordset.close();
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

} // namespace data
