#include "shell/PartNumbers.h"

#include "platform/DatabaseFault.h"
#include "shell/Globals.h"

namespace Globals {

namespace {

const QString kNotApplicable = QStringLiteral("N/A");
const QString kPrefix = QStringLiteral("Prefix");

// The construction row of the name in Shared_Recordset.
const Recordset& constructionRow(const QString& sql, const QString& table, const QString& nameColumn,
                                 const QString& name)
{
    const Recordset& rs = Run_Query(sql, {name});
    // Without its row no part number can be built; a Null or empty prefix adds nothing.
    if (rs.eof())
        throw DatabaseFault::missingRow(System_Database.path(), table, nameColumn, name);
    return rs;
}

const Recordset& driveConstruction(const QString& driveName)
{
    return constructionRow(
        QStringLiteral("SELECT [Drive Construction].[Drive Name], [Drive Construction].[Prefix], "
                       "[Drive Construction].[DriveOnly_Controller_Portion] From [Drive Construction] "
                       "WHERE (([Drive Construction].[Drive Name])=?);"),
        QStringLiteral("Drive Construction"), QStringLiteral("Drive Name"), driveName);
}

const Recordset& driveControllerConstruction(const QString& driveControllerName)
{
    return constructionRow(
        QStringLiteral("SELECT [DriveController Construction].[DriveController Name], "
                       "[DriveController Construction].[Prefix], [DriveController Construction].[Power Level First] "
                       "From [DriveController Construction] "
                       "WHERE (([DriveController Construction].[DriveController Name])=?);"),
        QStringLiteral("DriveController Construction"), QStringLiteral("DriveController Name"), driveControllerName);
}

} // namespace

QString Build_Drive_Part_Number(const QString& driveName, const QString& driveCode)
{
    const Recordset& rs = driveConstruction(driveName);
    return rs.text(kPrefix) + driveCode + rs.text(QStringLiteral("DriveOnly_Controller_Portion"));
}

QString Build_DriveController_Part_Number(const QString& driveControllerName, const QString& driveCode,
                                          const QString& optionCode)
{
    const Recordset& rs = driveControllerConstruction(driveControllerName);
    const bool powerLevelFirst = rs.boolean(QStringLiteral("Power Level First"));
    const QString prefix = rs.text(kPrefix);

    // A code "N/A" is left out; with both left out only the prefix remains.
    const bool hasDrive = driveCode.compare(kNotApplicable, Qt::CaseInsensitive) != 0;
    const bool hasOption = optionCode.compare(kNotApplicable, Qt::CaseInsensitive) != 0;
    if (!hasDrive)
        return hasOption ? prefix + optionCode : prefix;
    if (!hasOption)
        return prefix + driveCode;
    return powerLevelFirst ? prefix + driveCode + optionCode : prefix + optionCode + driveCode;
}

void Require_Drive_Construction(const QString& driveName)
{
    driveConstruction(driveName);
}

void Require_DriveController_Construction(const QString& driveControllerName)
{
    driveControllerConstruction(driveControllerName);
}

bool Is_Not_Applicable(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed.compare(kNotApplicable, Qt::CaseInsensitive) == 0;
}

bool Names_No_Part(const QString& text)
{
    // "No" begins such a name as the catalogue writes it; in another case only
    // as a word of its own, so that a part number like "NOR-5" stays one.
    const QString trimmed = text.trimmed();
    return Is_Not_Applicable(trimmed) || trimmed.startsWith(QLatin1String("No"))
        || trimmed.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0
        || trimmed.startsWith(QLatin1String("No "), Qt::CaseInsensitive);
}

} // namespace Globals
