#pragma once

#include "setup/common/SingleAxisSetupForm.h"

#include <QString>

// The setup form of kind 4: one drive with one motor, its cables and the
// drive's accessories, on axis 1.
class frmDrive_Setup : public SingleAxisSetupForm {
    Q_OBJECT
public:
    frmDrive_Setup();
    ~frmDrive_Setup() override;

    // The setup-form interface.
    QString Save_String() override;
    void Update_Accessories_Display() override;

    // The accessory button's handler.
    void cmdDriveAccessories_Click();

    // The feedback the motor-options step looked its row up with; the voltage
    // and wiring steps find the same row with it.
    QString Row_Feedback;

protected:
    void replayProject() override;
    void resetRecord(AxisRecord& record) override;
};
