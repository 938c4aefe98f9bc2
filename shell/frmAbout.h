#pragma once

#include "shell/Form.h"

class QLabel;
class QPushButton;

// The About box: product title, maker and the program's version.
class frmAbout : public Form {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name{"frmAbout"};

    frmAbout();

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdOK_Click();

    // "Version " and the program's major, minor and patch numbers.
    static QString versionText();

private:
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_lblVersion = nullptr;
    QPushButton* m_cmdOK = nullptr;
};
