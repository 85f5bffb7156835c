#pragma once

#include <QLabel>

namespace data {
class RecordSet;
}

namespace forms {

// A strip across the top of a data form that says when the row on screen was changed or
// deleted at another desk or window since the form read it. It takes no keyboard: the clerk
// reads it and goes on; saving then asks as any conflict does.
class ElsewhereNotice : public QLabel {
    Q_OBJECT
public:
    explicit ElsewhereNotice(QWidget* form);
    // Says what becomes of the current row of `records` too.
    void watch(data::RecordSet* records);

private:
    void tell();

    QList<data::RecordSet*> m_watched;
};

} // namespace forms
