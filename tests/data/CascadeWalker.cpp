#include "CascadeWalker.h"

namespace {

const char* const kVoltages[] = {"24VDC", "48VDC", "75VDC", "120VAC", "230VAC", "460VAC"};

bool offers(const Recordset& row, const QString& column)
{
    return !row.isNull(column) && row.text(column) != QLatin1String("N/A");
}

}

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
    Recordset rs = m_db.OpenRecordset(sql, params);
    QStringList values;
    const QString field = rs.fieldNames().value(0);
    for (; !rs.eof(); rs.moveNext()) {
        const QString value = rs.text(field);
        if (!values.contains(value))
            values << value;
    }
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

QStringList CascadeWalker::seriesOfferedWithDrives() const
{
    return list(QStringLiteral("SELECT [Motors].[Motor Name] FROM [Motors] WHERE "
                               "(([Motors].[Include with Drives])=True) ORDER BY [Motors].[Motor Name];"));
}

QStringList CascadeWalker::seriesOfferedWithDriveControllers() const
{
    return list(QStringLiteral("SELECT [Motors].[Motor Name] FROM [Motors] WHERE "
                               "(([Motors].[Include with DriveControllers])=True) ORDER BY [Motors].[Motor Name];"));
}

QList<QPair<QString, QString>> CascadeWalker::namesByTechnology(const QString& technologies,
                                                                 const QString& names) const
{
    QList<QPair<QString, QString>> result;
    for (const QString& tech : list(technologies))
        for (const QString& name : list(names, {tech}))
            result.append({tech, name});
    return result;
}

QMap<QString, CascadePath> CascadeWalker::drivePaths() const
{
    QMap<QString, CascadePath> paths;
    const auto drives = namesByTechnology(
        QStringLiteral("SELECT DISTINCT [Drives].[Drive Type] FROM [Drives] ORDER BY [Drives].[Drive Type];"),
        QStringLiteral("SELECT [Drives].[Drive Name], [Drives].[Drive Type] FROM [Drives] "
                       "WHERE (([Drives].[Drive Type])=?) ORDER BY [Drives].[Drive Name];"));
    for (const auto& [tech, drive] : drives) {
        CascadePath head;
        head.technology = tech;
        head.drive = drive;
        addPaths(paths, head, QStringLiteral("Include with Drives"));
    }
    return paths;
}

QMap<QString, CascadePath> CascadeWalker::driveControllerPaths() const
{
    QMap<QString, CascadePath> paths;
    const auto dcs = namesByTechnology(
        QStringLiteral("SELECT DISTINCT [DriveControllers].[DriveController Type] FROM [DriveControllers] "
                       "ORDER BY [DriveControllers].[DriveController Type];"),
        QStringLiteral("SELECT [DriveControllers].[DriveController Name], [DriveControllers].[DriveController Type] "
                       "FROM [DriveControllers] WHERE (([DriveControllers].[DriveController Type])=?) "
                       "ORDER BY [DriveControllers].[DriveController Name];"));
    for (const auto& [tech, dc] : dcs) {
        // The options dialog must be able to finish the drive/controller itself.
        if (list(QStringLiteral("SELECT [All DriveControllers].[Option4] FROM [All DriveControllers] "
                                "WHERE (([All DriveControllers].[DriveController Name])=?);"), {dc}).isEmpty()
            || list(QStringLiteral("SELECT [DriveController Construction].[Prefix] FROM [DriveController Construction] "
                                   "WHERE (([DriveController Construction].[DriveController Name])=?);"), {dc})
                   .isEmpty())
            continue;
        CascadePath head;
        head.technology = tech;
        head.drive = dc;
        addPaths(paths, head, QStringLiteral("Include with DriveControllers"));
    }
    return paths;
}

