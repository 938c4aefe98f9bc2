#pragma once

#include "setup/drive/MotorOptionsStep.h"

// The motor-options step of the drive/controller form: the row's drive notes
// are the drive/controller's, and the integrated "iQO" motor shows no motor
// part number of its own.
class DriveControllerMotorOptionsStep : public MotorOptionsStep {
public:
    using MotorOptionsStep::MotorOptionsStep;

protected:
    void storeDriveNotes(AxisRecord& record, const DriveToMotorRow& row) override;
    void showResultsBeforeFlag() override;
};
