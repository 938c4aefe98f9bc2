// Mechanical and resistive losses, the current for a load, and the steady-state temperatures.

#include "RotaryHand.h"
#include "SaturationExample.h"
#include "ServoSet.h"

#include "sizing/MotorModelACX.h"
#include "sizing/SizingError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Pulvane_V4;
using hand::ExpectNear;

namespace {

class LossesTest : public ::testing::Test {
protected:
    MotorModelACX acx;
    MotorTSModel& m = acx.DLLMotor();
};

TEST_F(LossesTest, MechanicalLoss)
{
    ServoSet set; // Bm 2 oz-in per 1000 rpm, Tfm 3 oz-in, Pbl 0.5 W
    Load(acx, set);
    struct Row {
        double speed, expected;
    };
    const Row rotary[] = {
        {0, 0.5},
        {1500, (2 * 1500 / 1000.0 + 3) * 1500 / 1352 + 0.5}, // 9000 / 1352 + 0.5 = 7.157
        {-1500, 0.5},                                       // (-3 + 3) x -1500: no absolute value
        {-1000, (-2 + 3.0) * -1000 / 1352 + 0.5},           // -0.2396
    };
    for (const Row& r : rotary)
        ExpectNear(r.expected, m.GetPml(r.speed), "rotary " + std::to_string(r.speed));
    // The loss uses the parameters, not the pretest's working copies.
    m.PretestLimits();
    ExpectNear(rotary[1].expected, m.GetPml(1500), "after pretest");

    set.Denable = 0;
    Load(acx, set);
    for (double speed : {0.0, 1500.0, 6000.0})
        EXPECT_EQ(0.5, m.GetPml(speed));

    Load(acx, LinearSet()); // Bm 2 N per m/s, Tfm 5 N, Pbl 0
    ExpectNear((2 * 2.0 + 5) * 2, m.GetPml(2), "linear");
    EXPECT_EQ(0, m.GetPml(0));
}

TEST_F(LossesTest, ResistiveLossAndCurrent)
{
    Load(acx, ServoSet{}); // Kb 1: 141.6 oz-in per A; Rm 2
    EXPECT_EQ(0, m.GetPrl(0, 80));
    const double I = 300 / 141.6;
    ExpectNear(I, m.CalcSteadtStateCurrent(300), "current");
    ExpectNear(I * I * 2, m.GetPrl(300, 25), "Prl at 25 C");
    ExpectNear(I * I * (2 * 0.00393 * 100 + 2), m.GetPrl(300, 125), "Prl at 125 C");

    Load(acx, LinearSet()); // Kb 50 N per A, Rm 4
    ExpectNear(100 / 50.0, m.CalcSteadtStateCurrent(100), "linear current");
    ExpectNear(4.0 * 4, m.GetPrl(100, 25), "linear Prl");
}

TEST_F(LossesTest, CurrentIterationFollowsTheSaturatedConstant)
{
    Load(acx, ServoSet{});
    m.SetMagneticSaturationParms(10, 20, 30, 10, 25, 100, 100);
    // Six passes from I = 0, each with the constant at the previous estimate.
    const double T = 141.6 * 25;
    double I = 0;
    for (int pass = 0; pass < 6; ++pass)
        I = T / (141.6 * ExampleK(I));
    ExpectNear(I, m.CalcSteadtStateCurrent(T), "saturated current");
    EXPECT_GT(I, 30); // 25, 30.3, 33.5, ...: the iteration leaves the first estimate far behind
    ExpectNear(I * I * 2, m.GetPrl(T, 25), "saturated Prl");
}

TEST_F(LossesTest, SteadyStateTemperature)
{
    Load(acx, ServoSet{}); // Rm 2, Rthwa 1.5, Rthwc 0.5
    double Tw = -1;
    double Tc = -1;
    EXPECT_EQ(0, m.CalcSteadyStateTemp(Tw, Tc, 0, 0));
    EXPECT_EQ(25, Tw);
    EXPECT_EQ(25, Tc);

    // 3 A: P25 = 18 W. N = 25 + 1 x 2 + 0.90175 x 18 x 1.5, D = 1 - 0.00393 x 18 x 1.5.
    m.CalcSteadyStateTemp(Tw, Tc, 141.6 * 3, 2);
    const double Twe = (25 + 2 + 0.90175 * 18 * 1.5) / (1 - 0.00393 * 18 * 1.5); // 57.44
    ExpectNear(Twe, Tw, "Tw");
    ExpectNear(Twe - (1 + 0.00393 * (Twe - 25)) * 18 * 0.5, Tc, "Tc");

    // 10 A: P25 = 200 W and 0.00393 x 200 x 1.5 = 1.179 >= 1: thermal runaway.
    m.CalcSteadyStateTemp(Tw, Tc, 141.6 * 10, 0);
    EXPECT_EQ(10000, Tw);
    EXPECT_EQ(10000, Tc);
}

TEST_F(LossesTest, MotorWithoutConstantCannotCarryALoad)
{
    ServoSet set;
    set.Kb = 0;
    LoadMotor(m, set);
    EXPECT_THROW(m.CalcSteadtStateCurrent(10), SizingError);
    EXPECT_THROW(m.GetPrl(10, 25), SizingError);
}

} // namespace
