#include "setup/controller/ControllerOptions.h"

#include "shell/Globals.h"

#include <array>
#include <stdexcept>

using namespace Globals;

namespace {

// The statement of each level, the values chosen above it bound in order.
const std::array<QString, ControllerOptions::Levels> kLevelSql = {
    QStringLiteral("SELECT DISTINCT [All Controllers].[Controller Name], [All Controllers].[Option1] "
                   "From [All Controllers] WHERE ((([All Controllers].[Controller Name])=?))"
                   "ORDER BY [All Controllers].[Option1];"),
    QStringLiteral("SELECT DISTINCT [All Controllers].[Controller Name], [All Controllers].[Option1], "
                   "[All Controllers].[Option2] From [All Controllers] WHERE ((([All Controllers].[Controller Name])=? "
                   "AND [All Controllers].[Option1] = ?))"
                   "ORDER BY [All Controllers].[Option2];"),
    QStringLiteral("SELECT DISTINCT [All Controllers].[Controller Name], [All Controllers].[Option1], "
                   "[All Controllers].[Option2], [All Controllers].[Option3] From [All Controllers] WHERE "
                   "((([All Controllers].[Controller Name])=?) AND (([All Controllers].[Option1]) = ?) AND "
                   "(([All Controllers].[Option2])= ?))"
                   "ORDER BY [All Controllers].[Option3];"),
    QStringLiteral("SELECT DISTINCT [All Controllers].[Controller Name], [All Controllers].[Option1], "
                   "[All Controllers].[Option2], [All Controllers].[Option3], [All Controllers].[Option4] "
                   "From [All Controllers] WHERE ((([All Controllers].[Controller Name])=?) AND "
                   "(([All Controllers].[Option1]) = ?) AND (([All Controllers].[Option2])= ?)  AND "
                   "(([All Controllers].[Option3]) = ?))"
                   "ORDER BY [All Controllers].[Option4];"),
    QStringLiteral("SELECT DISTINCT [All Controllers].[Controller Name], [All Controllers].[Option1], "
                   "[All Controllers].[Option2], [All Controllers].[Option3], [All Controllers].[Option4], "
                   "[All Controllers].[Option5] From [All Controllers] WHERE ((([All Controllers].[Controller Name])=?) "
                   "AND (([All Controllers].[Option1]) = ?) AND (([All Controllers].[Option2])= ?)  AND "
                   "(([All Controllers].[Option3]) = ?) AND (([All Controllers].[Option4]) = ?))"
                   "ORDER BY [All Controllers].[Option5];"),
    QStringLiteral("SELECT DISTINCT [All Controllers].[Controller Name], [All Controllers].[Option1], "
                   "[All Controllers].[Option2], [All Controllers].[Option3], [All Controllers].[Option4], "
                   "[All Controllers].[Option5], [All Controllers].[Option6] From [All Controllers] WHERE "
                   "((([All Controllers].[Controller Name])=?) AND (([All Controllers].[Option1]) = ?) AND "
                   "(([All Controllers].[Option2])= ?)  AND (([All Controllers].[Option3]) = ?) AND "
                   "(([All Controllers].[Option4]) = ?) AND (([All Controllers].[Option5]) = ?))"
                   "ORDER BY [All Controllers].[Option6];"),
};

QVariantList bound(const QString& controller, const QStringList& values)
{
    QVariantList params {controller};
    for (const QString& v : values)
        params << v;
    return params;
}

} // namespace

QStringList ControllerOptions::levelValues(const QString& controller, int level, const QStringList& above)
{
    if (level < 1 || level > Levels || above.size() != level - 1)
        throw std::logic_error("A controller option level is listed with the values of the levels above it.");
    const QString column = QStringLiteral("Option%1").arg(level);
    QStringList values;
    for (Recordset& rs = Run_Query(kLevelSql[static_cast<std::size_t>(level - 1)], bound(controller, above));
         !rs.eof(); rs.moveNext()) {
        const QString value = rs.text(column);
        if (level == 1 && (value.isEmpty() || value == QLatin1String("N/A")))
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
    const Recordset& rs = Run_Query(
        QStringLiteral("SELECT [All Controllers].[Controller Name], [All Controllers].[Option1], "
                       "[All Controllers].[Option2], [All Controllers].[Option3], [All Controllers].[Option4], "
                       "[All Controllers].[Option5], [All Controllers].[Option6], [All Controllers].[Part Number], "
                       "[All Controllers].[JTR Ready], [All Controllers].[DUW Ready], [All Controllers].[LUMIO Ready],"
                       "[All Controllers].[Expansion IO Notes] From [All Controllers] WHERE "
                       "((([All Controllers].[Controller Name])=?) AND (([All Controllers].[Option1]) = ?) AND "
                       "(([All Controllers].[Option2])= ?)  AND (([All Controllers].[Option3]) = ?) AND "
                       "(([All Controllers].[Option4]) = ?) AND (([All Controllers].[Option5]) = ?) AND "
                       "(([All Controllers].[Option6]) = ?));"),
        bound(controller, values));
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

ControllerOptions::AxisCounts ControllerOptions::axisCounts(const QString& partNumber)
{
    const Recordset& rs =
        Run_Query(QStringLiteral("SELECT [All Controllers].[Part Number], "
                                 "[All Controllers].[TotalAxes], [All Controllers].[TotalServos], "
                                 "[All Controllers].[TotalSteppers] From [All Controllers] WHERE "
                                 "(([All Controllers].[Part Number])=?);"),
                  {partNumber});
    AxisCounts counts;
    if (rs.eof())
        return counts;
    counts.axes = rs.integer(QStringLiteral("TotalAxes"));
    counts.steppers = rs.integer(QStringLiteral("TotalSteppers"));
    counts.servos = rs.integer(QStringLiteral("TotalServos"));
    return counts;
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
