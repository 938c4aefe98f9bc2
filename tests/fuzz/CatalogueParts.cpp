#include "CatalogueParts.h"

#include "setup/controller/ControllerConnection.h"
#include "setup/common/MotorPartNumber.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"

#include <QStringList>

#include <functional>
#include <map>
#include <set>
#include <utility>

using namespace Globals;

namespace {

void eachRow(const QString& sql, const QVariantList& params, const std::function<void(const Recordset&)>& take)
{
    for (Recordset rs = System_Database.OpenRecordset(sql, params); !rs.eof(); rs.moveNext())
        take(rs);
}

QStringList column(const QString& sql, const QString& name, const QVariantList& params = {})
{
    QStringList values;
    eachRow(sql, params, [&](const Recordset& rs) { values << rs.text(name); });
    return values;
}

// An accessory as its entry, its code and the part the bill of material shows.
void addEntries(QSet<QString>& parts, const QStringList& entries)
{
    for (const QString& entry : entries)
        parts << entry << Get_Code(entry);
}

void addDrives(QSet<QString>& parts)
{
    // The drive codes of each drive (or drive/controller) in the voltage columns.
    std::set<std::pair<QString, QString>> codes;
    eachRow(QStringLiteral("SELECT * FROM [Drive to Motor]"), {}, [&](const Recordset& rs) {
        for (const QString& field : rs.fieldNames())
            if (field.endsWith(QLatin1String("_Drive")) || field.endsWith(QLatin1String("_Drive_Parallel")))
                codes.insert({rs.text(QStringLiteral("Drive Name")), rs.text(field)});
    });
    for (const auto& [drive, code] : codes) {
        parts << Build_Drive_Part_Number(drive, code);
        const QStringList options = column(
            QStringLiteral("SELECT PartNumber FROM [All DriveControllers] WHERE [DriveController Name] = ?"),
            QStringLiteral("PartNumber"), {drive});
        for (const QString& option : options + QStringList {QStringLiteral("N/A")})
            parts << Build_DriveController_Part_Number(drive, code, option);
    }
}

using Field = QString AxisRecord::*;

// The columns of a motor row that name the record's choices.
const std::pair<Field, const char*> kMotorChoice[] = {
    {&AxisRecord::Part_Number_Type, "PartNumber Type"}, {&AxisRecord::Motor_Series, "Motor Name"},
    {&AxisRecord::Frame_Size, "Frame_Size"},            {&AxisRecord::Stack_Length, "Stack_Length"},
    {&AxisRecord::Winding, "Winding"},                  {&AxisRecord::Feedback, "Feedback"},
    {&AxisRecord::Cable_Option, "Cable_Option"},
};

void addMotors(QSet<QString>& parts)
{
    std::map<QString, AxisRecord> choices;
    eachRow(QStringLiteral("SELECT m.[PartNumber Type], d.[Motor Name], d.Frame_Size, d.Stack_Length, d.Winding, "
                           "d.Feedback, d.Cable_Option FROM [Drive to Motor] d JOIN Motors m "
                           "ON m.[Motor Name] = d.[Motor Name]"),
            {}, [&](const Recordset& rs) {
                AxisRecord record;
                QString key;
                for (const auto& [field, name] : kMotorChoice)
                    key += (record.*field = rs.text(QLatin1String(name))) + QLatin1Char('\r');
                choices.emplace(key, record);
            });
    const QString where = QStringLiteral(" WHERE [Motor Name] = ? AND Frame_Size = ? AND Stack_Length = ?");
    for (auto& [key, record] : choices) {
        const QVariantList size {record.Motor_Series, record.Frame_Size, record.Stack_Length};
        // A gearhead adds the keyway to the shaft list and stands as the option.
        const QStringList shafts =
            column(QStringLiteral("SELECT Shaft_Options FROM [Shaft Options]") + where, QStringLiteral("Shaft_Options"),
                   size)
            + QStringList {QStringLiteral("K = Keyway"), QString()};
        const QStringList options =
            column(QStringLiteral("SELECT Options FROM Options") + where, QStringLiteral("Options"), size)
            + column(QStringLiteral("SELECT GXX FROM Gearhead") + where, QStringLiteral("GXX"), size)
            + QStringList {QString()};
        for (const QString& shaft : shafts) {
            record.Shaft_Option = shaft;
            for (const QString& option : options) {
                record.Motor_Option = option;
                if (const auto built = MotorPartNumber::build(record))
                    parts << built->partNumber;
            }
        }
    }
}

void addControllers(QSet<QString>& parts)
{
    eachRow(QStringLiteral("SELECT [Part Number], [Required Accessory], [TNL Axes] FROM [All Controllers]"), {},
            [&](const Recordset& rs) {
                const QString breakout = rs.text(QStringLiteral("Required Accessory"));
                parts << rs.text(QStringLiteral("Part Number")) << breakout
                      << ControllerConnection::completeBreakout(breakout, rs.text(QStringLiteral("TNL Axes")));
            });
    eachRow(QStringLiteral("SELECT Cable, ControllerDriveRequired_Accessory FROM [Controller to Drive]"), {},
            [&](const Recordset& rs) {
                parts << rs.text(QStringLiteral("Cable")) << rs.text(QStringLiteral("ControllerDriveRequired_Accessory"));
            });
}

} // namespace

QSet<QString> CatalogueParts::build()
{
    QSet<QString> parts;
    addDrives(parts);
    addMotors(parts);
    addControllers(parts);
    for (const QString& part :
         column(QStringLiteral("SELECT [Cable Part Number] FROM Cables"), QStringLiteral("Cable Part Number")))
        parts << part;
    const std::pair<const char*, const char*> accessories[] = {
        {"Drive Accessories", "Drive Accessory"},
        {"Drive Only Accessories", "Drive Only Accessory"},
        {"Controller Accessories", "Controller Accessory"},
        {"DriveController Accessories", "DriveController Accessory"},
        {"ExpIO", "DUW Number"},
    };
    for (const auto& [table, field] : accessories)
        addEntries(parts, column(QStringLiteral("SELECT [%1] FROM [%2]").arg(QLatin1String(field), QLatin1String(table)),
                                 QLatin1String(field)));
    return parts;
}

bool CatalogueParts::offers(const QString& partNumber)
{
    static const QSet<QString> parts = build();
    return parts.contains(partNumber);
}

int CatalogueParts::axesOf(const QString& controllerPartNumber)
{
    int axes = -1;
    eachRow(QStringLiteral("SELECT TotalAxes FROM [All Controllers] WHERE [Part Number] = ?"), {controllerPartNumber},
            [&](const Recordset& rs) { axes = rs.integer(QStringLiteral("TotalAxes")); });
    return axes;
}
