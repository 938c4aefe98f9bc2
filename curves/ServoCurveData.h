#pragma once

#include "curves/ServoDriveRecord.h"
#include "curves/ServoMotorRecord.h"
#include "platform/Database.h"

#include <QString>
#include <QStringList>

struct AxisRecord;

// The servo curve database "BrevanServos_USA97.mDB": the motor and amplifier
// rows of the curve being drawn.
namespace ServoCurveData {

extern Database Servo_Curve_Database;
// 0, 400 or 460: the amplifier rows offered for the axis' bus voltage.
extern int Line_Voltage_Class;
extern ServoMotorRecord Servo_Motor;
extern ServoDriveRecord Servo_Drive;

void Open_Servo_Database();
void Set_Line_Voltage_Class(double Voltage);

// The amplifier rows a query admits: VsDefault against the line voltage
// class; the "Teldun" family has its own bands.
QString VsDefault_Condition(bool teldunRule);
// Whether the amplifier read last follows the Teldun rule.
bool Teldun_Rule();

// The MotorData row of the key into Servo_Motor; false when there is none.
bool Read_Motor(const QString& MotorKey);
// The amplifier's row at its lowest switching frequency into Servo_Drive;
// false when there is none.
bool Read_Drive(const QString& DriveKey);
// The amplifier's switching frequencies (kHz as plain text), lowest first.
QStringList Switching_Frequencies(const QString& DriveKey);
// The amplifier's row at a frequency of the list into Servo_Drive, and its
// frequency into the axis' Switching_Frequency; throws CurveNotFound when
// there is none.
void Read_Drive_At(const QString& DriveKey, const QString& Frequency, AxisRecord& Axis);

} // namespace ServoCurveData
