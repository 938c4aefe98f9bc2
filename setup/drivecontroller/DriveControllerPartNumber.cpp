#include "setup/drivecontroller/DriveControllerPartNumber.h"

#include "shell/AxisRecord.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"

using namespace Globals;

void DriveControllerPartNumber::build(const AxisRecord& record)
{
    // The drive code exists once the drive part number is built from it: a
    // voltage column may hold it as empty text, which adds nothing.
    if (!record.Drive_Part_Number.isEmpty() && !Drive_Controller_Option_Code.isEmpty())
        Drive_Controller_Part_Number =
            Build_DriveController_Part_Number(record.Drive_Name, record.Drive_Code, Drive_Controller_Option_Code);
    if (record.Drive_Name.compare(QLatin1String("iQO"), Qt::CaseInsensitive) == 0)
        Drive_Controller_Part_Number = record.Motor_Part_Number;
}

QString DriveControllerPartNumber::driveText()
{
    const QString partNumber =
        Drive_Controller_Part_Number.isEmpty() ? QStringLiteral("Not Fully Configured") : Drive_Controller_Part_Number;
    return QStringLiteral("Drive: ") + partNumber + QStringLiteral("\r\nNotes: ") + Drive_Controller_Notes;
}
