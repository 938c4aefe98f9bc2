#pragma once

#include "setup/common/MotorOptionsStep.h"

// The motor-options step of the drive/controller form: the row's drive notes
// are the drive/controller's, a motor without an input voltage leaves the
// drive/controller without a part number, and the integrated "iQO" motor
// shows no motor part number of its own.
class DriveControllerMotorOptionsStep : public MotorOptionsStep {
public:
    using MotorOptionsStep::MotorOptionsStep;

protected:
    void storeDriveNotes(AxisRecord& record, const DriveToMotorRow& row) override;
    void showNoDriveResult(AxisRecord& record) override;
    void showResultsBeforeFlag() override;
};
