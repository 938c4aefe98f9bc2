#pragma once

#include "setup/common/DriveChoiceStep.h"

// The drive/controller list's choice: the drive/controller's configuration
// (options, part number, accessories in the Drive_Controller_* globals) goes
// with the drive it configured, its part-number box hides until the options
// dialog fills it again, and only a one-entry series list selects itself. A
// choice of no entry (the list emptied by a replay) drops the configuration too.
class DriveControllerChoiceStep : public DriveChoiceStep {
public:
    using DriveChoiceStep::DriveChoiceStep;

protected:
    void emptyOwn() override;
    void recorded(const QString& driveController, AxisRecord& record) override;
    void selectSingle(bool seriesChosen) const override;
    void chosenAgain(const QString& driveController) override;
};
