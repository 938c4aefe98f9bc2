#include "CatalogueDatabases.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>

namespace {

struct Offer {
    QString voltage;   // list item
    double bus;
    QString column;
    QString wiring;    // steppers only
};

bool offers(const Recordset& row, const QString& column)
{
    return !row.isNull(column) && row.text(column) != QLatin1String("N/A");
}

// The voltage items (and stepper wirings) a Drive to Motor row offers, with the column each reads.
QList<Offer> offersOf(const Recordset& row, bool stepper)
{
    static const QList<QPair<QString, double>> kItems = {
        {"24VDC", 24}, {"48VDC", 48}, {"75VDC", 75}, {"120VAC", 170}, {"230VAC", 325}, {"460VAC", 650}};
    QList<Offer> result;
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

std::string sortedJoin(const QSet<QString>& set)
{
    QStringList list = set.values();
    list.sort();
    return list.join(u'|').toStdString();
}

// The README's gaps of stepper keys (which carry wiring and voltage) or of the other kinds.
QSet<QString> gapsOfKind(bool stepper)
{
    QSet<QString> gaps;
    for (const QString& gap : CatalogueDatabases::curveGaps()) {
        if (gap.contains(QLatin1String("__(")) == stepper)
            gaps.insert(gap);
    }
    return gaps;
}

struct HandedKeys {
    QSet<QString> handed;
    QSet<QString> missing;
    void note(const QString& key, bool found)
    {
        handed.insert(key);
        if (!found)
            missing.insert(key);
    }
};

Recordset rowsOfType(const QString& types)
{
    return CatalogueDatabases::product().OpenRecordset(QStringLiteral(
        "SELECT m.*, s.[PartNumber Type] AS PartNumberType, c.Prefix AS ConstructionPrefix, "
        "c.DriveOnly_Controller_Portion AS ConstructionTail FROM [Drive to Motor] m "
        "JOIN Motors s ON s.[Motor Name] = m.[Motor Name] "
        "JOIN [Drive Construction] c ON c.[Drive Name] = m.[Drive Name] WHERE s.[PartNumber Type] IN (%1)")
                                                         .arg(types));
}

QString curveDriveKey(const Recordset& row, const QString& column)
{
    const QString part = row.text("ConstructionPrefix") + row.text(column) + row.text("ConstructionTail");
    return CatalogueDatabases::column(CatalogueDatabases::product(), QStringLiteral(
        "SELECT [Drive Cross Ref].[Database Part Number] From [Drive Cross Ref] WHERE "
        "((([Drive Cross Ref].[Drive Part Number])=?));"), {part}).value(0);
}

int lineVoltageClass(double bus)
{
    if (bus <= 325)
        return 0;
    return bus == 565 ? 400 : 460;
}

// The servo curve's pretest, on the stored data alone: what no sizing profile can change.
void expectPretestData(const Recordset& motor, const Recordset& amp, double bus, const std::string& label)
{
    static const QStringList kFlags = {"IncEncFeedback", "ResFeedback", "Rendat", "Endat", "SinCos", "HallOnly"};
    bool feedback = false;
    for (const QString& flag : kFlags)
        feedback = feedback || (motor.boolean(flag) && amp.boolean(flag));
    EXPECT_TRUE(feedback) << label;
    EXPECT_GE(motor.number("MotorMaxBusVoltage") * 1.1, bus) << label;
    const double scale = amp.text("UnitsofVoltage") == QLatin1String("VDC") ? 1.0 : 1.414;
    EXPECT_LE(bus, amp.number("VsMaxAmplifier") * scale) << label;
    EXPECT_GE(bus, amp.number("VsMinAmplifier") * scale) << label;
    const double twr = motor.number("RatedWindingTemp");
    const double rthwa = motor.number("WindingThermalResistance") + motor.number("MotorThermalResistance");
    const double hot = 1 + 0.00393 * (twr - 25);
    const double i1 = std::sqrt(4 * ((twr - 25) / rthwa) / (3 * hot * motor.number("WindingResistance")));
    const double lm = (motor.number("MaxInductance") + motor.number("MinInductance")) / 1000 / 2;
    EXPECT_LE(bus / i1 / lm / 2.8, amp.number("SwitchFreq") * 1000) << label << " at " << amp.number("SwitchFreq");
    EXPECT_LE(bus / (2 * 3.14159 * motor.number("MotorKb")) * 60, 12000) << label;
}

}

TEST(CatalogueCurveKeys, ServoKeysResolveAndEveryPairPassesThePretestData)
{
    HandedKeys keys;
    int pairs = 0;
    for (Recordset row = rowsOfType("'L7_Servo', 'QD_Servo'"); !row.eof(); row.moveNext()) {
        const QString motorKey = row.text("Curve Database Motor Part Number");
        Recordset motor = CatalogueDatabases::servo().OpenRecordset(
            QStringLiteral("SELECT * From MotorData WHERE ((MotorData.ProductKey)=?);"), {motorKey});
        keys.note(motorKey, !motor.eof());
        for (const Offer& offer : offersOf(row, false)) {
            const QString driveKey = curveDriveKey(row, offer.column);
            ASSERT_FALSE(driveKey.isEmpty());
            Recordset amp = CatalogueDatabases::servo().OpenRecordset(
                QStringLiteral("SELECT * From AmplifierDataTable WHERE ((AmplifierDataTable.PartNumber)=?) "
                               "AND ((AmplifierDataTable.VsDefault) > ?)ORDER BY AmplifierDataTable.SwitchFreq;"),
                {driveKey, lineVoltageClass(offer.bus)});
            keys.note(driveKey + " @" + offer.voltage, !amp.eof());
            EXPECT_GE(amp.recordCount(), 2) << driveKey.toStdString() << " offers one switching frequency";
            if (motor.eof())
                continue;
            for (; !amp.eof(); amp.moveNext())
                expectPretestData(motor, amp, offer.bus,
                                  (motorKey + " on " + driveKey + " @" + offer.voltage).toStdString());
            ++pairs;
        }
    }
    EXPECT_GT(pairs, 100);
    EXPECT_EQ(sortedJoin(keys.missing), "LM804BR");
    EXPECT_EQ(sortedJoin(keys.missing), sortedJoin(gapsOfKind(false)));
}

TEST(CatalogueCurveKeys, StepperKeysResolveForEveryWiringAndVoltage)
{
    HandedKeys keys;
    for (Recordset row = rowsOfType("'Stepper'"); !row.eof(); row.moveNext()) {
        for (const Offer& offer : offersOf(row, true)) {
            const QString key = row.text("Curve Database Motor Part Number") + "__(" + offer.wiring.left(3) + ","
                                + offer.voltage + ")";
            const int motorId = CatalogueDatabases::number(CatalogueDatabases::stepper(), QStringLiteral(
                "SELECT MotorData.ID From MotorData WHERE ((MotorData.ProductKey)=?);"), {key});
            keys.note(key, motorId > 0);
            if (motorId == 0)
                continue;
            const int driveId = CatalogueDatabases::number(CatalogueDatabases::stepper(), QStringLiteral(
                "SELECT Drives.ID From Drives WHERE (((Drives.Name)=?) AND ((Drives.MotorID)=?));"),
                {curveDriveKey(row, offer.column), motorId});
            ASSERT_GT(driveId, 0) << key.toStdString();
            Recordset points = CatalogueDatabases::stepper().OpenRecordset(QStringLiteral(
                "SELECT MotorPerformance.Speed, MotorPerformance.Torque From MotorPerformance Where "
                "(((MotorPerformance.MotorID) = ?) And ((MotorPerformance.DriveID) = ?))ORDER BY MotorPerformance.Speed;"),
                {motorId, driveId});
            EXPECT_GE(points.recordCount(), 5) << key.toStdString();
            EXPECT_LE(points.recordCount(), 100) << key.toStdString();
            // Pull-out torque falls with speed and stays below the fixed closing point at 50 rps.
            double last = 1e9;
            for (; !points.eof(); points.moveNext()) {
                EXPECT_LT(points.number("Speed"), 50.0) << key.toStdString();
                EXPECT_GT(points.number("Torque"), 0.0) << key.toStdString();
                if (points.number("Speed") > 6) {
                    EXPECT_LE(points.number("Torque"), last) << key.toStdString();
                }
                last = points.number("Torque");
            }
        }
    }
    EXPECT_FALSE(gapsOfKind(true).isEmpty());
    EXPECT_EQ(sortedJoin(keys.missing), sortedJoin(gapsOfKind(true)));
    EXPECT_GT(keys.handed.size(), 50);
}

TEST(CatalogueCurveKeys, DirectDriveKeysResolveWithContinuousAndPeakCurves)
{
    HandedKeys keys;
    for (Recordset row = rowsOfType("'Colbitum'"); !row.eof(); row.moveNext()) {
        const QString key = row.text("Curve Database Motor Part Number");
        const int motorId = CatalogueDatabases::number(CatalogueDatabases::directDrive(), QStringLiteral(
            "SELECT MotorData.ID, MotorData.Voltage From MotorData WHERE ((MotorData.ProductKey)=?);"), {key});
        keys.note(key, motorId > 0);
        for (const Offer& offer : offersOf(row, false)) {
            EXPECT_GT(CatalogueDatabases::number(CatalogueDatabases::directDrive(), QStringLiteral(
                          "SELECT Drives.ID From Drives WHERE (((Drives.Name)=?) AND ((Drives.MotorID)=?));"),
                          {curveDriveKey(row, offer.column), motorId}), 0)
                << key.toStdString() << " @" << offer.voltage.toStdString();
        }
        for (const int peak : {0, 1}) {
            Recordset points = CatalogueDatabases::directDrive().OpenRecordset(QStringLiteral(
                "SELECT MotorPerformance.Speed, MotorPerformance.Torque From MotorPerformance Where "
                "(((MotorPerformance.MotorID) = ?) AND ((MotorPerformance.PeakCurve) = ?)) ORDER BY MotorPerformance.Speed;"),
                {motorId, peak});
            EXPECT_GE(points.recordCount(), 5) << key.toStdString();
            EXPECT_LE(points.recordCount(), 100) << key.toStdString();
            points.moveFirst();
            const double standstill = points.eof() ? 0 : points.number("Torque");
            points.moveLast();
            // Flat at standstill, falling towards the top speed.
            EXPECT_GT(standstill, 0.0) << key.toStdString();
            EXPECT_LT(points.number("Torque"), standstill) << key.toStdString();
        }
    }
    EXPECT_TRUE(keys.missing.isEmpty());
    EXPECT_GE(keys.handed.size(), 7);
}
