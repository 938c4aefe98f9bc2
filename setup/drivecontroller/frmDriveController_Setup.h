#pragma once

#include "setup/drive/CascadeControls.h"
#include "setup/drive/CascadeRules.h"
#include "setup/drive/SetupFormBase.h"

#include <QString>

#include <memory>

class CableLengthStep;
class DriveVoltageStep;
class ListControl;
class MotorOptionsStep;
class QLabel;
class QPushButton;
class SelectionCascade;
class TextBox;

// The setup form of kind 2: one drive with a built-in controller and one
// motor, on axis 1. The drive/controller's own configuration (options, part
// number, accessories) lives in the Drive_Controller_* globals and is chosen
// in the options dialog frmDriveControl.
class frmDriveController_Setup : public SetupFormBase {
    Q_OBJECT
public:
    frmDriveController_Setup();
    ~frmDriveController_Setup() override;

    // The setup-form interface.
    void Reset() override;
    QString Save_String() override;
    void Update_Accessories_Display() override;
    ListControl* cmbShaft_options() override { return m_controls.cmbShaft_options; }
    ListControl* cmbOptions() override { return m_controls.cmbOptions; }

    // Click handlers, run by the user's choice or by a selection made by code.
    void cmbMotor_Tech_Click();
    void cmbDriveController_Click();
    void cmdDriveController_Click();
    void cmdCurve_Click();

    // What the options dialog writes into and reads from.
    ListControl* cmbDriveController() const { return m_controls.driveList; }
    TextBox* txtDriveController() const { return m_controls.txtDrive; }
    QLabel* lblDriveController() const { return m_lblDriveController; }
    // Hides the accessory list while the options are chosen again.
    void hideAccessories();

    // Makes Reset keep the technology list while the technology handler resets the form.
    bool Keep_Technology = false;
    // The feedback the motor-options step looked its row up with; the voltage
    // and wiring steps find the same row with it.
    QString Feedback_Key;

protected:
    void replayProject() override;

private:
    void createControls();
    void wireHandlers();

    CascadeControls m_controls;
    CascadeRules m_rules;
    std::unique_ptr<SelectionCascade> m_cascade;
    std::unique_ptr<MotorOptionsStep> m_motorOptions;
    std::unique_ptr<DriveVoltageStep> m_voltage;
    std::unique_ptr<CableLengthStep> m_cableLengths;

    QLabel* m_picDriveController = nullptr;
    QLabel* m_lblDriveController = nullptr;
    TextBox* m_txtAccessories = nullptr;
    QLabel* m_lblAccessories = nullptr;
    QPushButton* m_cmdDriveController = nullptr;
};
