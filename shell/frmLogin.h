#pragma once

#include "shell/Form.h"

class QLineEdit;
class QPushButton;

// The login dialog: the right password reveals the price-request button.
class frmLogin : public Form {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name{"frmLogin"};

    frmLogin();

    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    QLineEdit* m_txtUserName = nullptr;
    QLineEdit* m_txtPassword = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
