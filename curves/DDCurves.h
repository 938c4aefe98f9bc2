#pragma once

#include <QString>

// Stored curves of direct-drive motors ("BrevanDirectDrive97.mDB").
namespace DDCurves {

// Finds the motor and the drive, stores their IDs in frmCurve and draws the
// stored continuous and peak curves; otherwise unloads the window and tells
// the user "Performance Curve Not Found".
void Show_DD_Curve(const QString& MotorKey, const QString& DriveName);

// Empty unit texts become "rpm" / "oz-in" (in the caller's variables too).
void Draw_DD_Curve(QString& SpeedUnits, QString& TorqueUnits, int MotorID, int DriveID);

// Back to the start-up state: the database closed.
void Reset_State();

} // namespace DDCurves
