#include "curves/StepperCurves.h"

#include "curves/CChangeUnits.h"
#include "curves/CurveDatabase.h"
#include "curves/CurveNotFound.h"
#include "curves/CurveNumbers.h"
#include "curves/CurveTable.h"
#include "curves/StoredRow.h"
#include "curves/frmCurve.h"
#include "shell/Forms.h"

namespace StepperCurves {

namespace {

// Opened again on every show and kept.
Database Stepper_Curve_Database;

void Open_Stepper_Database()
{
    CurveDatabase::Open(Stepper_Curve_Database, QStringLiteral("BrevanSteppers97.mDB"));
}

int Get_Stepper_Motor_ID(const QString& StepperKey)
{
    return CurveDatabase::First_ID(
        Stepper_Curve_Database, QStringLiteral("MotorData"), {StepperKey},
        QStringLiteral("SELECT MotorData.MotorSeriesName, MotorData.FrameSize, MotorData.MotorStackNumber, "
                       "MotorData.MotorWindingLetter, MotorData.MotorWiringType, MotorData.MotorPartNumber, "
                       "MotorData.ID, MotorData.Voltage From MotorData WHERE ((MotorData.ProductKey)=?);"),
        {StepperKey});
}

// The motor's key names a damaged row.
int Get_Stepper_Drive_ID(int MotorID, const QString& DriveName, const QString& StepperKey)
{
    return CurveDatabase::First_ID(
        Stepper_Curve_Database, QStringLiteral("Drives"), {StepperKey, DriveName},
        QStringLiteral("SELECT Drives.AmpFamily, Drives.Name, Drives.MotorID, Drives.ID From Drives WHERE "
                       "(((Drives.Name)=?) AND ((Drives.MotorID)=?));"),
        {DriveName, MotorID});
}

} // namespace

void Reset_State()
{
    Stepper_Curve_Database = Database();
}

void Show_Stepper_Curve(const QString& MotorKey, const QString& DriveName)
{
    CurveDatabase::Show_Stored_Curve(
        [&] {
            Open_Stepper_Database();
            const int m = Get_Stepper_Motor_ID(MotorKey);
            return std::pair{m, Get_Stepper_Drive_ID(m, DriveName, MotorKey)};
        },
        Draw_Stepper_Curve);
}

void Draw_Stepper_Curve(QString& SpeedUnits, QString& TorqueUnits, int MotorID, int DriveID)
{
    CurveDatabase::Default_Units(SpeedUnits, TorqueUnits);

    Recordset& rs = CurveDatabase::Query(
        Stepper_Curve_Database,
        QStringLiteral("SELECT MotorPerformance.MotorID, MotorPerformance.DriveID, MotorPerformance.Speed, "
                       "MotorPerformance.SpeedUnitID, MotorPerformance.Torque, MotorPerformance.TorqueUnitID From "
                       "MotorPerformance Where (((MotorPerformance.MotorID) = ?) And ((MotorPerformance.DriveID) = "
                       "?))ORDER BY MotorPerformance.Speed;"),
        {MotorID, DriveID});
    if (rs.recordCount() == 0)
        throw CurveNotFound();

    const CChangeUnits& units = Unit_Converter();
    const StoredRow point(rs, Stepper_Curve_Database, QStringLiteral("MotorPerformance"),
                          CurveDatabase::Points_Key(Stepper_Curve_Database, MotorID, DriveID));
    CurveTable table(2);
    int i = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const double rps = CurveNumbers::roundHalfEven(point.number(QStringLiteral("Speed")), 0);
        const double nm = CurveNumbers::roundHalfEven(point.number(QStringLiteral("Torque")), 2);
        table.set(i, 1, units.ChangeUnits(rps, QStringLiteral("Speed"), SpeedUnits, QStringLiteral("rps")));
        table.set(i, 2, units.ChangeUnits(nm, QStringLiteral("Torque"), TorqueUnits, QStringLiteral("N-m")));
        ++i;
    }
    // The stored curves stop short of the top speed: close every curve at 50 rps.
    table.set(i, 1, units.ChangeUnits(50, QStringLiteral("Speed"), SpeedUnits, QStringLiteral("rps")));
    table.set(i, 2, 0);

    Forms::get<frmCurve>()->Present_Curve(table, SpeedUnits, TorqueUnits);
}

} // namespace StepperCurves
