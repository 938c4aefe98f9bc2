#include "CascadeWalker.h"

#include "CatalogueDatabases.h"
#include "VoltageOffers.h"

QString CascadePath::describe() const
{
    QStringList parts{technology, drive, series, frame, stack, winding, feedback, shaft, cableOption,
                      motorOption, voltage};
    if (!controller.isEmpty())
        parts.prepend(controller);
    if (!wiring.isEmpty())
        parts << wiring;
    return parts.join(QLatin1String(" -> "));
}

QStringList CascadeWalker::list(const QString& sql, const QVariantList& params) const
{
    QStringList values = CatalogueDatabases::column(m_db, sql, params);
    values.removeDuplicates();
    return values;
}

QStringList CascadeWalker::seriesOfDrive(const QString& drive, const QString& includeColumn) const
{
    return list(QStringLiteral(
                    "SELECT DISTINCT [Drive to Motor].[Motor Name], [Drive to Motor].[Drive Name] FROM Motors "
                    "INNER JOIN [Drive to Motor] ON Motors.[Motor Name] = [Drive to Motor].[Motor Name] "
                    "WHERE ((([Drive to Motor].[Drive Name])=?) AND ((Motors.[%1])=True)) "
                    "ORDER BY [Drive to Motor].[Motor Name];")
                    .arg(includeColumn),
                {drive});
}

QStringList CascadeWalker::seriesOffered(const QString& includeColumn) const
{
    return list(QStringLiteral("SELECT [Motors].[Motor Name] FROM [Motors] WHERE "
                               "(([Motors].[%1])=True) ORDER BY [Motors].[Motor Name];").arg(includeColumn));
}

QList<CascadePath> CascadeWalker::heads(const QString& technologies, const QString& names,
                                        const QVariantList& more) const
{
    QList<CascadePath> result;
    for (const QString& tech : list(technologies)) {
        for (const QString& name : list(names, QVariantList{tech} + more)) {
            CascadePath head;
            head.technology = tech;
            head.drive = name;
            result.append(head);
        }
    }
    return result;
}

QMap<QString, CascadePath> CascadeWalker::drivePaths() const
{
    return pathsFrom(heads(QStringLiteral("SELECT DISTINCT [Drives].[Drive Type] FROM [Drives] "
                                          "ORDER BY [Drives].[Drive Type];"),
                           QStringLiteral("SELECT [Drives].[Drive Name], [Drives].[Drive Type] FROM [Drives] "
                                          "WHERE (([Drives].[Drive Type])=?) ORDER BY [Drives].[Drive Name];")),
                     QStringLiteral("Include with Drives"));
}

QMap<QString, CascadePath> CascadeWalker::driveControllerPaths() const
{
    QList<CascadePath> dcs = heads(
        QStringLiteral("SELECT DISTINCT [DriveControllers].[DriveController Type] FROM [DriveControllers] "
                       "ORDER BY [DriveControllers].[DriveController Type];"),
        QStringLiteral("SELECT [DriveControllers].[DriveController Name], [DriveControllers].[DriveController Type] "
                       "FROM [DriveControllers] WHERE (([DriveControllers].[DriveController Type])=?) "
                       "ORDER BY [DriveControllers].[DriveController Name];"));
    // The options dialog must be able to finish the drive/controller itself.
    dcs.removeIf([this](const CascadePath& head) {
        return list(QStringLiteral("SELECT [All DriveControllers].[Option4] FROM [All DriveControllers] "
                                   "WHERE (([All DriveControllers].[DriveController Name])=?);"), {head.drive}).isEmpty()
            || list(QStringLiteral("SELECT [DriveController Construction].[Prefix] FROM [DriveController Construction] "
                                   "WHERE (([DriveController Construction].[DriveController Name])=?);"), {head.drive})
                   .isEmpty();
    });
    return pathsFrom(dcs, QStringLiteral("Include with DriveControllers"));
}

