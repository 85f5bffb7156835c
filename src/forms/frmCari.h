#pragma once

#include "platform/windows.h"

#include <memory>

namespace Ui {
class frmCari;
}

namespace data {
class RecordSet;
}

// The one search window of the program. A form that searches appends its field names, sets
// the caption to its own form name and shows the window owned by itself (openSearch does all
// three); "&Cari" moves that form's data control to the first row whose column equals the
// value typed.
class frmCari : public platform::Form {
    Q_OBJECT
public:
    explicit frmCari(QWidget* owner = nullptr);
    ~frmCari() override;

    // Appends a field name to the list; what the box shows stays until the user picks.
    void addField(const QString& item);

    void Command1_Click();
    void Command2_Click();
    bool Text1_KeyPress(int key);
    void pesan();
    void CekNp();

    // The caller's form name, taken from the caption at the start of every search.
    QString FormAsal;

private:
    data::RecordSet* callerRecordset() const;

    std::unique_ptr<Ui::frmCari> ui;
};

// What a form does to search: appends its fields to the search window (loading it if need
// be), sets the window's caption to the form's name and shows it modeless, owned by the form.
// `form` defaults to the caller's class name ("frmUnit", "frmKursan", "frmSPM").
frmCari* openSearch(QWidget* caller, const QString& form = {});
