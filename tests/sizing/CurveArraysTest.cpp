// Curve arrays: the grid, its refinement, the rated point, the older fill and the accessors.

#include "RotaryHand.h"
#include "ServoSet.h"

#include "sizing/MotorModelACX.h"
#include "sizing/SizingError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Pulvane_V4;
using hand::ExpectNear;
using hand::pi;

namespace {

class CurveArraysTest : public ::testing::Test {
protected:
    void LoadAndPretest(const ServoSet& set)
    {
        Load(acx, set);
        m.PretestLimits();
    }
    MotorModelACX acx;
    MotorTSModel& m = acx.DLLMotor();
};

TEST_F(CurveArraysTest, GridEndsPastTheTopSpeedWithoutRefinement)
{
    const RotaryHand h{ServoSet{}};
    LoadAndPretest(h.p);
    m.FillTSCurveArrays();
    const double step = 3000.0 / 38 * pi / 30; // 78.95 rpm in rad/s
    for (int i : {0, 1, 20, 38, 39})
        ExpectNear(i * step, m.GetSpeedPoint(i), "speed " + std::to_string(i));
    // 39/38 of the top speed lies above it: both curves are 0 there.
    EXPECT_EQ(0, m.GetContTorqPoint(39));
    EXPECT_EQ(0, m.GetPeakTorqPoint(39));
    ExpectNear(h.Cont(20 * step), m.GetContTorqPoint(20), "cont 20");
    ExpectNear(h.CL(20 * step, 1, 0), m.GetPeakTorqPoint(20), "peak 20");

    // Rated point: largest continuous power w x T / 141.6 below the top speed, lower index on ties.
    int k = 0;
    double best = 0;
    for (int i = 0; i < 40; ++i) {
        const double w = i * step;
        const double power = w * h.Cont(w) / 141.6; // 0 above the top speed
        if (power > best && w < 3000 * pi / 30) {
            best = power;
            k = i;
        }
    }
    EXPECT_EQ(36, k); // 297.6 rad/s: the last point before the voltage limit takes over
    ExpectNear(k * step, m.GetWrated(), "rated speed");
    EXPECT_EQ(m.GetWrated(), m.mdblRatedSpeed);
    ExpectNear(h.Cont(k * step), m.GetTrated(), "rated torque");
    ExpectNear(2 * h.I6(115, k * step) / 1.732050808, m.GetIrated(), "rated current (PL)");
}

TEST_F(CurveArraysTest, MissingTopSpeedBecomes5000Rpm)
{
    ServoSet set;
    set.Wrmax = 0;
    set.Kb = 0.5; // back EMF stays below the bus up to 5000 rpm
    LoadAndPretest(set);
    m.FillTSCurveArrays();
    ExpectNear(5000.0 / 38 * pi / 30, m.GetSpeedPoint(1), "first step 13.78 rad/s");
    EXPECT_NEAR(13.78, m.GetSpeedPoint(1), 0.005);
    // The model keeps the 5000 rpm: 400 rad/s (3820 rpm) is not cut off.
    EXPECT_GT(m.GetContTorque(400, 0), 0);
    EXPECT_EQ(0, m.GetContTorque(5000 * 2 * pi / 60 + 0.001, 0));
}

TEST_F(CurveArraysTest, EarlyEndOfThePeakCurveRefinesTheGrid)
{
    ServoSet set;
    set.Wrmax = 3800; // grid step 100 rpm
    set.Vs = 205;     // back EMF reaches the bus between point 19 (199 rad/s) and 20 (209 rad/s)
    const RotaryHand h{set};
    LoadAndPretest(set);
    m.FillTSCurveArrays();
    // W+ = 19/38 of the top speed (1900 rpm) < 2/3 of it: step W+ / 36, in rad/s.
    const double firstStep = 3800.0 / 38 * pi / 30;
    const double lastPositive = 19 * firstStep * 30 / pi;
    EXPECT_NEAR(1900, lastPositive, 1e-9);
    const double step = lastPositive / 36 * pi / 30;
    for (int i : {1, 19, 36, 39})
        ExpectNear(i * step, m.GetSpeedPoint(i), "refined speed " + std::to_string(i));
    ExpectNear(h.VLanalog(36 * step, 1, 0), m.GetPeakTorqPoint(36), "peak at W+");
    ExpectNear(h.Cont(10 * step), m.GetContTorqPoint(10), "cont 10");
    EXPECT_LT(m.GetPeakTorqPoint(39), 0); // 39/36 of W+ lies past the back-EMF speed
}

TEST_F(CurveArraysTest, NoPositivePowerRatesAtPositionZero)
{
    ServoSet set;
    set.Iclim = 0; // DL = friction only: every continuous value <= 0
    LoadAndPretest(set);
    m.FillTSCurveArrays();
    EXPECT_EQ(0, m.GetWrated());
    EXPECT_EQ(-3, m.GetTrated()); // the static friction at standstill
    EXPECT_EQ(0, m.GetIrated());  // DL current
}

TEST_F(CurveArraysTest, ConstantPowerRatesAtPositionZero)
{
    ServoSet set;
    set.Iclim = 0; // no friction before the pretest: DL = 0, so every power value is 0
    Load(acx, set);
    m.FillTSCurveArrays();
    EXPECT_EQ(0, m.GetContTorqPoint(20));
    EXPECT_EQ(0, m.GetWrated());
    EXPECT_EQ(0, m.mdblRatedSpeed);
    EXPECT_EQ(0, m.GetTrated());
}

TEST_F(CurveArraysTest, AccessorsAndUntouchedPositions)
{
    EXPECT_EQ(0, m.GetSpeedPoint(40));
    EXPECT_EQ(-1, m.GetSpeedPoint(41));
    EXPECT_EQ(-1, m.GetSpeedPoint(-1));
    EXPECT_EQ(-1, m.GetPeakIPoint(41));
    EXPECT_EQ(0, m.GetWrated());
    EXPECT_EQ(0, m.GetTrated());
    EXPECT_EQ(0, m.GetIrated());
    EXPECT_EQ(0, m.GetMaxContInputPower());
    EXPECT_EQ(0, m.GetMaxPeakInputPower());
    LoadAndPretest(ServoSet{});
    m.FillTSCurveArrays_old();
    const double old40 = 40 * 100 * pi / 30;
    ExpectNear(old40, m.GetSpeedPoint(40), "old fill writes position 40");
    m.FillTSCurveArrays();
    ExpectNear(old40, m.GetSpeedPoint(40), "new fill leaves position 40");
}

// Older fill, standard motor, before any pretest (no friction, Pml = Pbl = 0.5 everywhere) and
// with the continuous current held at its limit from the first pass on: Iclim = 2 gives
// 2 x 0.866 = 1.732 A six-state against a thermal 6 A.
TEST_F(CurveArraysTest, OlderFillStandardMotor)
{
    ServoSet set;
    set.Iclim = 2;
    set.Vs = 1000; // no voltage limit in the grid
    set.Wrmax = 3050;
    Load(acx, set);
    m.FillTSCurveArrays_old();

    const double clamp = 2 * 0.866;
    // Point 0: first pass from I = 0 gives Tw = 0.5 x 1 + 40 and R1; the second pass holds
    // the clamped current and stops.
    const double R1 = 2 * 0.00393 * ((0 + 0.5) * 1 + 0 + 40 - 25) + 2;
    const double Prl0 = clamp * clamp * R1;
    const double Tw0 = (Prl0 + 0.5) * 1 + Prl0 * 0.5 + 40;
    // Point 1 starts from point 0's last resistance and stops after one pass.
    const double R2 = 2 * 0.00393 * (Tw0 - 25) + 2;
    const double Prl1 = clamp * clamp * R2;

    ExpectNear(0.5, m.GetPmlPoint(0), "Pml 0");
    ExpectNear(0.5, m.GetPmlPoint(30), "Pml 30");
    ExpectNear(Prl0, m.GetPrlPoint(0), "Prl 0");
    ExpectNear(Tw0, m.GetTwPoint(0), "Tw 0");
    ExpectNear(1 * (Prl0 + 0.5) + 40, m.GetTcPoint(0), "Tc 0");
    ExpectNear(Prl1, m.GetPrlPoint(1), "Prl 1");
    ExpectNear(2, m.GetContIPoint(0), "cont current");
    // Peak: sqrt(P) x 3 = 18 A > 16 x 0.866: the drive's peak current.
    EXPECT_EQ(16, m.GetPeakIPoint(0));
    for (int i : {0, 7})
        EXPECT_EQ(0, m.GetPtlPoint(i) + m.GetPslPoint(i) + m.GetTePoint(i) + m.GetTsPoint(i) + m.GetTjPoint(i));

    // Flat current-limited torque: power rises with speed, so the rated point is the last grid
    // speed under 3050 rpm, 3000 rpm.
    EXPECT_NEAR(3000, m.GetWrated(), 1e-9 * 3000);
    const double torque = 1 * 122.6256 * 2;
    ExpectNear(torque, m.GetTrated(), "rated torque");
    const double w30 = 30 * 100 * pi / 30;
    const double power30 = w30 * 60 * torque / 1352.18 / 2 / pi;
    ExpectNear(power30 + 0.5 + m.GetPrlPoint(30), m.GetMaxContInputPower(), "cont input power");
    const double peakPower30 = w30 * 60 * (122.6256 * 16) / 1352.18 / 2 / pi;
    ExpectNear(peakPower30 + 0.5 + m.GetPrlPoint(30) * 9, m.GetMaxPeakInputPower(), "peak input power");
}

// Older fill with the drive's transistors in the heat balance (Aenable 1), first grid point.
TEST_F(CurveArraysTest, OlderFillDriveVariant)
{
    ServoSet set;
    set.Aenable = 1;
    Load(acx, set);
    m.SetDriveParametersFull(320, 8000, 2, 16, 60, 1e-9, 0.1, 0.2, 0.05);
    m.SetTransistorParameters(30, 0.1, 150, 0.005, 1.0, 0.5);
    m.FillTSCurveArrays_old();

    const double Psl = 1e-9 * 320 * 320 * 8000; // 0.8192 W
    // First pass from I = 0, R = Rm, Rds = Rdscold.
    const double Tw1 = 60 + 0 - 2 * 0.1 * (0 + Psl);
    const double Tj1 = 60 + (0 + Psl) * (1.0 + 0.5);
    const double R1 = 2 * (1 + 0.00393 * (Tw1 + 25));
    const double Rds1 = 0.1 * (1 + 0.005 * (Tj1 + 25));
    const double P1 = ((60 - 40 - 2 * 0.1 * Psl) / (1.5 - 0.5) - 0.5 - 2 * Psl) / (R1 + 2 * Rds1);
    ASSERT_GT(std::sqrt(P1), 2 * 0.866); // clamped at once, so the second pass stops
    const double clamp = 2 * 0.866;
    const double Pcu = clamp * clamp * R1;
    const double Pt = clamp * clamp * Rds1;
    const double Tw = 60 + Pcu * 0.5 - 2 * 0.1 * (Pt + Psl);
    const double Tj = 60 + (Pt + Psl) * 1.5;
    const double Tc = 40 + 1 * (Pcu + 0.5 + 2 * Pt + 2 * Psl);

    ExpectNear(Psl, m.GetPslPoint(0), "Psl");
    ExpectNear(Pcu, m.GetPrlPoint(0), "Prl");
    ExpectNear(Pt, m.GetPtlPoint(0), "Ptl");
    ExpectNear(Tw, m.GetTwPoint(0), "Tw");
    ExpectNear(Tj, m.GetTjPoint(0), "Tj");
    ExpectNear(Tc, m.GetTcPoint(0), "Tc");
    ExpectNear(Tc + 2 * 0.1 * (Pt + Psl), m.GetTePoint(0), "Te");
    ExpectNear(Tc + 2 * (0.1 + 0.2) * (Pt + Psl), m.GetTsPoint(0), "Ts");
    ExpectNear(2, m.GetContIPoint(0), "cont current");

    // A failure in the drive's heat balance names that step.
    set.Rthwc = set.Rthwa;
    Load(acx, set);
    try {
        m.FillTSCurveArrays_old();
        ADD_FAILURE() << "no error";
    } catch (const SizingError& e) {
        EXPECT_NE(std::string(e.what()).find("FillCurrentandPLArraysForDrive"), std::string::npos) << e.what();
    }
}

TEST_F(CurveArraysTest, VoltageLimitFollowsTheLastSetter)
{
    const ServoSet s;
    LoadMotor(m, s);
    m.SetDriveParameters(320, 400, 100, 8000, 8, 16, 0, 0);
    EXPECT_EQ(320, m.GetVlim());
    LoadMotor(m, s);
    EXPECT_EQ(340, m.GetVlim()); // Vm until the pretest takes Vs again
    m.PretestLimits();
    EXPECT_EQ(320, m.GetVlim());
    m.SetDriveParametersFull(300, 8000, 8, 16, 60, 0, 0, 0, 0);
    EXPECT_EQ(300, m.GetVlim());
}

} // namespace
