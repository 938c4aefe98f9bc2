#include "setup/drivecontroller/DriveControllerMotorOptionsStep.h"

#include "setup/common/DriveToMotorRow.h"
#include "setup/common/TextBox.h"
#include "setup/drivecontroller/DriveControllerVoltageStep.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"

using namespace Globals;

void DriveControllerMotorOptionsStep::storeDriveNotes(AxisRecord& record, const DriveToMotorRow& row)
{
    if (record.Part_Number_Type == QLatin1String("Colbitum"))
        record.Drive_Notes = QStringLiteral("N/A");
    Drive_Controller_Notes = row.text(QStringLiteral("Drive_Notes"));
}

void DriveControllerMotorOptionsStep::showNoDriveResult(AxisRecord& record)
{
    m_c.txtDrive->setText(DriveControllerVoltageStep::driveText(record));
}

void DriveControllerMotorOptionsStep::showResultsBeforeFlag()
{
    MotorOptionsStep::showResultsBeforeFlag();
    if (Current_Record().Motor_Series.compare(QLatin1String("iQO"), Qt::CaseInsensitive) == 0) {
        m_c.txtMotor_Part->hide();
        m_c.lblMotor_Part->hide();
    }
}
