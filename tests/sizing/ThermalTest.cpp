// Two-node thermal model: time step, losses, steady state, duty on/off search, and the thermal
// simulation of a profile.

#include "MotorThermalModelProbe.h"
#include "RotaryHand.h"
#include "ServoSet.h"

#include "sizing/MotorModelACX.h"
#include "sizing/SizingError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

using namespace Pulvane_V4;
using hand::ExpectNear;
using Probe = MotorThermalModelProbe;

namespace {

// One step of the two-node model by hand: losses at the temperatures before the step.
struct Node {
    double Tw, Tc;
};
Node StepByHand(Node n, double h, double Tamb, double Rthwa, double Rthwc, double tauw, double tauc,
                double resistive, double other)
{
    const double eC = tauc == 0 ? 0 : std::exp(-h / tauc);
    const double eW = tauw == 0 ? 0 : std::exp(-h / tauw);
    const double caseRise = (other + resistive) * (Rthwa - Rthwc) * (1 - eC) + eC * (n.Tc - Tamb);
    const double windingRise = resistive * Rthwc * (1 - eW) + eW * (n.Tw - n.Tc);
    return {caseRise + windingRise + Tamb, caseRise + Tamb};
}

class ThermalTest : public ::testing::Test {
protected:
    // 60 W copper loss at 25 C: steady with the load on 164 C (above Twr 130), off 25 C (below
    // the restart temperature 60), so the duty cycle needs heating and cooling runs.
    void SetDutyCycleCase()
    {
        t.SetThermalControls(true, false);
        t.SetThermalParameters(1.5, 0.5, 10, 60);
        t.SetThermalConditions(0, 60, 0, 0, 25);
        t.SetTemperatureLimits(130, 60, 180, 100, -20);
        t.SetInterationParameters(20, 0.0001, 100);
    }
    MotorModelACX acx;
    MotorThermalModel& t = acx.DLLThermalModel();
};

TEST_F(ThermalTest, BaseTimeStep)
{
    struct Row {
        double tauw, tauc, ratio, dt;
    };
    const Row rows[] = {{0, 30, 20, 1.5}, {0, 0, 20, 50}, {600, 1800, 20, 30}, {10, 0, 4, 2.5}};
    for (const Row& r : rows) {
        t.SetThermalParameters(1.5, 0.5, r.tauw, r.tauc);
        t.SetDtRatio(r.ratio);
        t.Init();
        EXPECT_EQ(r.dt, Probe::Dt(t)) << r.tauw << " " << r.tauc;
    }
    t.SetInterationParameters(0, 0.01, 10);
    EXPECT_THROW(t.Init(), SizingError);
}

TEST_F(ThermalTest, LossesAndOneStep)
{
    t.SetThermalControls(true, false);
    t.SetThermalParameters(1.5, 0.5, 100, 400);
    t.SetThermalConditions(2, 10, 1, 0.5, 25);
    t.SetTemperatureLimits(155, 125, 180, 100, -20);
    t.SetDtRatio(10);
    t.Init(); // Tw = Tc = Twostart = 125, load on
    Probe::UpdateLosses(t);
    ExpectNear(13.93, Probe::ResistiveNow(t), "(1 + 0.00393 x 100) x 10");
    ExpectNear(3.5, Probe::OtherNow(t), "Psl + Ptl + Pml");

    Probe::Step(t, 10);
    const Node n = StepByHand({125, 125}, 10, 25, 1.5, 0.5, 100, 400, 13.93, 3.5);
    ExpectNear(n.Tw, Probe::Tw(t), "Tw");
    ExpectNear(n.Tc, Probe::Tc(t), "Tc");
    EXPECT_EQ(10, Probe::Elapsed(t));

    t.SetThermalControls(false, true);
    Probe::UpdateLosses(t);
    ExpectNear(1.5, Probe::OtherNow(t), "without Pml");
    Probe::SetLoaded(t, false);
    Probe::UpdateLosses(t);
    EXPECT_EQ(0, Probe::ResistiveNow(t));
    EXPECT_EQ(1, Probe::OtherNow(t)); // Psl alone

    // A node without time constant settles within the step.
    t.SetThermalParameters(1.5, 0.5, 0, 0);
    Probe::SetTemperatures(t, 90, 40);
    Probe::Step(t, 5);
    ExpectNear(25 + 1 * 1, Probe::Tw(t), "both settled");
    ExpectNear(26, Probe::Tc(t), "case settled");
}

// Steady temperatures: Tw = Tamb + (other + k Prl)(Rthwa - Rthwc) + k Prl Rthwc with
// k = 1 + 0.00393 (Tw - 25), linear in Tw; the iteration stops within the convergence band.
TEST_F(ThermalTest, DutyDecisionWithoutRuns)
{
    t.SetThermalControls(false, false);
    t.SetThermalParameters(1.5, 0.5, 600, 1800);
    t.SetThermalConditions(0, 20, 0, 0, 25);
    t.SetTemperatureLimits(155, 40, 180, 100, -20);
    t.SetInterationParameters(20, 0.0001, 100);
    t.DetermineOnOffDuration();
    const double Twss = (25 + 20 * 1.5 * (1 - 0.00393 * 25)) / (1 - 0.00393 * 20 * 1.5); // 59.0
    EXPECT_NEAR(Twss, Probe::SteadyTwOn(t), 0.01);
    EXPECT_EQ(25, Probe::SteadyTwOff(t));
    EXPECT_FALSE(Probe::NonConvergence(t));
    // Under Twr: runs forever, no heating or cooling run made (the search's 60 C stay).
    EXPECT_EQ(1440, t.GetDutyOnTime());
    EXPECT_EQ(0, t.GetDutyOffTime());
    EXPECT_EQ(60, Probe::Tw(t));
    EXPECT_EQ(60, Probe::Tc(t));

    // Never cools down to the restart temperature: 100 W of switching loss keep it at 125.
    t.SetThermalConditions(0, 200, 100, 0, 25);
    t.CheckForNonConvergence();
    EXPECT_EQ(0, t.GetDutyOnTime());
    EXPECT_EQ(1440, t.GetDutyOffTime());

    // No time constants: no duty cycle.
    t.SetThermalParameters(1.5, 0.5, 0, 0);
    t.CheckForNonConvergence();
    EXPECT_EQ(0, t.GetDutyOnTime());
    EXPECT_EQ(0, t.GetDutyOffTime());
}

TEST_F(ThermalTest, SteadyStateWithoutConvergenceBand)
{
    t.SetThermalParameters(1.5, 0.5, 600, 1800);
    t.SetThermalConditions(0, 20, 0, 0, 25);
    t.SetTemperatureLimits(155, 40, 180, 100, -20);
    t.SetInterationParameters(20, 0, 30);
    t.Init();
    t.CheckForNonConvergence();
    EXPECT_TRUE(Probe::NonConvergence(t));
    t.SetInterationParameters(20, 0.001, 30);
    t.Init();
    t.CheckForNonConvergence();
    EXPECT_FALSE(Probe::NonConvergence(t));
}

TEST_F(ThermalTest, SearchStartsFromAWarmMotor)
{
    // One loop allowed: each run takes one coarse step, runs out and gives up.
    t.SetThermalControls(true, false);
    t.SetThermalParameters(1.5, 0.5, 100, 400);
    t.SetThermalConditions(1, 100, 0, 0, 25);
    t.SetTemperatureLimits(130, 40, 180, 100, -20);
    t.SetInterationParameters(10, 0.01, 0);
    t.DetermineOnOffDuration();
    EXPECT_TRUE(Probe::NonConvergence(t));
    EXPECT_EQ(0, t.GetDutyOnTime());
    EXPECT_EQ(0, t.GetDutyOffTime());
    // Heating step of dt = 10 from 60/60 with the load, then a cooling step without it.
    const double resistive = ((60 - 25) * 0.00393 + 1) * 100;
    const Node heated = StepByHand({60, 60}, 10, 25, 1.5, 0.5, 100, 400, resistive, 1);
    const Node cooled = StepByHand(heated, 10, 25, 1.5, 0.5, 100, 400, 0, 0);
    ExpectNear(cooled.Tw, Probe::Tw(t), "Tw");
    ExpectNear(cooled.Tc, Probe::Tc(t), "Tc");
    EXPECT_EQ(0, Probe::TcAfterHeating(t)); // no duty cycle: both case temperatures cleared
}

TEST_F(ThermalTest, DutyOnOffSearch)
{
    SetDutyCycleCase();
    t.DetermineOnOffDuration();
    EXPECT_FALSE(Probe::NonConvergence(t));
    const double on = t.GetDutyOnTime();
    const double off = t.GetDutyOffTime();
    EXPECT_GT(on, 0);
    EXPECT_GT(off, 0);
    // The search ends on a cooling run that stops at the restart temperature.
    EXPECT_NEAR(60, Probe::Tw(t), 0.05);
    const double heated = Probe::TcAfterHeating(t);
    const double cooled = Probe::TcAfterCooling(t);
    EXPECT_GT(heated, cooled);
    // The cycle is periodic: one more heating and cooling run repeat it.
    Probe::HeatingRun(t);
    EXPECT_NEAR(130, Probe::Tw(t), 0.05);
    EXPECT_NEAR(on, Probe::Elapsed(t), on * 0.001);
    EXPECT_NEAR(heated, Probe::TcAfterHeating(t), heated * 0.0002);
    Probe::CoolingRun(t);
    EXPECT_NEAR(off, t.GetDutyOffTime(), off * 0.001);
    EXPECT_NEAR(cooled, Probe::TcAfterCooling(t), cooled * 0.0002);

    // A loop limit above 181 would overflow a 16-bit square; it works and finds the same cycle.
    t.SetInterationParameters(20, 0.0001, 200);
    t.DetermineOnOffDuration();
    EXPECT_NEAR(on, t.GetDutyOnTime(), on * 0.001);
    EXPECT_NEAR(off, t.GetDutyOffTime(), off * 0.001);
}

TEST_F(ThermalTest, EachCheckDecidesAfreshWhetherRunsAreNeeded)
{
    SetDutyCycleCase();
    t.Init();
    t.CheckForNonConvergence();
    EXPECT_TRUE(Probe::RunsNeeded(t));
    t.SetThermalConditions(0, 5, 0, 0, 25); // now it runs forever
    t.CheckForNonConvergence();
    EXPECT_FALSE(Probe::RunsNeeded(t));
    const double Tw = Probe::Tw(t);
    Probe::HeatingRun(t);
    EXPECT_EQ(Tw, Probe::Tw(t));
    EXPECT_EQ(0, Probe::Elapsed(t));
    EXPECT_EQ(1440, t.GetDutyOnTime());
}

// Thermal simulation of a one-segment profile on set A's motor: 100 oz-in for 4 s while
// accelerating from 0 to 100 rpm. Tauwnd 10, Taumc 40, DtRatio 1: dt = 10, so the segment is
// one sub-step (4 / 10 rounds to 0).
class ProfileThermalTest : public ThermalTest {
protected:
    ProfileThermalTest()
    {
        ServoSet set;
        set.Tauwnd = 10;
        set.Taumc = 40;
        set.torque = {100, 0};
        set.time = {4, 0};
        set.vi = {0, 0};
        set.vf = {100, 0};
        Load(acx, set);
        t.SetDtRatio(1);
        t.SetThermalConditions(0, 0, 0, 0, 25);
    }
};

TEST_F(ProfileThermalTest, ThreePassesByHand)
{
    t.SetTemperatureLimits(155, 25, 180, 100, -20);
    ASSERT_TRUE(t.IsThermallyStable());
    EXPECT_EQ("Okay.", t.getErrorMsg());

    // Start: steady state of RMS 100 + inertial 0.02 x (100 x pi / 4 / 30) at 25 C.
    const double Pml = (2 * 50 / 1000.0 + 3) * 50 / 1352 + 0.5; // at the mean speed, 50 rpm
    const double load = 100 + 0.02 * (100 * 3.1415927 / 4 / 30);
    const double I0 = load / 141.6;
    const double P25 = I0 * I0 * 2;
    const double Tw0 = (25 + 1 * Pml + 0.90175 * P25 * 1.5) / (1 - 0.00393 * P25 * 1.5);
    const double Tc0 = Tw0 - (1 + 0.00393 * (Tw0 - 25)) * P25 * 0.5;
    // Segment torque with the inertial term in stored units: 100 + 0.02 x 100 / 4 = 100.5.
    const double I = 100.5 / 141.6;
    const double Prl = I * I * 2;
    auto pass = [&](Node start) {
        const double resistive = ((start.Tw - 25) * 0.00393 + 1) * Prl;
        return StepByHand(start, 4, 25, 1.5, 0.5, 10, 40, resistive, Pml);
    };
    // Cyclic start: the case decay exp(-0.1) = 0.905 > 0.9 takes the mean rise, the winding
    // decay exp(-0.4) = 0.670 the periodic solution.
    auto cyclic = [](Node first, Node last) {
        const double caseRise = ((first.Tc - 25) + (last.Tc - 25)) / 2;
        const double eW = std::exp(-0.4);
        const double w0 = first.Tw - first.Tc;
        const double w1 = last.Tw - last.Tc;
        const double Tc = 25 + caseRise;
        return Node{Tc + (w1 - eW * w0) / (1 - eW), Tc};
    };
    const Node first{Tw0, Tc0};
    const Node end1 = pass(first);
    const Node start2 = cyclic(first, end1);
    const Node end2 = pass(start2);
    const Node start3 = cyclic(start2, end2);
    const Node end3 = pass(start3);

    std::vector<double> Tw, Tc, time;
    t.getTemperatureArrays(Tw, Tc, time);
    ASSERT_EQ(2u, Tw.size());
    ExpectNear(start3.Tw, Tw[0], "Tw start");
    ExpectNear(start3.Tc, Tc[0], "Tc start");
    ExpectNear(end3.Tw, Tw[1], "Tw end");
    ExpectNear(end3.Tc, Tc[1], "Tc end");
    EXPECT_EQ((std::vector<double>{0, 4}), time);
}

TEST_F(ProfileThermalTest, LimitsAndTheirTexts)
{
    t.SetTemperatureLimits(155, 25, 180, 100, -20);
    ASSERT_TRUE(t.IsThermallyStable());
    std::vector<double> Tw, Tc, time;
    t.getTemperatureArrays(Tw, Tc, time);
    const double Wmax = Tw[1]; // the start sample does not count

    // Peak winding temperature equal to TwMax fails.
    t.SetTemperatureLimits(155, 25, Wmax, 100, -20);
    EXPECT_FALSE(t.IsThermallyStable());
    char limit[64];
    std::snprintf(limit, sizeof limit, "%.2f", Wmax);
    EXPECT_EQ(std::string("Motor Winding Temperature Exceeds its Rated Temperature of ") + limit + ".",
              t.getErrorMsg());

    // Both exceeded: the case text.
    t.SetTemperatureLimits(155, 25, 20, 20, -20);
    EXPECT_FALSE(t.IsThermallyStable());
    EXPECT_EQ("Motor Case Temperature Exceeds its Max Temperature of 20.00.", t.getErrorMsg());

    // No time constants: the check is skipped and the history kept.
    t.mdblTauwnd = 0;
    t.mdblTaumc = 0;
    EXPECT_TRUE(t.IsThermallyStable());
    EXPECT_EQ("Warning - Both motor time constants are zero. Thermal testing was skipped.", t.getErrorMsg());
    std::vector<double> Tw2, Tc2, time2;
    t.getTemperatureArrays(Tw2, Tc2, time2);
    EXPECT_EQ(time, time2);
    EXPECT_EQ(2u, Tw2.size());
}

TEST_F(ProfileThermalTest, SegmentsAreCutIntoRoundedSubSteps)
{
    t.SetTemperatureLimits(155, 25, 180, 100, -20);
    struct Row {
        double time, h;
    };
    // dt = 10, halves to even: 2.5 rounds to 2 (3 sub-steps), 3.5 to 4 (5 sub-steps),
    // 1.5 to 2 (3 sub-steps), 0.5 to 0 (1 sub-step).
    for (const Row& r : {Row{25, 25.0 / 3}, Row{35, 7}, Row{15, 5}, Row{5, 5}}) {
        acx.DLLPerformanceCheck().setArrays({100, 0}, {r.time, 0}, {0, 0}, {100, 0}, 1, "Rotary");
        t.IsThermallyStable();
        EXPECT_EQ(r.h, Probe::Dt(t)) << r.time;
        std::vector<double> Tw, Tc, time;
        t.getTemperatureArrays(Tw, Tc, time);
        EXPECT_NEAR(r.time, time.back(), 1e-12);
    }
}

TEST_F(ProfileThermalTest, ZeroTimeSegmentCannotBeSimulated)
{
    t.SetTemperatureLimits(155, 25, 180, 100, -20);
    acx.DLLPerformanceCheck().setArrays({100, 50, 0}, {1, 0, 0}, {0, 0, 0}, {0, 100, 0}, 1, "Rotary");
    EXPECT_THROW(t.IsThermallyStable(), SizingError);
}

TEST_F(ThermalTest, HistoryBeforeAnyCheckAndItsGrowth)
{
    std::vector<double> Tw{5}, Tc, time{1, 2, 3};
    t.getTemperatureArrays(Tw, Tc, time);
    EXPECT_EQ((std::vector<double>{0, 0}), Tw);
    EXPECT_EQ((std::vector<double>{0, 0}), Tc);
    EXPECT_EQ((std::vector<double>{0, 0}), time);

    // 60 segments: 61 samples, past the first 51 entries.
    ServoSet set;
    set.torque.assign(60, 10);
    set.time.assign(60, 1);
    set.vi.assign(60, 0);
    set.vf.assign(60, 0);
    Load(acx, set);
    t.IsThermallyStable();
    t.getTemperatureArrays(Tw, Tc, time);
    ASSERT_EQ(61u, time.size());
    EXPECT_NEAR(60, time.back(), 1e-9);
}

TEST_F(ThermalTest, CyclicStartTakesTheMeanForSlowNodes)
{
    t.SetThermalParameters(1.5, 0.5, 10, 1000);
    t.SetThermalConditions(0, 0, 0, 0, 25);
    // Pass of 5: case decay exp(-0.005) > 0.9 (mean rise), winding exp(-0.5) (periodic).
    Probe::CyclicStartFrom(t, {70, 90}, {50, 60}, {0, 5});
    const double eW = std::exp(-0.5);
    const double Tc = 25 + ((50 - 25) + (60 - 25)) / 2.0;
    ExpectNear(Tc, Probe::Tc(t), "Tc");
    ExpectNear(Tc + (30 - eW * 20) / (1 - eW), Probe::Tw(t), "Tw");
}

} // namespace
