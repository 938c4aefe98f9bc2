#pragma once

#include <QString>

// Part numbers of drives and drive/controllers, built from their construction
// rows and the codes the selection cascade produced. Each runs its query
// through Shared_Recordset and throws DatabaseFault naming the table when the
// catalogue has no construction row for the name, so that no incomplete part
// number stands for the drive.
namespace Globals {

// Whether a catalogue text stands for no part: empty, "N/A", or, where the
// text may name none ("None", "No Cable Required"), one beginning with "No",
// told apart as the catalogue tells its names apart: without regard to case
// or to blanks around it.
bool Is_Not_Applicable(const QString& text);
bool Names_No_Part(const QString& text);

// Prefix + drive code + controller portion; a Null piece adds nothing.
QString Build_Drive_Part_Number(const QString& driveName, const QString& driveCode);

// Prefix with the drive code and the option code in the order of the row's
// "Power Level First"; a code "N/A" is left out.
QString Build_DriveController_Part_Number(const QString& driveControllerName, const QString& driveCode,
                                          const QString& optionCode);

// Throw as the builders do when the catalogue cannot build the part number of
// the name, whatever the codes.
void Require_Drive_Construction(const QString& driveName);
void Require_DriveController_Construction(const QString& driveControllerName);

} // namespace Globals
