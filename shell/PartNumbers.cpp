#include "shell/PartNumbers.h"

#include "shell/Globals.h"

namespace Globals {

namespace {
const QString kNotApplicable = QStringLiteral("N/A");
}

QString Build_Drive_Part_Number(const QString& driveName, const QString& driveCode)
{
    Recordset& rs = Run_Query(
        QStringLiteral("SELECT [Drive Construction].[Drive Name], [Drive Construction].[Prefix], "
                       "[Drive Construction].[DriveOnly_Controller_Portion] From [Drive Construction] "
                       "WHERE (([Drive Construction].[Drive Name])=?);"),
        {driveName});
    // A drive without a construction row has no part number rather than a broken one.
    if (rs.eof())
        return QString();
    return rs.text(QStringLiteral("prefix")) + driveCode + rs.text(QStringLiteral("DriveOnly_Controller_Portion"));
}

QString Build_DriveController_Part_Number(const QString& driveControllerName, const QString& driveCode,
                                          const QString& optionCode)
{
    Recordset& rs = Run_Query(
        QStringLiteral("SELECT [DriveController Construction].[DriveController Name], "
                       "[DriveController Construction].[Prefix], [DriveController Construction].[Power Level First] "
                       "From [DriveController Construction] "
                       "WHERE (([DriveController Construction].[DriveController Name])=?);"),
        {driveControllerName});
    if (rs.eof())
        return QString();
    const bool powerLevelFirst = rs.boolean(QStringLiteral("Power Level First"));
    const QString prefix = rs.text(QStringLiteral("prefix"));

    // A code "N/A" is left out; with both left out only the prefix remains.
    const bool hasDrive = driveCode != kNotApplicable;
    const bool hasOption = optionCode != kNotApplicable;
    if (!hasDrive)
        return hasOption ? prefix + optionCode : prefix;
    if (!hasOption)
        return prefix + driveCode;
    return powerLevelFirst ? prefix + driveCode + optionCode : prefix + optionCode + driveCode;
}

} // namespace Globals
