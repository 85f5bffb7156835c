#pragma once

#include "platform/windows.h"

#include <memory>

namespace Ui {
class frmAbout;
}

// What the system is and when it was completed; closes only with its one button.
class frmAbout : public platform::Form {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner = nullptr);
    ~frmAbout() override;

private:
    void Command1_Click();

    std::unique_ptr<Ui::frmAbout> m_ui;
};
