#include "setup/controller/ControllerAxisFields.h"

#include "shell/AxisRecord.h"

namespace {

using Text = QString AxisRecord::*;

const Text kResetTexts[] = {
    &AxisRecord::Drive_Name,         &AxisRecord::Drive_Notes,
    &AxisRecord::Drive_Part_Number,  &AxisRecord::Drive_Voltage,
    &AxisRecord::Switching_Frequency, &AxisRecord::Motor_Wiring,
    &AxisRecord::Required_Drive_Accessory, &AxisRecord::Drive_Controller_Accessory,
    &AxisRecord::Feedback_Cable,     &AxisRecord::Feedback_Cable_Length,
    &AxisRecord::Feedback_Cable_Part_Number, &AxisRecord::Gearhead_Notes,
    &AxisRecord::Gearhead_Code,      &AxisRecord::Motor_Part_Number,
    &AxisRecord::Motor_Cable,        &AxisRecord::Motor_Cable_Length,
    &AxisRecord::Motor_Cable_Part_Number, &AxisRecord::Motor_Notes,
    &AxisRecord::Part_Number_Type,   &AxisRecord::Motor_Technology,
    &AxisRecord::Motor_Series,       &AxisRecord::Frame_Size,
    &AxisRecord::Stack_Length,       &AxisRecord::Winding,
    &AxisRecord::Feedback,           &AxisRecord::Shaft_Option,
    &AxisRecord::Cable_Option,       &AxisRecord::Motor_Option,
    &AxisRecord::Controller_Cable,   &AxisRecord::Controller_Cable_Part_Number,
    &AxisRecord::Controller_Cable_Length, &AxisRecord::Controller_Cable_Notes,
};

void clear(AxisRecord& record, bool keepDriveCode)
{
    for (Text field : kResetTexts)
        (record.*field).clear();
    record.Bus_Voltage = 0;
    if (!keepDriveCode)
        record.Drive_Code.clear();
    // The report lists every axis' drive accessories, configured or not.
    record.Drive_Accessories.clear();
}

} // namespace

void ControllerAxisFields::clearForSystemReset(AxisRecord& record)
{
    clear(record, false);
}

void ControllerAxisFields::clearForAxisReset(AxisRecord& record)
{
    clear(record, true);
}

void ControllerAxisFields::copySelections(const AxisRecord& source, AxisRecord& target)
{
    // Whole: what the replay rebuilds is rebuilt from the same values, and
    // nothing of the target stays where the source has nothing to rebuild.
    static_cast<AxisSelections&>(target) = source;
}
