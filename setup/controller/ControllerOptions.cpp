#include "setup/controller/ControllerOptions.h"

#include "platform/DatabaseFault.h"
#include "setup/common/OptionsTable.h"
#include "shell/Globals.h"

#include <stdexcept>

using namespace Globals;

namespace {
const OptionsTable kTable(QStringLiteral("All Controllers"), QStringLiteral("Controller Name"));
}

QStringList ControllerOptions::levelValues(const QString& controller, int level, const QStringList& above)
{
    if (level < 1 || level > Levels || above.size() != level - 1)
        throw std::logic_error("A controller option level is listed with the values of the levels above it.");
    // Rows without a name are no controller's: none chosen lists nothing.
    if (controller.isEmpty())
        return {};
    const QString column = QStringLiteral("Option%1").arg(level);
    QStringList values;
    for (Recordset& rs = Run_Query(kTable.levelSql(level), OptionsTable::bound(controller, above));
         !rs.eof(); rs.moveNext()) {
        // A Null names no configuration a choice could find; level 1 lists no
        // empty value and no "N/A" either, the levels below list both.
        const QString value = rs.text(column);
        if (rs.isNull(column)
            || (level == 1 && (value.isEmpty() || value.compare(QLatin1String("N/A"), Qt::CaseInsensitive) == 0)))
            continue;
        values << value;
    }
    return values;
}

QStringList ControllerOptions::captions(const QString& controller)
{
    const Recordset& rs = Run_Query(
        QStringLiteral("SELECT [Controller Option Names].[Controller Name], [Controller Option Names].[Option1 Name], "
                       "[Controller Option Names].[Option2 Name], [Controller Option Names].[Option3 Name], "
                       "[Controller Option Names].[Option4 Name], "
                       "[Controller Option Names].[Option5 Name], [Controller Option Names].[Option6 Name] "
                       "From [Controller Option Names] WHERE ((([Controller Option Names].[Controller Name])=?));"),
        {controller});
    QStringList captions;
    for (int level = 1; level <= Levels; ++level)
        captions << (rs.eof() ? QString() : rs.text(QStringLiteral("Option%1 Name").arg(level)));
    return captions;
}

ControllerOptions::Configuration ControllerOptions::configuration(const QString& controller,
                                                                  const QStringList& values)
{
    const Recordset& rs = Run_Query(kTable.rowSql(Levels, {QStringLiteral("Part Number"), QStringLiteral("JTR Ready"),
                                                           QStringLiteral("DUW Ready"), QStringLiteral("LUMIO Ready"),
                                                           QStringLiteral("Expansion IO Notes")}),
                                    OptionsTable::bound(controller, values));
    Configuration c;
    if (rs.eof())
        return c;
    c.partNumber = rs.text(QStringLiteral("Part Number"));
    c.duwReady = rs.boolean(QStringLiteral("DUW Ready"));
    c.jtrReady = rs.boolean(QStringLiteral("JTR Ready"));
    c.lumioReady = rs.boolean(QStringLiteral("LUMIO Ready"));
    c.expansionNotes = rs.text(QStringLiteral("Expansion IO Notes"));
    return c;
}

QVector<AccessoryStore::CardRow> ControllerOptions::cards(const QString& controller, const QStringList& values)
{
    return kTable.cards(controller, values, true);
}

ControllerOptions::AxisCounts ControllerOptions::axisCounts(const QString& controller, const QStringList& values)
{
    const QString table = QStringLiteral("All Controllers");
    const QString partColumn = QStringLiteral("Part Number");
    const Recordset& rs = Run_Query(kTable.rowSql(Levels, {partColumn, QStringLiteral("TotalAxes"),
                                                           QStringLiteral("TotalServos"), QStringLiteral("TotalSteppers")}),
                                    OptionsTable::bound(controller, values));
    const QString partNumber = rs.eof() ? QString() : rs.text(partColumn);
    if (partNumber.isEmpty())
        throw DatabaseFault::badValue(System_Database.path(), table, partColumn, controller, QStringLiteral("value"));
    // A count the form has no axes for is no count: Done would hide or lose axes by it.
    const int most = static_cast<int>(Axis.size());
    const auto count = [&](const QString& column, int least) {
        const std::optional<qlonglong> n = rs.wholeNumber(column);
        if (!n || *n < least || *n > most)
            throw DatabaseFault::badValue(System_Database.path(), table, column, partNumber,
                                          QStringLiteral("whole number from %1 to %2").arg(least).arg(most));
        return static_cast<int>(*n);
    };
    AxisCounts counts;
    counts.axes = count(QStringLiteral("TotalAxes"), 1);
    counts.steppers = count(QStringLiteral("TotalSteppers"), 0);
    counts.servos = count(QStringLiteral("TotalServos"), 0);
    return counts;
}

void ControllerOptions::takeAxisCounts(const QString& controller, const QStringList& values)
{
    const AxisCounts counts = axisCounts(controller, values);
    Total_Axes = counts.axes;
    Total_Steppers = counts.steppers;
    Total_Servos = counts.servos;
}

QStringList ControllerOptions::saved()
{
    return {Controller_Options.begin() + 1, Controller_Options.begin() + 1 + Levels};
}

const QString& ControllerOptions::accessoriesSql()
{
    static const QString sql = QStringLiteral(
        "SELECT [Controller Accessories].[Controller Name], "
        "[Controller Accessories].[Controller Accessory] From [Controller Accessories] WHERE "
        "(([Controller Accessories].[Controller Name])=?)"
        "ORDER BY [Controller Accessories].[Controller Accessory];");
    return sql;
}
