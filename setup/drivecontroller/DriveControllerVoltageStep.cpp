#include "setup/drivecontroller/DriveControllerVoltageStep.h"

#include "setup/common/TextBox.h"
#include "setup/drivecontroller/DriveControllerPartNumber.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"

using namespace Globals;

QString DriveControllerVoltageStep::driveText(const AxisRecord& record)
{
    // A voltage or wiring without a drive code has no part number: the one of
    // an earlier choice must not stand for it.
    if (record.Drive_Code.isEmpty())
        Drive_Controller_Part_Number.clear();
    DriveControllerPartNumber::build(record);
    return DriveControllerPartNumber::driveText();
}

void DriveControllerVoltageStep::showDriveResult(AxisRecord& record, bool)
{
    m_c.txtDrive->setText(driveText(record));
}

void DriveControllerVoltageStep::showCurveButton(const AxisRecord& record, bool voltageStep)
{
    if (!voltageStep || record.Motor_Series != QLatin1String("iQO"))
        m_c.show(m_c.cmdCurve);
}
