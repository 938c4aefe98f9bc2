#pragma once

#include "sizing/MotorModelACX.h"

#include <array>
#include <string>
#include <vector>

// One motor, drive and profile as a client loads them into the control, in the program's call
// order. The defaults are set A: a rotary motor on an analog drive that passes the pretest.
struct ServoSet {
    double Kb = 1.0, Rm = 2.0, Lm = 0.005, Vm = 340, Jm = 0.02, Rthwa = 1.5, Rthwc = 0.5, Bm = 2.0,
           Tfm = 3.0, Twr = 155, Tamb = 40, Wrmax = 3000, Np = 8;
    int Denable = 1, Aenable = 0;
    double SpeedInc = 100, Rptc = 3, Pbl = 0.5, MaxIdIm = 10, MaxImId = 10, MaxTmargin = 1000;
    std::string MotorType = "Rotary";
    std::array<bool, 6> motorFeedback{true, true, true, true, true, true};

    double Tauwnd = 600, Taumc = 1800, Twostart = 25, TwMax = 180, TcMax = 100, TcMin = -20;

    double Vs = 320, Vsmax = 400, Vsmin = 100, Sf = 8000, Iclim = 8, Iplim = 16, MaxContPower = 0,
           MaxPeakPower = 0;
    std::string DriveModel = "ANALOG";
    std::array<bool, 6> ampFeedback{true, true, true, true, true, true};

    // The one-segment standstill profile the servo curve uses.
    std::vector<double> torque{5, 0, 0, 0, 0, 0};
    std::vector<double> time{1, 0, 0, 0, 0, 0};
    std::vector<double> vi{0, 0, 0, 0, 0, 0};
    std::vector<double> vf{0, 0, 0, 0, 0, 0};
    double safety = 1;
    std::string motion = "Rotary";
};

// Set B: set A's motor on a smaller digital drive with power limits; its pretest gives the
// FYI line.
ServoSet SetB();

// A linear motor on a digital drive with a linear profile.
ServoSet LinearSet();

// The motor parameters alone.
void LoadMotor(Pulvane_V4::MotorTSModel& motor, const ServoSet& set);

void Load(Pulvane_V4::MotorModelACX& acx, const ServoSet& set);
