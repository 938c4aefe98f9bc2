#include "CatalogueDatabases.h"
#include "VoltageOffers.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>

namespace {

using C = CatalogueDatabases;

std::string sortedJoin(const QSet<QString>& set)
{
    return C::sortedJoin(set.values());
}

// The README's gaps of stepper keys (which carry wiring and voltage) or of the other kinds.
QSet<QString> gapsOfKind(bool stepper)
{
    QSet<QString> gaps;
    for (const QString& gap : C::curveGaps()) {
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
    for (Recordset row = VoltageOffers::rows("'L7_Servo', 'QD_Servo'"); !row.eof(); row.moveNext()) {
        const QString motorKey = row.text("Curve Database Motor Part Number");
        Recordset motor = C::servo().OpenRecordset(
            QStringLiteral("SELECT * From MotorData WHERE ((MotorData.ProductKey)=?);"), {motorKey});
        keys.note(motorKey, !motor.eof());
        for (const VoltageOffer& offer : VoltageOffers::of(row, false)) {
            const QString driveKey = VoltageOffers::curveDriveKey(row, offer.column);
            ASSERT_FALSE(driveKey.isEmpty());
            Recordset amp = C::servo().OpenRecordset(
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
    for (Recordset row = VoltageOffers::rows("'Stepper'"); !row.eof(); row.moveNext()) {
        for (const VoltageOffer& offer : VoltageOffers::of(row, true)) {
            const QString key = row.text("Curve Database Motor Part Number") + "__(" + offer.wiring.left(3) + ","
                                + offer.voltage + ")";
            const int motorId = C::number(C::stepper(), QStringLiteral(
                "SELECT MotorData.ID From MotorData WHERE ((MotorData.ProductKey)=?);"), {key});
            keys.note(key, motorId > 0);
            if (motorId == 0)
                continue;
            const int driveId = C::number(C::stepper(), QStringLiteral(
                "SELECT Drives.ID From Drives WHERE (((Drives.Name)=?) AND ((Drives.MotorID)=?));"),
                {VoltageOffers::curveDriveKey(row, offer.column), motorId});
            ASSERT_GT(driveId, 0) << key.toStdString();
            Recordset points = C::stepper().OpenRecordset(QStringLiteral(
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
    for (Recordset row = VoltageOffers::rows("'Colbitum'"); !row.eof(); row.moveNext()) {
        const QString key = row.text("Curve Database Motor Part Number");
        const int motorId = C::number(C::directDrive(), QStringLiteral(
            "SELECT MotorData.ID, MotorData.Voltage From MotorData WHERE ((MotorData.ProductKey)=?);"), {key});
        keys.note(key, motorId > 0);
        for (const VoltageOffer& offer : VoltageOffers::of(row, false)) {
            EXPECT_GT(C::number(C::directDrive(), QStringLiteral(
                          "SELECT Drives.ID From Drives WHERE (((Drives.Name)=?) AND ((Drives.MotorID)=?));"),
                          {VoltageOffers::curveDriveKey(row, offer.column), motorId}), 0)
                << key.toStdString() << " @" << offer.voltage.toStdString();
        }
        for (const int peak : {0, 1}) {
            Recordset points = C::directDrive().OpenRecordset(QStringLiteral(
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
