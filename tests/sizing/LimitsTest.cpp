// Torque and force limits at a speed, worked out from the closed forms of each limit for
// unsaturated motors (the constants are then independent of the current, so every pass of the
// voltage-limit iteration gives the same value).

#include "LinearHand.h"
#include "MessageCapture.h"
#include "MotorTSModelProbe.h"
#include "RotaryHand.h"
#include "ServoSet.h"

#include "sizing/MotorModelACX.h"
#include "sizing/SizingError.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace Pulvane_V4;

namespace {

struct LimitRow {
    const char* what;
    double speed;
    double acc;
    double cont;
    double peak;
};

class LimitsTest : public ::testing::Test {
protected:
    void LoadAndPretest(const ServoSet& set)
    {
        Load(acx, set);
        acx.DLLMotor().PretestLimits();
    }
    // Continuous and peak torque, or force for a linear motor.
    void CheckRows(const std::vector<LimitRow>& rows, bool linear = false)
    {
        MotorTSModel& m = acx.DLLMotor();
        for (const LimitRow& r : rows) {
            const double cont = linear ? m.GetContForce(r.speed, r.acc) : m.GetContTorque(r.speed, r.acc);
            const double peak = linear ? m.GetPeakForce(r.speed, r.acc) : m.GetPeakTorque(r.speed, r.acc);
            hand::ExpectNear(r.cont, cont, std::string(r.what) + " cont");
            hand::ExpectNear(r.peak, peak, std::string(r.what) + " peak");
        }
    }
    MotorModelACX acx;
};

TEST_F(LimitsTest, AnalogDriveWithoutPowerLimits)
{
    const RotaryHand h{ServoSet{}};
    LoadAndPretest(h.p);
    // Top speed 3000 rpm = 314.15927 rad/s (+0.00001).
    CheckRows({
        // At standstill PL (about 709) < DL (978) < VL; peak CL (1959) < RL (2136).
        {"standstill", 0, 0, h.PL(0, 1, 0), h.CL(0, 1, 0)},
        {"100 rad/s", 100, 0, h.PL(100, 1, 0), h.CL(100, 1, 0)},
        // Near the back-EMF the voltage limit wins both curves (VL about 362 < PL 649).
        {"voltage limited", 310, 0, h.VLanalog(310, 1, 0), h.VLanalog(310, 1, 0)},
        {"at top speed", 314.159, 0, h.VLanalog(314.159, 1, 0), h.VLanalog(314.159, 1, 0)},
        {"above top speed", 314.1593, 0, 0, 0},
        {"above top speed, negative", -314.1593, 0, 0, 0},
        // Negative speed: friction helps, and the back EMF adds to the bus voltage.
        {"negative speed", -100, 0, h.PL(100, -1, 0), h.CL(100, -1, 0)},
        // Deceleration flips the sign for DL, PL, RL and CL; the inertial term always brakes.
        {"decelerating", 100, -50, h.PL(100, -1, -0.02 * 50), h.CL(100, -1, -0.02 * 50)},
        {"reverse accelerating", -100, 50, h.PL(100, -1, -0.02 * 50), h.CL(100, -1, -0.02 * 50)},
    });
}

TEST_F(LimitsTest, SingleLimitsFollowTheSignRules)
{
    const RotaryHand h{ServoSet{}};
    LoadAndPretest(h.p);
    MotorTSModel& m = acx.DLLMotor();
    // Negative speed with positive acceleration equals positive speed with negative acceleration.
    hand::ExpectNear(h.DL(100, -1, -1), m.GetDLTorqueAtRadsPerSec(-100, 50), "DL -w +a");
    hand::ExpectNear(h.DL(100, -1, -1), m.GetDLTorqueAtRadsPerSec(100, -50), "DL +w -a");
    hand::ExpectNear(h.RL(100, -1, -1), m.GetRLTorqueAtRadsPerSec(100, -50), "RL");
    hand::ExpectNear(h.CL(0, 1, 0), m.GetCLTorqueAtRadsPerSec(0, 0), "CL standstill");
    // The voltage limit takes its sign from the speed alone.
    hand::ExpectNear(h.VLanalog(100, 1, -1), m.GetVLTorqueAtRadsPerSec(100, -50), "VL +w -a");
    hand::ExpectNear(h.VLanalog(100, -1, -1), m.GetAnalogVLTorqueAtRadsPerSec(-100, 50), "VL -w +a");
    hand::ExpectNear(h.VLdigital(250, 1, 0), m.GetDigitalVLTorqueAtRadsPerSec(250, 0), "digital VL on request");
    // At standstill friction is the static torque alone.
    hand::ExpectNear(h.Kt() * 8 - 3, m.GetDLTorqueAtRadsPerSec(0, 0), "DL standstill");
}

TEST_F(LimitsTest, RecordsFollowTheWinningLimit)
{
    const RotaryHand h{ServoSet{}};
    LoadAndPretest(h.p);
    MotorTSModel& m = acx.DLLMotor();
    // PL wins at 100 rad/s: its six-state current in sine peak.
    hand::ExpectNear(2 * h.I6(115, 100) / 1.732050808, m.GetContCurrent(100, 0), "PL current");
    // VL wins at 310: the current that drives the voltage-limited torque.
    const double tem = h.VLanalog(310, 1, 0) - h.fric(310, 1);
    hand::ExpectNear(2 * tem / 1.732050808 / 1 / 141.6, m.GetContCurrent(310, 0), "VL current");
    EXPECT_DOUBLE_EQ(16, m.GetPeakCurrent(0, 0));
    // Above the top speed the continuous current is cleared, the peak current kept.
    EXPECT_EQ(0, m.GetContCurrent(400, 0));
    EXPECT_DOUBLE_EQ(16, m.GetPeakCurrent(400, 0));
    hand::ExpectNear(2 * tem / 1.732050808 / 141.6, m.GetPeakCurrent(310, 0), "VL peak current");
}

TEST_F(LimitsTest, DigitalDriveWithPowerLimits)
{
    const RotaryHand h{SetB()};
    LoadAndPretest(h.p);
    // Pa x 141.6 / w with Pa = limit - a Jm w / 141.6.
    auto reduced = [](double limit, double w, double a) { return (limit - a * 0.02 * w / 141.6) * 141.6 / w; };
    CheckRows({
        // DL (about 488) under PL (709); no power limit at standstill.
        {"standstill", 0, 0, h.DL(0, 1, 0), h.CL(0, 1, 0)},
        // 485.6 x 100 / 141.6 = 343 W and 1466.6 x 100 / 141.6 = 1036 W: under both limits.
        {"100 rad/s", 100, 0, h.DL(100, 1, 0), h.CL(100, 1, 0)},
        // 683 W > 500 W and 2069 W > 1500 W: both cut to the power limit.
        {"power limited", 200, 0, reduced(500, 200, 0), reduced(1500, 200, 0)},
        {"power limited accelerating", 200, 100, reduced(500, 200, 100), reduced(1500, 200, 100)},
        // Back EMF 299 V of 300 V: the sine limit wins both.
        {"voltage limited", 299, 0, h.VLdigital(299, 1, 0), h.VLdigital(299, 1, 0)},
    });
}

TEST_F(LimitsTest, DigitalLimitWithNegativeDiscriminantGivesFrictionOnly)
{
    ServoSet set = SetB();
    set.Lm = 0.02; // large enough inductance: above 300 rad/s the quadratic has no root
    const RotaryHand h{set};
    LoadAndPretest(set);
    MotorTSModel& m = acx.DLLMotor();
    // q = 153.76 + 2.2828 = 156.04, m = 540.8, c = 2033.3: d = 292508 - 1269124 < 0.
    const double expected = 0 + h.fric(310, 1);
    hand::ExpectNear(expected, m.GetDigitalVLTorqueAtRadsPerSec(310, 0), "VL");
    // A negative result is returned as it is, and the VL current is 0.
    hand::ExpectNear(expected, m.GetContTorque(310, 0), "cont");
    EXPECT_LT(m.GetContTorque(310, 0), 0);
    EXPECT_EQ(0, m.GetContCurrent(310, 0));
}

TEST_F(LimitsTest, UnsetVoltageModelReportsAndTiesGoToPL)
{
    ServoSet set;
    set.Twr = 30; // below the ambient: no thermal budget, PL = 0 before any pretest
    Load(acx, set);
    MotorTSModel& m = acx.DLLMotor();
    m.GetAnalogVLTorqueAtRadsPerSec(100, 0); // leaves a VL current behind
    MessageCapture capture;
    EXPECT_FALSE(m.SetDriveVLModelInt(7));
    capture.messages.clear();
    // VL = 0 equals PL = 0 (no friction before the pretest): the tie takes PL's records.
    EXPECT_EQ(0, m.GetContTorque(100, 0));
    ASSERT_EQ(1u, capture.messages.size());
    EXPECT_EQ("Error - Amplifier VoltageLimitModel Type is not set properly", capture.messages[0].first);
    EXPECT_EQ("", capture.messages[0].second);
    EXPECT_EQ(0, m.GetContCurrent(100, 0));
}

TEST_F(LimitsTest, WorkingFrictionIsZeroUntilThePretest)
{
    const RotaryHand h{ServoSet{}};
    Load(acx, h.p);
    MotorTSModel& m = acx.DLLMotor();
    hand::ExpectNear(h.Kt() * 8, m.GetDLTorqueAtRadsPerSec(100, 0), "before");
    // Before the pretest the hot-resistance factor is taken at Tamb: 1 + 0.00393 x 115 = 1.45195.
    hand::ExpectNear(h.Kt() * 320 / (2 * 1.45195), m.GetAnalogVLTorqueAtRadsPerSec(0, 0), "VL before");
    m.PretestLimits();
    hand::ExpectNear(h.DL(100, 1, 0), m.GetDLTorqueAtRadsPerSec(100, 0), "after");
    // ... and after it at 25 degrees C: 1 + 0.00393 x 130 = 1.5109.
    hand::ExpectNear(h.Kt() * 320 / (2 * 1.5109) - 3, m.GetAnalogVLTorqueAtRadsPerSec(0, 0), "VL after");
}

TEST_F(LimitsTest, LinearMotorForces)
{
    const LinearHand h;
    LoadAndPretest(h.p);
    MotorTSModel& m = acx.DLLMotor();
    CheckRows({
        // Standstill: PL 194.5 < DL 211.5; peak RL 493.9 < CL 514.6.
        {"standstill", 0, 0, h.PL(0, 1, 0), h.RL(0, 1, 0)},
        // 2.9 m/s: back EMF 145 V of 160 V, the six-state limit wins both (the sine one differs).
        {"voltage limited", 2.9, 0, h.VL(2.9, 1, 0), h.VL(2.9, 1, 0)},
        {"decelerating backwards", -1, 0.5, h.PL(1, -1, -2.5), h.RL(1, -1, -2.5)},
        {"above top speed", 3.0001, 0, 0, 0},
    }, true);
    hand::ExpectNear(h.DL(1, -1, -2.5), m.GetDLForceAtMPerSec(-1, 0.5), "DL");
    hand::ExpectNear(h.CL(1, -1, -2.5), m.GetCLForceAtMPerSec(1, -0.5), "CL");
    hand::ExpectNear(h.PL(1, 1, 0), m.GetPLForceAtMPerSec(1, 0), "PL");
    hand::ExpectNear(h.RL(1, 1, 0), m.GetRLForceAtMPerSec(1, 0), "RL");
    hand::ExpectNear(h.VL(2, -1, -5), m.GetVLForceAtMPerSec(-2, 1), "VL");
    // The current queries pick the force members for a linear motor.
    hand::ExpectNear(2 * h.I6(90, 0) / 1.732050808, m.GetContCurrent(0, 0), "cont current");
    hand::ExpectNear(2 * h.I6(90 * 6.25, 0) / 1.732050808, m.GetPeakCurrent(0, 0), "peak current");
}

TEST_F(LimitsTest, LinearPowerLimits)
{
    LinearHand h;
    h.p.MaxContPower = 200;
    h.p.MaxPeakPower = 300;
    LoadAndPretest(h.p);
    MotorTSModel& m = acx.DLLMotor();
    // PL(2) = 178.2 N x 2 m/s = 356 W > 200 W: Pa / w = 100 N.
    hand::ExpectNear(200.0 / 2, m.GetContForce(2, 0), "cont");
    hand::ExpectNear(300.0 / 2, m.GetPeakForce(2, 0), "peak");
    // Pacc = a Jm w = 1 x 5 x 2 = 10 W off the available power.
    hand::ExpectNear((200 - 10.0) / 2, m.GetContForce(2, 1), "cont accelerating");
    hand::ExpectNear(50, m.GetDPPLForceAtMPerSec(50, 2, 0), "under the limit");
    hand::ExpectNear(150, m.GetDPPLForceAtMPerSec(400, 2, 0), "over the limit");
}

TEST_F(LimitsTest, ArithmeticWithoutFiniteValueRaises)
{
    struct Row {
        const char* what;
        std::function<void(ServoSet&)> change;
        std::function<double(MotorTSModel&)> call;
    };
    const std::vector<Row> rows = {
        {"Rthwa 0 in PL", [](ServoSet& s) { s.Rthwa = 0; }, [](MotorTSModel& m) { return m.GetPLTorqueAtRadsPerSec(10, 0); }},
        {"Rthwa 0 in RL", [](ServoSet& s) { s.Rthwa = 0; }, [](MotorTSModel& m) { return m.GetPeakTorque(10, 0); }},
        {"Rm 0 in the analog VL", [](ServoSet& s) { s.Rm = 0; }, [](MotorTSModel& m) { return m.GetContTorque(10, 0); }},
        {"Rm 0 in the digital VL", [](ServoSet& s) { s.Rm = 0; }, [](MotorTSModel& m) { return m.GetDigitalVLTorqueAtRadsPerSec(0, 0); }},
        {"Kb 0 in the current update", [](ServoSet& s) { s.Kb = 0; }, [](MotorTSModel& m) { return m.GetVLTorqueAtRadsPerSec(10, 0); }},
        {"pole pitch 0", [](ServoSet& s) { s.Np = 0; }, [](MotorTSModel& m) { return m.GetVLForceAtMPerSec(1, 0); }},
    };
    for (const Row& r : rows) {
        MotorModelACX fresh;
        ServoSet set;
        set.torque = {0, 0}; // no profile, so nothing is computed while loading
        set.time = {0, 0};
        set.vi = {0, 0};
        set.vf = {0, 0};
        r.change(set);
        Load(fresh, set);
        EXPECT_THROW(r.call(fresh.DLLMotor()), SizingError) << r.what;
    }
    // At standstill the power limits never divide.
    ServoSet powered = SetB();
    Load(acx, powered);
    EXPECT_NO_THROW(acx.DLLMotor().GetContTorque(0, 1000));
}

TEST_F(LimitsTest, ModelsOutsideAControlNeedTheirLinks)
{
    MotorTSModel alone;
    LoadMotor(alone, ServoSet{});
    EXPECT_THROW(alone.PretestLimits(), SizingError);
    MotorPerformanceCheck check;
    EXPECT_THROW(check.setArrays({5}, {1}, {0}, {0}, 1, "Rotary"), SizingError);
}

} // namespace