QMap<QString, CascadePath> CascadeWalker::controllerPaths() const
{
    QMap<QString, CascadePath> paths;
    const QStringList techs = list(QStringLiteral(
        "SELECT DISTINCT [Drives].[Drive Type] FROM [Drives] ORDER BY [Drives].[Drive Type];"));
    for (const QString& controller : list(QStringLiteral(
             "SELECT DISTINCT [Controllers].[Controller Name] FROM [Controllers] "
             "ORDER BY [Controllers].[Controller Name];"))) {
        if (list(QStringLiteral("SELECT [All Controllers].[Part Number] FROM [All Controllers] WHERE "
                                "(([All Controllers].[Controller Name])=?);"), {controller}).isEmpty())
            continue;
        for (const QString& tech : techs) {
            for (const QString& drive : list(QStringLiteral(
                     "SELECT [Controller to Drive].[Drive Name], [Controller to Drive].[Tech] FROM "
                     "[Controller to Drive] WHERE (([Controller to Drive].[Tech])=?) AND "
                     "(([Controller to Drive].[Controller Name])=?) ORDER BY [Controller to Drive].[Drive Name];"),
                     {tech, controller})) {
                const QString cable = list(QStringLiteral(
                    "SELECT [Controller to Drive].Cable FROM [Controller to Drive] WHERE "
                    "((([Controller to Drive].[Controller Name])=?) AND (([Controller to Drive].[Drive Name])=?));"),
                    {controller, drive}).value(0);
                const bool needsCable = !cable.isEmpty() && !cable.startsWith(QLatin1String("No"));
                if (needsCable && list(QStringLiteral("SELECT Cables.[Cable Part Number] FROM Cables WHERE "
                                                      "(((Cables.Cable)=?));"), {cable}).isEmpty())
                    continue;
                CascadePath head;
                head.controller = controller;
                head.technology = tech;
                head.drive = drive;
                addPaths(paths, head, QStringLiteral("Include with Drives"));
            }
        }
    }
    return paths;
}

void CascadeWalker::addPaths(QMap<QString, CascadePath>& paths, CascadePath head, const QString& includeColumn) const
{
    for (const QString& series : seriesOfDrive(head.drive, includeColumn)) {
        if (paths.contains(series))
            continue;
        head.series = series;
        if (const std::optional<CascadePath> path = finish(head))
            paths.insert(series, *path);
    }
}

