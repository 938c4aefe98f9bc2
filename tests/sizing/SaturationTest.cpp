// Magnetic saturation from three measured points, and the limits that use it.

#include "SaturationExample.h"
#include "ServoSet.h"

#include "sizing/MotorModelACX.h"
#include "sizing/SizingError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Pulvane_V4;

namespace {

const double r3 = std::sqrt(3.0);

void SetExample(MotorTSModel& m, double effNt = 100)
{
    m.SetMagneticSaturationParms(10, 20, 30, 10, 25, 100, effNt);
}

class SaturationTest : public ::testing::Test {
protected:
    SaturationTest() { Load(acx, ServoSet{}); }
    MotorModelACX acx;
    MotorTSModel& m = acx.DLLMotor();
};

TEST_F(SaturationTest, WithoutDataEveryQueryIsTheUnsaturatedConstant)
{
    for (double i : {0.0, 5.0, 50.0, -80.0}) {
        EXPECT_DOUBLE_EQ(1.0, m.GetSatKtss_Nm(i));
        EXPECT_DOUBLE_EQ(1.0, m.GetSatKbss_vpradps(i));
        EXPECT_NEAR(122.629197, m.GetSatKtsinepeak_OzIn(i), 1e-6); // r x 141.6 / 2
        EXPECT_NEAR(r3 / 2, m.GetSatKtsinepeak_Nm(i), 1e-15);
    }
}

TEST_F(SaturationTest, WorkedExample)
{
    SetExample(m);
    struct Row {
        double current, expected;
    };
    const Row rows[] = {
        {5, 1},          // below the first point
        {15, 0.9666666666666667}, // (15 - 0.000002 x 500^2) / 15 = 14.5 / 15
        {20, 0.9},
        {-20, 0.9},      // the sign of the current does not matter
        {25, 0.825},     // (25 - 4.5 + 0.125) / 25
        {30, 0.75},
        {40, 0.6375},    // (22.5 + 0.003 x 1000) / 40
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(r.expected, m.GetSatKtss_Nm(r.current), 1e-9 * r.expected) << r.current;
        EXPECT_NEAR(r.expected, m.GetSatKbss_vpradps(r.current), 1e-9 * r.expected) << r.current;
    }
    // Sine-peak forms: six-state current r x I / 2, constant back by r / 2 (and 141.6).
    const double isp = 2 * 25 / r3;
    EXPECT_NEAR(0.825 * r3 / 2, m.GetSatKtsinepeak_Nm(isp), 1e-9);
    EXPECT_NEAR(0.825 * r3 * 141.6 / 2, m.GetSatKtsinepeak_OzIn(isp), 1e-9 * 101);
}

TEST_F(SaturationTest, MoreTurnsSaturateAtLowerCurrent)
{
    SetExample(m, 200);
    EXPECT_DOUBLE_EQ(1.0, m.GetSatKtss_Nm(4.9));
    EXPECT_NEAR(1.0, m.GetSatKtss_Nm(5), 1e-12);         // X = 1000, no loss yet
    EXPECT_NEAR(7.0 / 7.5, m.GetSatKtss_Nm(7.5), 1e-12); // (7.5 - 0.000002 x 500^2) / 7.5
    EXPECT_NEAR(0.8, m.GetSatKtss_Nm(10), 1e-12);
    // C = 0.005 x 3000 - 8 + 0.5 = 7.5; D = 0.005 - 0.008 + 0.001 < 0 is held at 0.
    EXPECT_NEAR(7.5 / 40, m.GetSatKtss_Nm(40), 1e-12);
    EXPECT_NEAR(7.5 / 80, m.GetSatKtss_Nm(80), 1e-12);
}

TEST_F(SaturationTest, ConstantScalesWithKb)
{
    ServoSet set;
    set.Kb = 2;
    Load(acx, set);
    SetExample(m);
    EXPECT_NEAR(2 * 0.6375, m.GetSatKtss_Nm(40), 1e-12);
}

TEST_F(SaturationTest, FailingSetterChangesNothing)
{
    SetExample(m);
    // No turns, two equal points, no third point: each has no finite coefficient.
    EXPECT_THROW(m.SetMagneticSaturationParms(10, 20, 30, 10, 25, 100, 0), SizingError);
    EXPECT_THROW(m.SetMagneticSaturationParms(10, 10, 30, 10, 25, 100, 100), SizingError);
    EXPECT_THROW(m.SetMagneticSaturationParms(10, 20, 0, 10, 25, 100, 100), SizingError);
    EXPECT_THROW(m.SetMagneticSaturationParms(10, 20, 30, 10, 25, 0, 100), SizingError);
    EXPECT_NEAR(0.9, m.GetSatKtss_Nm(20), 1e-12);
    EXPECT_NEAR(0.6375, m.GetSatKtss_Nm(40), 1e-12);
}

TEST_F(SaturationTest, LimitsUseTheSaturatedConstants)
{
    ServoSet set;
    set.Iclim = 20;
    Load(acx, set);
    SetExample(m);
    m.PretestLimits();
    // DL: six-state current r x 20 / 2 = 17.32 A lies between the first and second point.
    const double kt20 = ExampleK(r3 * 20 / 2) * r3 * 141.6 / 2;
    EXPECT_NEAR(kt20 * 20 - 3, m.GetDLTorqueAtRadsPerSec(0, 0), 1e-9 * 2000);

    // Analog VL at standstill, four passes: each pass takes the constants at the current the
    // previous pass left (0 first), here swinging through every branch of the curve.
    const double hot = 1.5109;
    double I = 0;
    double T = 0;
    for (int pass = 0; pass < 4; ++pass) {
        const double kb = ExampleK(I);
        const double kt = ExampleK(r3 * I / 2) * r3 * 141.6 / 2;
        T = kt * 320 / 2 / hot - 3;
        I = 2 * (T + 3) / 1.732050808 / kb / 141.6;
    }
    EXPECT_NEAR(T, m.GetAnalogVLTorqueAtRadsPerSec(0, 0), 1e-9 * std::fabs(T));
}

} // namespace
