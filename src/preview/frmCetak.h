#pragma once

#include "platform/windows.h"

#include <memory>

namespace Ui {
class frmCetak;
}

// The chooser of the two list reports: the trainee list or the unit list, printed or
// exported to Excel.
class frmCetak : public platform::Form {
    Q_OBJECT
public:
    explicit frmCetak(QWidget* owner = nullptr);
    ~frmCetak() override;

private:
    void Form_Load();
    // The report of the list chosen: "drKursan" or "drUnit"; empty while none is.
    QString chosenList() const;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    std::unique_ptr<Ui::frmCetak> m_ui;
};