std::optional<CascadePath> CascadeWalker::finish(CascadePath path) const
{
    const QString type = list(QStringLiteral("SELECT [Motors].[PartNumber Type] From [Motors] "
                                             "WHERE ((([Motors].[Motor Name])=?));"), {path.series}).value(0);
    const QString key = QStringLiteral(
        "FROM [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) AND (([Drive to Motor].[Motor Name])=?)");
    for (const QString& frame : list(QStringLiteral("SELECT [Drive to Motor].Frame_Size ") + key
                                         + QStringLiteral(")ORDER BY [Drive to Motor].Frame_Size;"),
                                     {path.drive, path.series})) {
        path.frame = frame;
        for (const QString& stack : list(QStringLiteral("SELECT [Drive to Motor].Stack_Length ") + key
                                             + QStringLiteral(" AND (([Drive to Motor].Frame_Size)=?))"
                                                              "ORDER BY [Drive to Motor].Stack_Length;"),
                                         {path.drive, path.series, frame})) {
            path.stack = stack;
            const QStringList shafts = list(QStringLiteral(
                "SELECT [Shaft Options].Shaft_Options From [Shaft Options] WHERE ((([Shaft Options].[Motor Name])=?) "
                "AND (([Shaft Options].Frame_Size)=?) AND (([Shaft Options].Stack_Length)=?))"
                "ORDER BY [Shaft Options].Shaft_Options;"), {path.series, frame, stack});
            for (const QString& winding : list(QStringLiteral("SELECT [Drive to Motor].Winding ") + key
                                                   + QStringLiteral(" AND (([Drive to Motor].Frame_Size)=?) AND "
                                                                    "(([Drive to Motor].Stack_Length)=?))"
                                                                    "ORDER BY [Drive to Motor].Winding;"),
                                               {path.drive, path.series, frame, stack})) {
                path.winding = winding;
                for (const QString& feedback : list(
                         QStringLiteral("SELECT [Drive to Motor].Feedback ") + key
                             + QStringLiteral(" AND (([Drive to Motor].Frame_Size)=?) AND "
                                              "(([Drive to Motor].Stack_Length)=?) AND (([Drive to Motor].Winding)=?))"
                                              "ORDER BY [Drive to Motor].Feedback;"),
                         {path.drive, path.series, frame, stack, winding})) {
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
    for (const QString& cableOption : list(QStringLiteral(
             "SELECT [Drive to Motor].Cable_Option From [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) "
             "AND (([Drive to Motor].[Motor Name])=?) AND (([Drive to Motor].Frame_Size)=?) AND "
             "(([Drive to Motor].Stack_Length)=?) AND (([Drive to Motor].Winding)=?) AND "
             "(([Drive to Motor].Feedback)=?))ORDER BY [Drive to Motor].Cable_Option;"),
             {path.drive, path.series, path.frame, path.stack, path.winding, path.feedback})) {
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

        Recordset row = m_db.OpenRecordset(
            QStringLiteral("SELECT * From [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) AND "
                           "(([Drive to Motor].[Motor Name])=?) AND (([Drive to Motor].Frame_Size)=?) AND "
                           "(([Drive to Motor].Stack_Length)=?) AND (([Drive to Motor].Winding)=?) AND "
                           "(([Drive to Motor].Feedback)=?) AND (([Drive to Motor].Cable_Option)=?));"),
            {path.drive, path.series, path.frame, path.stack, path.winding, path.feedback, cableOption});
        if (row.eof())
            continue;
        const QString lengthsSql = QStringLiteral(
            "SELECT Cables.Length From Cables WHERE (((Cables.Cable)=?))ORDER BY Cables.Length;");
        path.motorCableLengths = list(lengthsSql, {row.text(QStringLiteral("Motor_Cable"))});
        path.feedbackCableLengths = list(lengthsSql, {row.text(QStringLiteral("Feedback_Cable"))});
        path.curveMotorKey = row.text(QStringLiteral("Curve Database Motor Part Number"));
        if (path.motorCableLengths.isEmpty())
            continue;

        for (const char* voltage : kVoltages) {
            const QString plain = QLatin1String(voltage) + QLatin1String("_Drive");
            const QString parallel = plain + QLatin1String("_Parallel");
            QString column;
            if (type == QLatin1String("Stepper")) {
                path.wiring = offers(row, plain) ? QStringLiteral("SERIES")
                              : offers(row, parallel) ? QStringLiteral("PARALLEL") : QString();
                column = path.wiring == QLatin1String("SERIES") ? plain : parallel;
                if (path.wiring.isEmpty())
                    continue;
            } else {
                if (!offers(row, plain) && !offers(row, parallel))
                    continue;
                column = plain;
            }
            path.voltage = QLatin1String(voltage) == QLatin1String("460VAC") ? QStringLiteral("400VAC")
                                                                            : QString::fromLatin1(voltage);
            Recordset construction = m_db.OpenRecordset(
                QStringLiteral("SELECT [Drive Construction].[Drive Name], [Drive Construction].[Prefix], "
                               "[Drive Construction].[DriveOnly_Controller_Portion] From [Drive Construction] "
                               "WHERE (([Drive Construction].[Drive Name])=?);"), {path.drive});
            if (construction.eof())
                return false;
            path.drivePartNumber = construction.text(QStringLiteral("prefix")) + row.text(column)
                                   + construction.text(QStringLiteral("DriveOnly_Controller_Portion"));
            path.curveDriveKey = list(QStringLiteral(
                "SELECT [Drive Cross Ref].[Database Part Number] From [Drive Cross Ref] WHERE "
                "((([Drive Cross Ref].[Drive Part Number])=?));"), {path.drivePartNumber}).value(0);
            return !path.curveDriveKey.isEmpty();
        }
    }
    return false;
}
