#pragma once

#include "shell/Form.h"

#include <array>

class OptionButton;
class QPushButton;

// The start dialog: one of the three setup kinds and "Start".
class frmSelection : public Form {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name{"frmSelection"};

    frmSelection();

    void Form_Load() override;
    void cmdDone_Click();

    // Selection(0..2): controller, drive/controller, drive setup.
    OptionButton* Selection(int index) const;

private:
    std::array<OptionButton*, 3> m_selection {};
    QPushButton* m_cmdDone = nullptr;
};
