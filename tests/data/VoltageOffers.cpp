#include "VoltageOffers.h"

#include "CatalogueDatabases.h"

bool VoltageOffers::offers(const Recordset& row, const QString& column)
{
    return !row.isNull(column) && row.text(column) != QLatin1String("N/A");
}

QList<VoltageOffer> VoltageOffers::of(const Recordset& row, bool stepper)
{
    static const QList<QPair<QString, double>> kItems = {
        {"24VDC", 24}, {"48VDC", 48}, {"75VDC", 75}, {"120VAC", 170}, {"230VAC", 325}, {"460VAC", 650}};
    QList<VoltageOffer> result;
    for (const auto& [voltage, bus] : kItems) {
        const QString plain = voltage + QLatin1String("_Drive");
        const QString parallel = plain + QLatin1String("_Parallel");
        if (stepper) {
            if (offers(row, plain))
                result.append({voltage, bus, plain, QStringLiteral("SERIES")});
            if (offers(row, parallel))
                result.append({voltage, bus, parallel, QStringLiteral("PARALLEL")});
        } else if (offers(row, plain) || offers(row, parallel)) {
            if (voltage == QLatin1String("460VAC"))
                result.append({QStringLiteral("400VAC"), 565, plain, {}});
            result.append({voltage, bus, plain, {}});
        }
    }
    return result;
}

Recordset VoltageOffers::rows(const QString& partNumberTypes)
{
    return CatalogueDatabases::product().OpenRecordset(
        QStringLiteral("SELECT m.*, s.[PartNumber Type] AS PartNumberType, c.Prefix AS ConstructionPrefix, "
                       "c.DriveOnly_Controller_Portion AS ConstructionTail FROM [Drive to Motor] m "
                       "JOIN Motors s ON s.[Motor Name] = m.[Motor Name] "
                       "JOIN [Drive Construction] c ON c.[Drive Name] = m.[Drive Name]")
        + (partNumberTypes.isEmpty() ? QString() : QStringLiteral(" WHERE s.[PartNumber Type] IN (%1)").arg(partNumberTypes)));
}

QString VoltageOffers::drivePartNumber(const Recordset& row, const QString& column)
{
    return row.text("ConstructionPrefix") + row.text(column) + row.text("ConstructionTail");
}

QString VoltageOffers::curveDriveKey(const Recordset& row, const QString& column)
{
    return CatalogueDatabases::column(QStringLiteral(
        "SELECT [Drive Cross Ref].[Database Part Number] From [Drive Cross Ref] WHERE "
        "((([Drive Cross Ref].[Drive Part Number])=?));"), {drivePartNumber(row, column)}).value(0);
}
