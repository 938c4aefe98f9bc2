#pragma once

#include "curves/ServoFeedbackKinds.h"

#include <QString>

// One AmplifierDataTable row (an amplifier at one switching frequency).
struct ServoDriveRecord {
    QString Dname;
    QString PartNumber;
    QString AmpFamily;
    QString UnitsofVoltage;
    double VsDefault = 0;
    double VsMaxAmplifier = 0;
    double VsMinAmplifier = 0;
    double IrDrivePeakSine = 0;
    double IpDrivePeakSine = 0;
    double SwitchFreq = 0; // kHz
    bool SwitchFreqEnable = false;
    ServoFeedbackKinds Feedback; // IncEncFeedback, ResFeedback, Rendat, Endat, SinCos, HallOnly
    double MaxContPower = 0;
    double MaxPeakPower = 0;
};
