#pragma once

#include "setup/controller/ControllerControls.h"
#include "setup/common/CascadeControls.h"
#include "setup/common/CascadeRules.h"
#include "setup/common/ProjectReplay.h"
#include "setup/common/SetupFormBase.h"

#include <QString>

#include <memory>

class CableLengthStep;
class ControllerCascade;
class ControllerChoiceStep;
class ControllerConnection;
class DriveChoiceStep;
class DriveVoltageStep;
class ListControl;
class MotorOptionsStep;

// The setup form of kind 1: one controller with a drive and a motor on each of
// up to 16 axes. The cascade lists show the current axis' record; the axis
// list switches the axis and the copy list takes another axis' selections.
class frmController_Setup : public SetupFormBase {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name = SetupKinds::ControllerForm;

    frmController_Setup();
    ~frmController_Setup() override;

    // The setup-form interface.
    void Reset() override;
    void Reset_Axis() override;
    // Replays the current axis' record into the lists (Loading_Project set by
    // the caller); in a strict mode a value not offered throws.
    void Load_Axis(ProjectReplay::Mode mode = ProjectReplay::Axis);
    // The copy list: every axis of the controller but the current one.
    void Update_Replicate();
    QString Save_String() override;
    // The axis' drive accessories show in the report only.
    void Update_Accessories_Display() override {}
    ListControl* cmbShaft_options() override { return m_controls.cmbShaft_options; }
    ListControl* cmbOptions() override { return m_controls.cmbOptions; }

    // The axis list for a controller of that many axes (1 to 16), enabled, with
    // the copy list rebuilt; the axis that was selected is selected again (the
    // first when it is gone), which shows it.
    void Rebuild_Axis_List(int axes);
    // Controller_Part_Number into its box; with show, the box and its label appear.
    void Show_Controller_Part_Number(bool show);

    // Click handlers, run by the user's choice or by a selection made by code.
    void cmbController_Click();
    void cmbMotor_Tech_Click();
    void cmbDrive_Click();
    void cmbAxis_Click();
    void cmbReplicate_Click();
    void cmbAxis_Number_Click();
    void cmbReq_Accessories_length_Click();
    void cmbController_Cable_Length_Click();
    void cmbMotor_Series_Click();
    void cmbFrame_size_Click();
    void cmbStack_length_Click();
    void cmbWinding_Click();
    void cmbFeedback_Click();
    void cmbShaft_options_Click();
    void cmbCable_Option_Click();
    void cmbOptions_Click();
    void cmbDriveVoltage_Click();
    void cmbWiring_Click();
    void cmbMotor_Cable_Length_Click();
    void cmbFeedback_Cable_Length_Click();
    void cmdController_Click();
    void cmdDriveAccessories_Click();
    void cmdCurve_Click();

protected:
    void replayProject() override;

private:
    void createControls();
    void wireHandlers();
    void Update_Controller_Text();
    // Empties the axis' lists below the technology, hides its drive and motor
    // results and cable lengths.
    void clearAxisDisplay();

    CascadeControls m_controls;
    ControllerControls m_k;
    CascadeRules m_rules;
    std::unique_ptr<ControllerCascade> m_cascade;
    std::unique_ptr<ControllerConnection> m_connection;
    std::unique_ptr<ControllerChoiceStep> m_controllerChoice;
    std::unique_ptr<DriveChoiceStep> m_driveChoice;
    std::unique_ptr<MotorOptionsStep> m_motorOptions;
    std::unique_ptr<DriveVoltageStep> m_voltage;
    std::unique_ptr<CableLengthStep> m_cableLengths;
};