QMap<QString, CascadePath> CascadeWalker::controllerPaths() const
{
    QList<CascadePath> drives;
    for (const QString& controller : list(QStringLiteral(
             "SELECT DISTINCT [Controllers].[Controller Name] FROM [Controllers] "
             "ORDER BY [Controllers].[Controller Name];"))) {
        if (list(QStringLiteral("SELECT [All Controllers].[Part Number] FROM [All Controllers] WHERE "
                                "(([All Controllers].[Controller Name])=?);"), {controller}).isEmpty())
            continue;
        for (CascadePath head : heads(
                 QStringLiteral("SELECT DISTINCT [Drives].[Drive Type] FROM [Drives] ORDER BY [Drives].[Drive Type];"),
                 QStringLiteral("SELECT [Controller to Drive].[Drive Name], [Controller to Drive].[Tech] FROM "
                                "[Controller to Drive] WHERE (([Controller to Drive].[Tech])=?) AND "
                                "(([Controller to Drive].[Controller Name])=?) "
                                "ORDER BY [Controller to Drive].[Drive Name];"),
                 {controller})) {
            const QString cable = list(QStringLiteral(
                "SELECT [Controller to Drive].Cable FROM [Controller to Drive] WHERE "
                "((([Controller to Drive].[Controller Name])=?) AND (([Controller to Drive].[Drive Name])=?));"),
                {controller, head.drive}).value(0);
            const bool needsCable = !cable.isEmpty() && !cable.startsWith(QLatin1String("No"));
            if (needsCable && list(QStringLiteral("SELECT Cables.[Cable Part Number] FROM Cables WHERE "
                                                  "(((Cables.Cable)=?));"), {cable}).isEmpty())
                continue;
            head.controller = controller;
            drives.append(head);
        }
    }
    return pathsFrom(drives, QStringLiteral("Include with Drives"));
}

QMap<QString, CascadePath> CascadeWalker::pathsFrom(const QList<CascadePath>& heads, const QString& includeColumn) const
{
    QMap<QString, CascadePath> paths;
    for (CascadePath head : heads) {
        for (const QString& series : seriesOfDrive(head.drive, includeColumn)) {
            if (paths.contains(series))
                continue;
            head.series = series;
            if (const std::optional<CascadePath> path = finish(head))
                paths.insert(series, *path);
        }
    }
    return paths;
}

Recordset CascadeWalker::keyRows(const QString& select, const CascadePath& path, const QString& column) const
{
    // The key columns in cascade order, each filtered by all those before it.
    const QStringList keys{"Drive Name", "Motor Name", "Frame_Size", "Stack_Length", "Winding", "Feedback",
                           "Cable_Option"};
    const QVariantList chosen{path.drive, path.series, path.frame, path.stack, path.winding, path.feedback,
                              path.cableOption};
    QStringList conditions;
    QVariantList params;
    for (qsizetype i = 0; i < keys.size() && keys[i] != column; ++i) {
        conditions << QStringLiteral("(([Drive to Motor].[%1])=?)").arg(keys[i]);
        params << chosen[i];
    }
    return m_db.OpenRecordset(QStringLiteral("SELECT %1 FROM [Drive to Motor] WHERE (%2)%3;")
                                  .arg(select, conditions.join(QLatin1String(" AND ")),
                                       column.isEmpty() ? QString()
                                                        : QStringLiteral("ORDER BY [Drive to Motor].[%1]").arg(column)),
                              params);
}

QStringList CascadeWalker::keyValues(const QString& column, const CascadePath& path) const
{
    QStringList values;
    for (Recordset rs = keyRows(QStringLiteral("[Drive to Motor].[%1]").arg(column), path, column); !rs.eof();
         rs.moveNext())
        values << rs.text(column);
    values.removeDuplicates();
    return values;
}

