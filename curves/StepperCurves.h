#pragma once

#include <QString>

// Stored curves of stepper motors ("BrevanSteppers97.mDB"); the motor key
// carries the wiring and the input voltage: key "__(" SER|PAR "," voltage ")".
namespace StepperCurves {

// Finds the motor and the drive, stores their IDs in frmCurve and draws the
// stored curve; otherwise unloads the window and tells the user
// "Performance Curve Not Found".
void Show_Stepper_Curve(const QString& MotorKey, const QString& DriveName);

// Empty unit texts become "rpm" / "oz-in" (in the caller's variables too).
void Draw_Stepper_Curve(QString& SpeedUnits, QString& TorqueUnits, int MotorID, int DriveID);

// Back to the start-up state: the database closed.
void Reset_State();

} // namespace StepperCurves
