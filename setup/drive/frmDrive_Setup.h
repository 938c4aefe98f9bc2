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
class QFrame;
class QLabel;
class QPushButton;
class SelectionCascade;
class TextBox;

// The setup form of kind 4: one drive with one motor, its cables and the
// drive's accessories, on axis 1.
class frmDrive_Setup : public SetupFormBase {
    Q_OBJECT
public:
    frmDrive_Setup();
    ~frmDrive_Setup() override;

    // The setup-form interface.
    void Reset() override;
    QString Save_String() override;
    void Update_Accessories_Display() override;
    ListControl* cmbShaft_options() override { return m_cmbShaft_options; }
    ListControl* cmbOptions() override { return m_cmbOptions; }

    // Click handlers, run by the user's choice or by a selection made by code.
    void cmbMotor_Tech_Click();
    void cmbDrive_Click();
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
    void cmdDriveAccessories_Click();
    void cmdCurve_Click();

    // Makes Reset keep the technology list while the technology handler resets the form.
    bool Keep_Technology = false;
    // The feedback the motor-options step looked its row up with; the voltage
    // and wiring steps find the same row with it.
    QString Row_Feedback;

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

    ListControl* m_cmbMotor_Tech = nullptr;
    ListControl* m_cmbDrive = nullptr;
    ListControl* m_cmbMotor_Series = nullptr;
    ListControl* m_cmbFrame_size = nullptr;
    ListControl* m_cmbStack_length = nullptr;
    ListControl* m_cmbWinding = nullptr;
    ListControl* m_cmbFeedback = nullptr;
    ListControl* m_cmbShaft_options = nullptr;
    ListControl* m_cmbCable_Option = nullptr;
    ListControl* m_cmbOptions = nullptr;
    ListControl* m_cmbDriveVoltage = nullptr;
    ListControl* m_cmbWiring = nullptr;
    ListControl* m_cmbMotor_Cable_Length = nullptr;
    ListControl* m_cmbFeedback_Cable_Length = nullptr;
    QLabel* m_picDrive = nullptr;
    QLabel* m_picMotor_Series = nullptr;
    TextBox* m_txtDrive = nullptr;
    TextBox* m_txtMotor_Part = nullptr;
    TextBox* m_txtMotor = nullptr;
    TextBox* m_txtAccessories = nullptr;
    QLabel* m_lblDrive = nullptr;
    QLabel* m_lblMotor_Part = nullptr;
    QLabel* m_lblMotor = nullptr;
    QLabel* m_lblAccessories = nullptr;
    QLabel* m_lblDriveVoltage = nullptr;
    QLabel* m_lblwiring = nullptr;
    QLabel* m_lblMotor_Cable_Length = nullptr;
    QLabel* m_lblFeedback_Cable_Length = nullptr;
    QPushButton* m_cmdDriveAccessories = nullptr;
    QPushButton* m_cmdCurve = nullptr;
};