std::optional<CascadePath> CascadeWalker::finish(CascadePath path) const
{
    const QString type = list(QStringLiteral("SELECT [Motors].[PartNumber Type] From [Motors] "
                                             "WHERE ((([Motors].[Motor Name])=?));"), {path.series}).value(0);
    for (const QString& frame : keyValues(QStringLiteral("Frame_Size"), path)) {
        path.frame = frame;
        for (const QString& stack : keyValues(QStringLiteral("Stack_Length"), path)) {
            path.stack = stack;
            const QStringList shafts = list(QStringLiteral(
                "SELECT [Shaft Options].Shaft_Options From [Shaft Options] WHERE ((([Shaft Options].[Motor Name])=?) "
                "AND (([Shaft Options].Frame_Size)=?) AND (([Shaft Options].Stack_Length)=?))"
                "ORDER BY [Shaft Options].Shaft_Options;"), {path.series, frame, stack});
            for (const QString& winding : keyValues(QStringLiteral("Winding"), path)) {
                path.winding = winding;
                for (const QString& feedback : keyValues(QStringLiteral("Feedback"), path)) {
                    path.feedback = feedback;
                    for (const QString& shaft : shafts) {
                        // Size-16 KX motors refuse the bare keyway without a gearhead.
                        if (path.series == QLatin1String("KX") && frame == QLatin1String("16")
                            && shaft == QLatin1String("K"))
                            continue;
                        path.shaft = shaft;
                        if (finishRow(path, type))
                            return path;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

bool CascadeWalker::finishRow(CascadePath& path, const QString& type) const
{
    const bool qd = type == QLatin1String("QD_Servo");
    const QString optionFeedback = qd ? path.shaft : path.feedback;
    for (const QString& cableOption : keyValues(QStringLiteral("Cable_Option"), path)) {
        path.cableOption = cableOption;
        const QStringList options = list(QStringLiteral(
            "SELECT Options.Options From Options WHERE (((Options.[Motor Name])=?) AND ((Options.Frame_Size)=?) "
            "AND ((Options.Stack_Length)=?) AND ((Options.Winding)=? Or (Options.Winding)='Any') AND "
            "((Options.Feedback)=? Or (Options.Feedback)='Any') AND "
            "((Options.Cable_Option)=? Or (Options.Cable_Option)='Any'))ORDER BY Options.Options;"),
            {path.series, path.frame, path.stack, path.winding, optionFeedback, cableOption});
        path.motorOption.clear();
        for (const QString& option : options) {
            if (!option.startsWith(QLatin1String("GXX"))) {
                path.motorOption = option;
                break;
            }
        }
        if (path.motorOption.isEmpty())
            continue;

        Recordset row = keyRows(QStringLiteral("*"), path);
        if (row.eof())
            continue;
        const QString lengthsSql = QStringLiteral(
            "SELECT Cables.Length From Cables WHERE (((Cables.Cable)=?))ORDER BY Cables.Length;");
        path.motorCableLengths = list(lengthsSql, {row.text(QStringLiteral("Motor_Cable"))});
        path.feedbackCableLengths = list(lengthsSql, {row.text(QStringLiteral("Feedback_Cable"))});
        path.curveMotorKey = row.text(QStringLiteral("Curve Database Motor Part Number"));
        if (path.motorCableLengths.isEmpty())
            continue;

        // The motor-options step selects the first offered voltage, and a stepper's voltage step its first wiring.
        const QList<VoltageOffer> offers = VoltageOffers::of(row, type == QLatin1String("Stepper"));
        if (offers.isEmpty())
            continue;
        path.voltage = offers.first().voltage;
        path.wiring = offers.first().wiring;
        Recordset construction = m_db.OpenRecordset(
            QStringLiteral("SELECT [Drive Construction].[Drive Name], [Drive Construction].[Prefix], "
                           "[Drive Construction].[DriveOnly_Controller_Portion] From [Drive Construction] "
                           "WHERE (([Drive Construction].[Drive Name])=?);"), {path.drive});
        if (construction.eof())
            return false;
        path.drivePartNumber = construction.text(QStringLiteral("prefix")) + row.text(offers.first().column)
                               + construction.text(QStringLiteral("DriveOnly_Controller_Portion"));
        path.curveDriveKey = list(QStringLiteral(
            "SELECT [Drive Cross Ref].[Database Part Number] From [Drive Cross Ref] WHERE "
            "((([Drive Cross Ref].[Drive Part Number])=?));"), {path.drivePartNumber}).value(0);
        return !path.curveDriveKey.isEmpty();
    }
    return false;
}
