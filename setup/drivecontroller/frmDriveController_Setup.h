#pragma once

#include "setup/common/AxisProjectBlock.h"
#include "setup/common/SingleAxisSetupForm.h"

#include <QString>

class ListControl;
class QLabel;
class TextBox;

// The setup form of kind 2: one drive with a built-in controller and one
// motor, on axis 1. The drive/controller's own configuration (options, part
// number, accessories) lives in the Drive_Controller_* globals and is chosen
// in the options dialog frmDriveControl.
class frmDriveController_Setup : public SingleAxisSetupForm {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name = SetupKinds::DriveControllerForm;

    frmDriveController_Setup();
    ~frmDriveController_Setup() override;

    // The setup-form interface.
    QString Save_String() override;
    void Update_Accessories_Display() override;

    // The configure button's Click handler.
    void cmdDriveController_Click();

    // What the options dialog writes into and reads from.
    ListControl* cmbDriveController() const { return m_controls.driveList; }
    TextBox* txtDriveController() const { return m_controls.txtDrive; }
    QWidget* lblDriveController() const { return m_controls.lblDrive; }
    // Hides the accessory list while the options are chosen again.
    void hideAccessories();

protected:
    void replayProject() override;

private:
    // The file's values into the record and the drive/controller globals.
    void readProject(AxisProjectBlock::Values values);
};
