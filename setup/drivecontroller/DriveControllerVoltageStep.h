#pragma once

#include "setup/common/DriveVoltageStep.h"

// The input-voltage and wiring steps of the drive/controller form: besides
// the drive part number they build the full drive/controller part number and
// show it with the drive/controller notes.
class DriveControllerVoltageStep : public DriveVoltageStep {
public:
    using DriveVoltageStep::DriveVoltageStep;

    // Rebuilds the drive/controller part number from the record's drive code
    // and gives the text of the form's drive/controller box.
    static QString driveText(const AxisRecord& record);

protected:
    void showDriveResult(AxisRecord& record, bool voltageStep) override;
    void showCurveButton(const AxisRecord& record, bool voltageStep) override;
};
