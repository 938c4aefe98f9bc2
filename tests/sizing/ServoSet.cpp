#include "ServoSet.h"

ServoSet SetB()
{
    ServoSet s;
    s.Vs = 300;
    s.Iclim = 4;
    s.Iplim = 12;
    s.MaxContPower = 500;
    s.MaxPeakPower = 1500;
    s.DriveModel = "SINE";
    return s;
}

ServoSet LinearSet()
{
    ServoSet s;
    s.Kb = 50;
    s.Rm = 4;
    s.Lm = 0.02;
    s.Jm = 5;
    s.Rthwa = 1;
    s.Rthwc = 0.4;
    s.Bm = 2;
    s.Tfm = 5;
    s.Twr = 130;
    s.Wrmax = 3;
    s.Np = 30;
    s.SpeedInc = 0.1;
    s.Rptc = 2.5;
    s.Pbl = 0;
    s.MotorType = "Linear";
    s.Vs = 160;
    s.Vsmin = 50;
    s.Iclim = 5;
    s.Iplim = 12;
    s.DriveModel = "DIGITAL";
    s.motion = "Linear";
    return s;
}

void LoadMotor(Pulvane_V4::MotorTSModel& motor, const ServoSet& s)
{
    motor.SetMotorParameters(s.Kb, s.Rm, s.Lm, s.Vm, s.Jm, s.Rthwa, s.Rthwc, s.Bm, s.Tfm, s.Twr,
                             s.Tamb, s.Wrmax, s.Np, s.Denable, s.Aenable, s.SpeedInc, s.Rptc,
                             s.Pbl, s.MaxIdIm, s.MaxImId, s.MaxTmargin, s.MotorType);
}

void Load(Pulvane_V4::MotorModelACX& acx, const ServoSet& s)
{
    auto& motor = acx.DLLMotor();
    LoadMotor(motor, s);
    const auto& mf = s.motorFeedback;
    motor.SetMotFeedbackComp(mf[0], mf[1], mf[2], mf[3], mf[4], mf[5]);
    auto& thermal = acx.DLLThermalModel();
    thermal.SetThermalControls(true, false);
    thermal.SetThermalParameters(s.Rthwa, s.Rthwc, s.Tauwnd, s.Taumc);
    thermal.SetTemperatureLimits(s.Twr, s.Twostart, s.TwMax, s.TcMax, s.TcMin);
    thermal.SetThermalConditions(0, 0, 0, 0, 25.0);
    thermal.SetDtRatio(20.0);
    motor.SetDriveParameters(s.Vs, s.Vsmax, s.Vsmin, s.Sf, s.Iclim, s.Iplim, s.MaxContPower,
                             s.MaxPeakPower);
    const auto& af = s.ampFeedback;
    motor.SetAmpFeedbackComp(af[0], af[1], af[2], af[3], af[4], af[5]);
    std::string model = s.DriveModel;
    motor.SetDriveVLModelString(model);
    acx.DLLPerformanceCheck().setArrays(s.torque, s.time, s.vi, s.vf, s.safety, s.motion);
}
