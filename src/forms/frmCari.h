#pragma once

#include "forms/searchfields.h"
#include "platform/windows.h"

#include <QPointer>
#include <memory>

namespace Ui {
class frmCari;
}

namespace data {
class RecordSet;
}

// The one search window of the program. A form that searches hands it the record set to search
// and its search fields (openSearch); the window lists the fields, takes the caption the fields
// name and shows itself owned by that form. "&Cari" moves the record set to the first row
// whose column equals the value typed.
class frmCari : public platform::Form {
    Q_OBJECT
public:
    explicit frmCari(QWidget* owner = nullptr);
    ~frmCari() override;

    // From now on searches `records` by `fields`: their items are appended to the list (what
    // the box shows stays until the user picks) and their caption is the window's.
    void searchIn(data::RecordSet* records, const forms::SearchFields& fields);

    void Command1_Click();

private:
    void Command2_Click();
    bool Text1_KeyPress(int key);
    void pesan();
    void CekNp();
    void addField(const QString& item);

    std::unique_ptr<Ui::frmCari> m_ui;
    QPointer<data::RecordSet> m_records; // the caller's; gone with it
    forms::SearchFields m_fields;
};

// What a form does to search: hands the search window (loaded if need be, and now owned by the
// form) its record set and fields, and shows the window modeless.
frmCari* openSearch(QWidget* caller, data::RecordSet* records, const forms::SearchFields& fields);
