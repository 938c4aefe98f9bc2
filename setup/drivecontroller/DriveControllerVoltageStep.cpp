#include "setup/drivecontroller/DriveControllerVoltageStep.h"

#include "setup/common/TextBox.h"
#include "setup/drivecontroller/DriveControllerPartNumber.h"
#include "shell/AxisRecord.h"

QString DriveControllerVoltageStep::driveText(const AxisRecord& record)
{
    DriveControllerPartNumber::build(record);
    return DriveControllerPartNumber::driveText();
}

void DriveControllerVoltageStep::showDriveResult(AxisRecord& record, bool)
{
    m_c.txtDrive->setText(driveText(record));
}

void DriveControllerVoltageStep::showCurveButton(const AxisRecord& record, bool voltageStep)
{
    if (!voltageStep || record.Motor_Series.compare(QLatin1String("iQO"), Qt::CaseInsensitive) != 0)
        m_c.show(m_c.cmdCurve);
}
