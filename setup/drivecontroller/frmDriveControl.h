#pragma once

#include "shell/AccessoryOwner.h"
#include "shell/AccessoryStore.h"
#include "shell/Form.h"
#include "shell/SetupKinds.h"

#include <array>

class ListControl;
class QLabel;
class QPushButton;
class TextBox;
class frmDriveController_Setup;

// The options dialog of the drive/controller chosen on the setup form: up to
// four option levels, each narrowed by the levels above it. The last level
// gives the option code and the full part number; the accessories of the
// drive/controller are chosen from here in the shared accessory dialog.
// Everything it decides lives in the Drive_Controller_* globals, so that
// reopening restores the saved configuration level by level.
class frmDriveControl : public Form, public AccessoryOwner {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name = SetupKinds::DriveControllerOptionsDialog;
    static constexpr int Levels = 4;

    frmDriveControl();

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // The choice of level Index (1 to 4).
    void cmb1_Click(int Index);
    void cmdDone_Click();
    void cmdAccessories_Click();
    void Update_Accessories_Display() override;

    // What the accessory dialog offers for the saved drive/controller and options.
    static AccessoryStore::Offer Offered_Accessories();

    // Levels 1 to 4; null for another index.
    ListControl* cmb1(int index) const;
    QLabel* lbl1(int index) const;

private:
    // The accessory dialog filled for the current configuration; shown unless
    // Done prepares it only to store the choice.
    void prepareAccessories(bool show);
    void fillLevel(int level);
    // Puts the saved value of a level back; a value the level no longer
    // offers throws. A level already showing it is not run again.
    void restoreLevel(int level);
    // Selects a level's only entry; a lone "N/A" level is hidden.
    void selectSingleEntry(int level);
    void showLevel(int level, bool shown);
    // The configuration of the four chosen levels: option code, readiness,
    // expansion notes and part number.
    void readConfiguration();
    void hideAccessories();

    std::array<ListControl*, Levels + 1> m_cmb1 {};
    std::array<QLabel*, Levels + 1> m_lbl1 {};
    QLabel* m_picDriveController = nullptr;
    TextBox* m_txtResults = nullptr;
    QLabel* m_lblResults = nullptr;
    TextBox* m_txtNotes = nullptr;
    QLabel* m_lblNotes = nullptr;
    TextBox* m_txtAccessories = nullptr;
    QLabel* m_lblAccessories = nullptr;
    QPushButton* m_cmdAccessories = nullptr;
    QPushButton* m_cmdDone = nullptr;

    // Set while a saved option value is put back: the choice handling then
    // keeps the saved levels below and the accessory choice.
    bool Restoring_Options = false;
};