// The continuous and peak values at one speed share the voltage limit; whatever changed between
// two calls (the call itself, a parameter, the pretest's working values, the saturation curve)
// is seen by the second, exactly as by a model that never made the first.
TEST(SharedVoltageLimit, FollowsEveryInputChangedBetweenTwoCalls)
{
    struct Case {
        const char* what;
        std::function<void(MotorModelACX&)> change;
        double speed = 200, acc = 0; // of the second call
        bool force = false;
        double firstAcc = 0; // the first call is at 200 rad/s
    };
    const auto motorWith = [](std::function<void(ServoSet&)> edit, bool pretest = true) {
        return [edit, pretest](MotorModelACX& acx) {
            ServoSet s;
            edit(s);
            LoadMotor(acx.DLLMotor(), s);
            if (pretest)
                acx.DLLMotor().PretestLimits();
        };
    };
    const auto none = [](MotorModelACX&) {};
    const std::vector<Case> cases = {
        {"another speed", none, 150},
        {"an acceleration", none, 200, 50},
        {"a force at that speed", none, 200, 0, true},
        {"digital drive", [](MotorModelACX& acx) { acx.DLLMotor().SetDriveVLModelInt(1); }},
        {"bus voltage", [](MotorModelACX& acx) { acx.DLLMotor().SetDriveParameters(300, 400, 100, 8000, 8, 16, 0, 0); }},
        {"hot factor", motorWith([](ServoSet& s) { s.Twr = 130; })},
        {"voltage limit before a pretest", motorWith([](ServoSet& s) { s.Vm = 300; }, false)},
        {"resistance", motorWith([](ServoSet& s) { s.Rm = 2.5; })},
        {"inductance", motorWith([](ServoSet& s) { s.Lm = 0.008; })},
        {"poles", motorWith([](ServoSet& s) { s.Np = 10; })},
        {"voltage constant", motorWith([](ServoSet& s) { s.Kb = 0.9; })},
        {"rotor inertia", [](MotorModelACX& acx) { acx.DLLMotor().mdblJm = 0.05; }, 200, 50, false, 50},
        {"working friction", motorWith([](ServoSet& s) { s.Tfm = 6; })},
        {"working damping", motorWith([](ServoSet& s) { s.Bm = 4; })},
        {"winding to ambient", motorWith([](ServoSet& s) { s.Rthwa = 2; })},
        {"winding to case", motorWith([](ServoSet& s) { s.Rthwc = 0.7; })},
        {"ambient", motorWith([](ServoSet& s) { s.Tamb = 30; })},
        {"brake loss", motorWith([](ServoSet& s) { s.Pbl = 2; })},
        {"saturation", [](MotorModelACX& acx) { acx.DLLMotor().SetMagneticSaturationParms(10, 20, 30, 10, 25, 100, 100); }},
    };
    // Peak value, the voltage limit's records, continuous value, the voltage limit itself.
    const auto observe = [](MotorTSModel& m, double speed, double acc, bool force) {
        const double peak = force ? m.GetPeakForce(speed, acc) : m.GetPeakTorque(speed, acc);
        const auto vl = MotorTSModelProbe::VLRecords(m);
        const double cont = force ? m.GetContForce(speed, acc) : m.GetContTorque(speed, acc);
        const double limit = force ? m.GetVLForceAtMPerSec(speed, acc) : m.GetVLTorqueAtRadsPerSec(speed, acc);
        return std::array<double, 6>{peak, vl[0], vl[1], vl[2], cont, limit};
    };
    for (const Case& c : cases) {
        const auto loaded = [] {
            auto acx = std::make_unique<MotorModelACX>();
            Load(*acx, ServoSet{});
            acx->DLLMotor().PretestLimits();
            return acx;
        };
        auto warm = loaded();
        warm->DLLMotor().GetContTorque(200, c.firstAcc);
        c.change(*warm);
        auto fresh = loaded();
        c.change(*fresh);
        const auto seen = observe(warm->DLLMotor(), c.speed, c.acc, c.force);
        EXPECT_EQ(observe(fresh->DLLMotor(), c.speed, c.acc, c.force), seen) << c.what;
        // What the first call found must not do.
        EXPECT_NE(observe(loaded()->DLLMotor(), 200, c.firstAcc, false), seen) << c.what << " changes nothing";
    }
}
