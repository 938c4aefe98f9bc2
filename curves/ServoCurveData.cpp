#include "curves/ServoCurveData.h"

#include "curves/CurveDatabase.h"
#include "curves/CurveNotFound.h"
#include "curves/CurveNumbers.h"
#include "curves/StoredRow.h"
#include "shell/AxisRecord.h"

namespace ServoCurveData {

Database Servo_Curve_Database;
int Line_Voltage_Class = 0;
ServoMotorRecord Servo_Motor;
ServoDriveRecord Servo_Drive;

namespace {

const QString kDriveColumns = QStringLiteral(
    "SELECT AmplifierDataTable.Dname, AmplifierDataTable.AmpFamily, "
    "AmplifierDataTable.PartNumber, AmplifierDataTable.VsMaxAmplifier, AmplifierDataTable.VsMinAmplifier, "
    "AmplifierDataTable.UnitsofVoltage, AmplifierDataTable.VsDefault, "
    "AmplifierDataTable.IrDrivePeakSine, AmplifierDataTable.IpDrivePeakSine, AmplifierDataTable.SwitchFreq, "
    "AmplifierDataTable.SwitchFreqEnable, AmplifierDataTable.IncEncFeedback, AmplifierDataTable.ResFeedback, "
    "AmplifierDataTable.Rendat, AmplifierDataTable.Endat, AmplifierDataTable.SinCos, AmplifierDataTable.HallOnly, "
    "AmplifierDataTable.MaxContPower, AmplifierDataTable.MaxPeakPower ");

// The limit the VsDefault condition compares against.
int VsDefault_Limit(bool teldunRule)
{
    if (!teldunRule)
        return Line_Voltage_Class;
    return Line_Voltage_Class == 460 ? 400 : 480;
}

// An amplifier row, named by its part number when damaged.
StoredRow Drive_Row(const Recordset& rs)
{
    return StoredRow(rs, Servo_Curve_Database, QStringLiteral("AmplifierDataTable"),
                     [&rs] { return QStringList {rs.text(QStringLiteral("PartNumber"))}; });
}

// Reads the row into a drive record; the axis, when given, learns the frequency
// as soon as it is read and keeps it when a later field fails.
void Read_Drive_Row(const Recordset& rs, AxisRecord* axis)
{
    const StoredRow row = Drive_Row(rs);
    ServoDriveRecord d;
    d.PartNumber = rs.text(QStringLiteral("PartNumber"));
    d.Dname = rs.text(QStringLiteral("Dname"));
    d.AmpFamily = rs.text(QStringLiteral("Ampfamily"));
    d.UnitsofVoltage = rs.text(QStringLiteral("UnitsofVoltage"));
    d.VsDefault = rs.number(QStringLiteral("VsDefault"));
    d.VsMaxAmplifier = row.number(QStringLiteral("VsMaxAmplifier"));
    d.VsMinAmplifier = row.number(QStringLiteral("VsMinAmplifier"));
    d.IrDrivePeakSine = row.number(QStringLiteral("IrDrivePeakSine"));
    d.IpDrivePeakSine = row.number(QStringLiteral("IpDrivePeakSine"));
    d.SwitchFreq = row.number(QStringLiteral("SwitchFreq"));
    if (axis)
        axis->Switching_Frequency = CurveNumbers::toText(d.SwitchFreq) + QStringLiteral(" kHz");
    d.SwitchFreqEnable = rs.boolean(QStringLiteral("SwitchFreqEnable"));
    d.Feedback = ServoFeedbackKinds::read(rs);
    d.MaxContPower = row.number(QStringLiteral("MaxContPower"));
    d.MaxPeakPower = row.number(QStringLiteral("MaxPeakPower"));
    Servo_Drive = d;
}

} // namespace

void Open_Servo_Database()
{
    CurveDatabase::Open(Servo_Curve_Database, QStringLiteral("BrevanServos_USA97.mDB"));
}

void Set_Line_Voltage_Class(double Voltage)
{
    if (Voltage <= 325)
        Line_Voltage_Class = 0;
    else if (Voltage == 565)
        Line_Voltage_Class = 400;
    else
        Line_Voltage_Class = 460;
}

bool Teldun_Rule()
{
    return Servo_Drive.AmpFamily == QLatin1String("Teldun");
}

QString VsDefault_Condition(bool teldunRule)
{
    const bool below = teldunRule && Line_Voltage_Class != 460;
    return below ? QStringLiteral("AND ((AmplifierDataTable.VsDefault) < ?)")
                 : QStringLiteral("AND ((AmplifierDataTable.VsDefault) > ?)");
}

bool Read_Motor(const QString& MotorKey)
{
    const Recordset& rs = CurveDatabase::Query(
        Servo_Curve_Database,
        QStringLiteral(
            "SELECT MotorData.ProductKey, MotorData.MotorKb, MotorData.WindingResistance, MotorData.MaxInductance, "
            "MotorData.MinInductance, "
            "MotorData.WindingThermalResistance, MotorData.MotorThermalResistance, MotorData.MotorMaxBusVoltage, "
            "MotorData.WindingThermalTimeConstant, MotorData.MotorThermalTimeConstant, "
            "MotorData.Damping, MotorData.Friction, MotorData.RatedWindingTemp, MotorData.MotorAmbientTemp, "
            "MotorData.MotorMaxWindingTemp, MotorData.MotorMaxCaseTemp, MotorData.MotorMinCaseTemp, "
            "MotorData.MotorPoles, MotorData.MaxSpeed, MotorData.FeedbackResolution, MotorData.EncoderMaxSpeed, "
            "MotorData.MotorRptc, MotorData.Inertia, MotorData.MotorSeriesName, MotorData.IncEncFeedback, "
            "MotorData.ResFeedback, MotorData.Rendat, MotorData.Endat, MotorData.Sincos, MotorData.HallOnly, "
            "MotorData.FrameSize, MotorData.MotorStackNumber, MotorData.MotorWindingLetter, MotorData.FeedbackLetter "
            "From MotorData WHERE ((MotorData.ProductKey)=?);"),
        {MotorKey});
    if (rs.eof())
        return false;

    const StoredRow row(rs, Servo_Curve_Database, QStringLiteral("MotorData"),
                        [&MotorKey] { return QStringList {MotorKey}; });
    ServoMotorRecord m;
    m.ProductKey = rs.text(QStringLiteral("ProductKey"));
    m.MotorKb = row.number(QStringLiteral("MotorKb"));
    m.WindingResistance = row.number(QStringLiteral("WindingResistance"));
    m.MaxInductance = row.number(QStringLiteral("MaxInductance"));
    m.MinInductance = row.number(QStringLiteral("MinInductance"));
    m.WindingThermalResistance = row.number(QStringLiteral("WindingThermalResistance"));
    m.MotorThermalResistance = row.number(QStringLiteral("MotorThermalResistance"));
    m.MotorMaxBusVoltage = row.number(QStringLiteral("MotorMaxBusVoltage"));
    m.WindingThermalTimeConstant = row.number(QStringLiteral("WindingThermalTimeConstant"));
    m.MotorThermalTimeConstant = row.number(QStringLiteral("MotorThermalTimeConstant"));
    m.Damping = row.number(QStringLiteral("Damping"));
    m.Friction = row.number(QStringLiteral("Friction"));
    m.RatedWindingTemp = row.number(QStringLiteral("RatedWindingTemp"));
    m.MotorAmbientTemp = rs.number(QStringLiteral("MotorAmbientTemp"));
    m.MotorMaxWindingTemp = row.number(QStringLiteral("MotorMaxWindingTemp"));
    m.MotorMaxCaseTemp = row.number(QStringLiteral("MotorMaxCaseTemp"));
    m.MotorMinCaseTemp = row.number(QStringLiteral("MotorMinCaseTemp"));
    m.MotorPoles = static_cast<int>(row.number(QStringLiteral("MotorPoles")));
    m.MaxSpeed = row.number(QStringLiteral("MaxSpeed"));
    m.FeedbackResolution = rs.integer(QStringLiteral("FeedbackResolution"));
    m.EncoderMaxSpeed = row.number(QStringLiteral("EncoderMaxSpeed"));
    m.MotorRptc = row.number(QStringLiteral("MotorRptc"));
    m.Inertia = row.number(QStringLiteral("Inertia"));
    m.MotorSeriesName = rs.text(QStringLiteral("MotorSeriesName"));
    m.Feedback = ServoFeedbackKinds::read(rs);
    Servo_Motor = m;
    return true;
}

bool Read_Drive(const QString& DriveKey)
{
    const Recordset& rs = CurveDatabase::Query(
        Servo_Curve_Database,
        kDriveColumns + QStringLiteral("From AmplifierDataTable WHERE ((AmplifierDataTable.PartNumber)=?) ")
            + VsDefault_Condition(false) + QStringLiteral("ORDER BY AmplifierDataTable.SwitchFreq;"),
        {DriveKey, VsDefault_Limit(false)});
    if (rs.eof())
        return false;
    Read_Drive_Row(rs, nullptr);
    return true;
}

QStringList Switching_Frequencies(const QString& DriveKey)
{
    const bool teldun = Teldun_Rule();
    Recordset& rs = CurveDatabase::Query(
        Servo_Curve_Database,
        QStringLiteral("SELECT AmplifierDataTable.Dname, AmplifierDataTable.PartNumber, AmplifierDataTable.SwitchFreq "
                       "From AmplifierDataTable WHERE ((AmplifierDataTable.PartNumber)=?)")
            + VsDefault_Condition(teldun) + QStringLiteral("ORDER BY AmplifierDataTable.SwitchFreq;"),
        {DriveKey, VsDefault_Limit(teldun)});
    const StoredRow row = Drive_Row(rs);
    QStringList frequencies;
    for (; !rs.eof(); rs.moveNext())
        frequencies << CurveNumbers::toText(row.number(QStringLiteral("SwitchFreq")));
    return frequencies;
}

void Read_Drive_At(const QString& DriveKey, const QString& Frequency, AxisRecord& Axis)
{
    const bool teldun = Teldun_Rule();
    bool isNumber = false;
    const double kHz = Frequency.toDouble(&isNumber);
    if (!isNumber)
        throw CurveNotFound();
    const Recordset& rs = CurveDatabase::Query(
        Servo_Curve_Database,
        kDriveColumns + QStringLiteral("From AmplifierDataTable WHERE ((AmplifierDataTable.PartNumber)=?) ")
            + VsDefault_Condition(teldun) + QStringLiteral("AND ((AmplifierDataTable.SwitchFreq) = ?);"),
        {DriveKey, VsDefault_Limit(teldun), kHz});
    if (rs.eof())
        throw CurveNotFound();
    Read_Drive_Row(rs, &Axis);
}

} // namespace ServoCurveData
