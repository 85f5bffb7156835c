#pragma once

#include "platform/windows.h"

#include <memory>

namespace Ui {
class frmPassword;
}

// The login window: the program's first window, passed with the one fixed credential.
class frmPassword : public platform::Form {
    Q_OBJECT
public:
    explicit frmPassword(QWidget* owner = nullptr);
    ~frmPassword() override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();

    std::unique_ptr<Ui::frmPassword> m_ui;
    bool m_passed = false;
    bool m_activated = false;
};
