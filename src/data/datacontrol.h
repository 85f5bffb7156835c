#pragma once

#include "data/recordset.h"

#include <QObject>

namespace data {

// One data control of a form: its own connection to the database file and one record set
// over a table or view, opened when the form loads and closed with the form.
class DataControl : public QObject {
    Q_OBJECT
public:
    DataControl(QObject* parent, const QString& name, const QString& source,
                Reading reading = Reading::AllRows);
    ~DataControl() override;

    RecordSet* recordset() { return &m_recordset; }
    RecordSet* operator->() { return &m_recordset; }
    void refresh() { m_recordset.refresh(); }

private:
    QString m_connection;
    RecordSet m_recordset;
};

} // namespace data
