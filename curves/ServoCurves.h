#pragma once

#include <QString>

// The servo curve: motor and amplifier rows of the servo curve database fed
// into the main window's sizing model, sampled into the curve window.
namespace ServoCurves {

// Opens the servo curve database and draws the curve of the motor and the
// current axis' drive into frmCurve; a key without a row unloads the window
// and tells the user "Performance Curve Not Found".
void Show_Servo_Curve(const QString& MotorKey, const QString& DriveKey, double Voltage);

// Redraws with the records read last. Empty unit texts become "rpm" / "oz-in"
// (in the caller's variables too).
void Draw_Servo_Curve(QString& SpeedUnits, QString& TorqueUnits, double Voltage);

} // namespace ServoCurves
