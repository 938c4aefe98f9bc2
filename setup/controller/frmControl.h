#pragma once

#include "shell/AccessoryOwner.h"
#include "shell/Form.h"
#include "shell/SetupKinds.h"

#include <array>

class frmAccessories;
class ListControl;
class QLabel;
class QPushButton;
class TextBox;

// The options dialog of the controller setup: the chosen controller's six
// option levels, each narrowed by the levels above it, give its part number,
// axis counts and expansion readiness; from here the user picks its
// accessories and expansion cards. Closing it gives the setup form one axis
// per axis of the controller. Its results live in the controller globals.
class frmControl : public Form, public AccessoryOwner {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name = SetupKinds::ControllerOptionsDialog;
    static constexpr int Levels = 6;

    frmControl();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;

    // The choice on the level of the list cmb1(Index), Index 0 to 5 for
    // levels 1 to 6 (the accessory dialog reads cmb1(1) and cmb1(2), the
    // levels that carry a controller's axis count).
    void cmb1_Click(int Index);
    void cmdDone_Click();
    void cmdAccessories_Click();
    void Update_Accessories_Display() override;

    // Level lists and captions by index (level - 1), 0 to 5; null otherwise.
    ListControl* cmb1(int index) const;
    QLabel* lbl1(int index) const;

protected:
    // The close box closes the dialog as its own choice, as Done does.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void fillLevel(int index);
    void restoreOptions();
    void showResult(bool shown);
    // Fills the accessory dialog for the controller with the stored choice
    // marked, without showing it.
    frmAccessories* Load_Controller_Accessories();
    QStringList chosenAbove(int index) const;

    std::array<ListControl*, Levels> m_cmb1 {};
    std::array<QLabel*, Levels> m_lbl1 {};
    // Levels whose only value is "N/A": passed through, never shown.
    std::array<bool, Levels> m_passedThrough {};
    QLabel* m_picController = nullptr;
    TextBox* m_txtResults = nullptr;
    QLabel* m_lblResults = nullptr;
    TextBox* m_txtAccessories = nullptr;
    QLabel* m_lblAccessories = nullptr;
    QPushButton* m_cmdAccessories = nullptr;
    QPushButton* m_cmdDone = nullptr;
    QLabel* m_lblWarning = nullptr;

    // While the saved levels are put back: the levels below keep their saved
    // values and the accessory choice stays.
    bool Restoring_Options = false;
    // Done or the close box: only then does closing touch the setup form
    // (not when the setup form or the main window takes it down).
    bool m_closedByUser = false;
};
