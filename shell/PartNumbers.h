#pragma once

#include <QString>

// Part numbers of drives and drive/controllers, built from their construction
// rows and the codes the selection cascade produced. Each runs its query
// through Shared_Recordset.
namespace Globals {

// Prefix + drive code + controller portion; empty when the drive has no
// construction row.
QString Build_Drive_Part_Number(const QString& driveName, const QString& driveCode);

// Prefix with the drive code and the option code in the order of the row's
// "Power Level First"; a code "N/A" is left out. Empty when there is no row.
QString Build_DriveController_Part_Number(const QString& driveControllerName, const QString& driveCode,
                                          const QString& optionCode);

} // namespace Globals
