#pragma once

#include "curves/ServoFeedbackKinds.h"

#include <QString>

// One MotorData row of the servo curve database.
struct ServoMotorRecord {
    QString ProductKey;
    double MotorKb = 0;
    double TwoPiKb = 0; // derived when the motor is loaded into the sizing model
    double WindingResistance = 0;
    double MaxInductance = 0;
    double MinInductance = 0;
    double WindingThermalResistance = 0;
    double MotorThermalResistance = 0;
    double MotorMaxBusVoltage = 0;
    double WindingThermalTimeConstant = 0;
    double MotorThermalTimeConstant = 0;
    double Damping = 0;
    double Friction = 0;
    double RatedWindingTemp = 0;
    double MotorAmbientTemp = 0;
    double MotorMaxWindingTemp = 0;
    double MotorMaxCaseTemp = 0;
    double MotorMinCaseTemp = 0;
    int MotorPoles = 0;
    double MaxSpeed = 0;
    int FeedbackResolution = 0;
    double EncoderMaxSpeed = 0;
    double MotorRptc = 0;
    double Inertia = 0;
    QString MotorSeriesName;
    ServoFeedbackKinds Feedback; // IncEncFeedback, ResFeedback, Rendat, Endat, SinCos, HallOnly
};
