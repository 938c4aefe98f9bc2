#pragma once

#include "setup/common/ProjectReplay.h"
#include "setup/common/SetupFormBase.h"
#include "setup/controller/ControllerControls.h"

#include <QString>

#include <memory>

class ControllerChoiceStep;
class ControllerConnection;
class ListControl;

// The setup form of kind 1: one controller with a drive and a motor on each of
// up to 16 axes. The cascade lists show the current axis' record; the axis
// list switches the axis and the copy list takes another axis' selections.
class Reconciliation;

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
    void Load_Axis(ProjectReplay::Mode mode = ProjectReplay::Axis, Reconciliation* reconciliation = nullptr);
    // The replay of an axis record into this form's lists.
    ProjectReplay axisReplay(ProjectReplay::Mode mode, Reconciliation* reconciliation = nullptr) const;
    // The copy list: every axis of the controller but the current one.
    void Update_Replicate();
    QString Save_String() override;
    // The axis' drive accessories show in the report only.
    void Update_Accessories_Display() override {}
    // The breakout, as the system holds it.
    void settleBill() override;
    QStringList offeredDriveAccessories(const QString& drive) const override;

    // The axis list for a controller of that many axes (1 to 16), enabled, with
    // the copy list rebuilt; the axis that was selected is selected again (the
    // first when it is gone), which shows it.
    void Rebuild_Axis_List(int axes);
    // Controller_Part_Number into its box; with show, the box and its label appear.
    void Show_Controller_Part_Number(bool show);

    // Click handlers of the form's own lists and buttons.
    void cmbMotor_Tech_Click();
    void cmbAxis_Click();
    void cmbReplicate_Click();
    void cmdController_Click();

protected:
    void replayProject() override;

private:
    void createControls();
    void wireHandlers();
    // Empties the axis' lists below the technology, hides its drive and motor
    // results and cable lengths.
    void clearAxisDisplay();
    // What Reset_Axis shows (its drop aside); the technology handler keeps the technology just chosen.
    void resetAxis(bool keepTechnology);

    ControllerControls m_k;
    std::unique_ptr<ControllerConnection> m_connection;
    std::unique_ptr<ControllerChoiceStep> m_controllerChoice;
};
