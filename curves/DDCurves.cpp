#include "curves/DDCurves.h"

#include "curves/CChangeUnits.h"
#include "curves/CurveDatabase.h"
#include "curves/CurveNotFound.h"
#include "curves/CurveNumbers.h"
#include "curves/CurveTable.h"
#include "curves/StoredRow.h"
#include "curves/frmCurve.h"
#include "shell/Forms.h"

namespace DDCurves {

namespace {

// Opened again on every show and kept.
Database DD_Curve_Database;

void Open_DD_Database()
{
    CurveDatabase::Open(DD_Curve_Database, QStringLiteral("BrevanDirectDrive97.mDB"));
}

int Get_DD_Motor_ID(const QString& MotorKey)
{
    return CurveDatabase::First_ID(
        DD_Curve_Database, QStringLiteral("MotorData"), {MotorKey},
        QStringLiteral("SELECT MotorData.ID, MotorData.Voltage From MotorData WHERE ((MotorData.ProductKey)=?);"),
        {MotorKey});
}

// The motor's key names a damaged row.
int Get_DD_Drive_ID(int MotorID, const QString& DriveName, const QString& MotorKey)
{
    return CurveDatabase::First_ID(
        DD_Curve_Database, QStringLiteral("Drives"), {MotorKey, DriveName},
        QStringLiteral("SELECT Drives.Name, Drives.MotorID, Drives.ID From Drives WHERE (((Drives.Name)=?) AND "
                       "((Drives.MotorID)=?));"),
        {DriveName, MotorID});
}

} // namespace

void Reset_State()
{
    DD_Curve_Database = Database();
}

void Show_DD_Curve(const QString& MotorKey, const QString& DriveName)
{
    CurveDatabase::Show_Stored_Curve(
        [&] {
            Open_DD_Database();
            const int m = Get_DD_Motor_ID(MotorKey);
            return std::pair{m, Get_DD_Drive_ID(m, DriveName, MotorKey)};
        },
        Draw_DD_Curve);
}

void Draw_DD_Curve(QString& SpeedUnits, QString& TorqueUnits, int MotorID, int DriveID)
{
    (void)DriveID; // carried for the window; the stored points belong to the motor alone
    CurveDatabase::Default_Units(SpeedUnits, TorqueUnits);

    Recordset& rs = CurveDatabase::Query(
        DD_Curve_Database,
        QStringLiteral("SELECT MotorPerformance.MotorID, MotorPerformance.Speed, MotorPerformance.SpeedUnitID, "
                       "MotorPerformance.Torque, MotorPerformance.TorqueUnitID, MotorPerformance.PeakCurve From "
                       "MotorPerformance Where (((MotorPerformance.MotorID) = ?)) ORDER BY "
                       "MotorPerformance.Speed,MotorPerformance.PeakCurve;"),
        {MotorID});
    if (rs.recordCount() == 0)
        throw CurveNotFound();

    const CChangeUnits& units = Unit_Converter();
    const StoredRow point(rs, DD_Curve_Database, QStringLiteral("MotorPerformance"),
                          CurveDatabase::Points_Key(DD_Curve_Database, MotorID));
    auto speedOf = [&] {
        const double rps = CurveNumbers::roundHalfEven(point.number(QStringLiteral("Speed")), 1);
        return units.ChangeUnits(rps, QStringLiteral("Speed"), SpeedUnits, QStringLiteral("rps"));
    };

    CurveTable table(4);
    int i = 0;
    int j = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const double s = speedOf();
        const double t = units.ChangeUnits(
            CurveNumbers::roundHalfEven(point.number(QStringLiteral("Torque")), 2), QStringLiteral("Torque"),
            TorqueUnits, QStringLiteral("N-m"));
        if (point.yes(QStringLiteral("PeakCurve"))) {
            table.set(j, 3, s);
            table.set(j, 4, t);
            ++j;
        } else {
            table.set(i, 1, s);
            table.set(i, 2, t);
            ++i;
        }
    }

    // Both curves close at the highest stored speed with torque 0.
    rs.moveLast();
    const double c = speedOf();
    const double z = units.ChangeUnits(0, QStringLiteral("Torque"), TorqueUnits, QStringLiteral("N-m"));
    table.set(i, 1, c);
    table.set(i, 2, z);
    table.set(j, 3, c);
    table.set(j, 4, z);

    Forms::get<frmCurve>()->Present_Curve(table, SpeedUnits, TorqueUnits);
}

} // namespace DDCurves
