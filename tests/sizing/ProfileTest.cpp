// Motion profile: points, envelope, RMS values and averages, verification and the iterator.

#include "MessageCapture.h"
#include "RotaryHand.h"
#include "ServoSet.h"

#include "sizing/MotorModelACX.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace Pulvane_V4;
using hand::ExpectNear;
using hand::pi;

namespace {

struct Segment {
    double torque, time, vi, vf;
};

class ProfileTest : public ::testing::Test {
protected:
    ProfileTest() { Load(acx, ServoSet{}); }

    bool Set(const std::vector<Segment>& segments, double safety = 1, const std::string& type = "Rotary")
    {
        std::vector<double> t, time, vi, vf;
        for (const Segment& s : segments) {
            t.push_back(s.torque);
            time.push_back(s.time);
            vi.push_back(s.vi);
            vf.push_back(s.vf);
        }
        // Trailing terminator, as clients pass fixed-size arrays.
        for (std::vector<double>* v : {&t, &time, &vi, &vf})
            v->insert(v->end(), {0.0, 0.0});
        return check.setArrays(t, time, vi, vf, safety, type);
    }

    std::vector<Segment> Iterate(int start)
    {
        std::vector<Segment> out;
        check.ResetIterator(start);
        Segment s{};
        while (check.NextTSPoint(s.torque, s.time, s.vi, s.vf))
            out.push_back(s);
        EXPECT_EQ(0, s.torque + s.time + s.vi + s.vf);
        return out;
    }

    void ExpectEnvelope(const std::vector<double>& speeds, const std::vector<double>& torques)
    {
        std::vector<double> t{-1}, s{-1};
        check.GetEnvArrays(t, s);
        EXPECT_EQ(speeds, s);
        EXPECT_EQ(torques, t);
    }

    MotorModelACX acx;
    MotorPerformanceCheck& check = acx.DLLPerformanceCheck();
    MotorTSModel& motor = acx.DLLMotor();
};

// Four segments, safety factor 1.5, on set A's motor (Jm 0.02, Bm 2, Tfm 3, Pbl 0.5):
// accelerate to 1000 rpm in 0.5 s, run 2 s, brake (negative torque) in 0.5 s, dwell 1 s.
const std::vector<Segment> kFourSegments = {
    {10, 0.5, 0, 1000}, {4, 2, 1000, 1000}, {-12, 0.5, 1000, 0}, {0, 1, 0, 0}};

TEST_F(ProfileTest, FourSegmentProfile)
{
    ASSERT_TRUE(Set(kFourSegments, 1.5));
    EXPECT_EQ(" SetArray Complete - Everything is Okay!", check.getErrorMsg());
    EXPECT_EQ(4, check.GetTSPointCount());

    // Torques x 1.5, made positive: 15, 6, 18, 0. RMS = sqrt((225 x 0.5 + 36 x 2 + 324 x 0.5) / 4).
    ExpectNear(std::sqrt(346.5 / 4), check.GetRMSTorque(), "RMS torque");
    EXPECT_EQ(0, check.GetRMSForce());
    // Mean speeds 500, 1000, 500, 0 rpm; Pml = (2 s / 1000 + 3) s / 1352 + 0.5.
    auto pml = [](double s) { return (2 * s / 1000 + 3) * s / 1352 + 0.5; };
    ExpectNear((pml(500) * 0.5 + pml(1000) * 2 + pml(500) * 0.5 + pml(0) * 1) / 4, check.GetAvePml(), "AvePml");
    // Acceleration 1000 rpm x 1.5 in 0.5 s = 1000 x 1.5 x pi / 0.5 / 30 rad/s^2 on two segments.
    const double a = 1000 * (1.5 * pi) / 0.5 / 30;
    const double inertial = std::sqrt((0.5 * (0.02 * a) * (0.02 * a) * 2) / 4);
    ExpectNear(inertial, check.GetRMSInertialTorq(), "RMS inertial torque");
    EXPECT_EQ(0, check.GetRMSInertialForce());
    // Steady state at 25 degrees C for the load RMS + inertial (Kb 1: 141.6 oz-in per A).
    const double I = (std::sqrt(346.5 / 4) + inertial) / 141.6;
    const double P25 = I * I * 2;
    const double Tw = (25 + 1 * check.GetAvePml() + 0.90175 * P25 * 1.5) / (1 - 0.00393 * P25 * 1.5);
    ExpectNear(Tw, check.GetTwAve(), "TwAve");
    ExpectNear(Tw - (1 + 0.00393 * (Tw - 25)) * P25 * 0.5, check.GetTcAve(), "TcAve");

    // Points at 0 rpm: 15, 0, 18, 0; at 1000 rpm: 6, 18, 15, 6. One envelope point per speed,
    // and the two left lie on a flat line.
    ExpectEnvelope({0, 1000}, {18, 18});

    // Four segments: all eight points against the peak curve (about 1950 oz-in) pass.
    EXPECT_TRUE(check.VerifyTSPoints());
    EXPECT_EQ("Okay.", check.getErrorMsg());

    const std::vector<Segment> fromTwo = Iterate(2);
    ASSERT_EQ(4u, fromTwo.size());
    const double expected[4][4] = {{18, 0.5, 1000, 0}, {0, 1, 0, 0}, {15, 0.5, 0, 1000}, {6, 2, 1000, 1000}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(expected[i][0], fromTwo[i].torque) << i;
        EXPECT_EQ(expected[i][1], fromTwo[i].time) << i;
        EXPECT_EQ(expected[i][2], fromTwo[i].vi) << i;
        EXPECT_EQ(expected[i][3], fromTwo[i].vf) << i;
    }
}

TEST_F(ProfileTest, IteratorStartOutsideTheRangeWraps)
{
    ASSERT_TRUE(Set(kFourSegments, 1.5));
    auto firstTorques = [&](int start) {
        std::vector<double> t;
        for (const Segment& s : Iterate(start))
            t.push_back(s.torque);
        return t;
    };
    EXPECT_EQ((std::vector<double>{15, 6, 18, 0}), firstTorques(0));
    EXPECT_EQ((std::vector<double>{18, 0, 15, 6}), firstTorques(6));
    EXPECT_EQ((std::vector<double>{0, 15, 6, 18}), firstTorques(-1));
    EXPECT_EQ((std::vector<double>{6, 18, 0, 15}), firstTorques(-7));
}

TEST_F(ProfileTest, OneSegmentStandstillProfile)
{
    ASSERT_TRUE(Set({{5, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}));
    EXPECT_EQ(1, check.GetTSPointCount());
    const std::vector<Segment> segments = Iterate(0);
    ASSERT_EQ(1u, segments.size());
    EXPECT_EQ(5, segments[0].torque);
    EXPECT_EQ(1, segments[0].time);
    ExpectEnvelope({0}, {5});
    EXPECT_EQ(5, check.GetRMSTorque());
    EXPECT_EQ(0, check.GetRMSForce());
}

TEST_F(ProfileTest, RmsAndAverages)
{
    ASSERT_TRUE(Set({{3, 1, 0, 0}, {4, 3, 0, 0}}));
    ExpectNear(std::sqrt((9 + 48) / 4.0), check.GetRMSTorque(), "RMS 3.775");

    // A segment from 0 to 3000 rpm takes its loss at 1500 rpm.
    ASSERT_TRUE(Set({{1, 2, 0, 3000}}));
    ExpectNear((2 * 1500 / 1000.0 + 3) * 1500 / 1352 + 0.5, check.GetAvePml(), "Pml at 1500");

    // Segments of no duration (not terminators, their torque is not 0): everything is 0.
    ASSERT_TRUE(Set({{5, 0, 0, 100}, {3, 0, 100, 0}}));
    EXPECT_EQ(2, check.GetTSPointCount());
    EXPECT_EQ(0, check.GetRMSTorque());
    EXPECT_EQ(0, check.GetAvePml());
    EXPECT_EQ(0, check.GetRMSInertialTorq());
}

TEST_F(ProfileTest, LinearProfileFillsTheForceMembers)
{
    Load(acx, LinearSet()); // Jm 5 kg, Bm 2, Tfm 5, Pbl 0
    ASSERT_TRUE(Set({{100, 1, 0, 2}, {50, 1, 2, 2}}, 1, "linear"));
    EXPECT_TRUE(check.IsaLinearProfile());
    EXPECT_EQ(0, check.GetRMSTorque());
    ExpectNear(std::sqrt((100.0 * 100 + 50 * 50) / 2), check.GetRMSForce(), "RMS force");
    // 2 m/s in 1 s: J a = 10 N for half of the time.
    ExpectNear(std::sqrt(100.0 / 2), check.GetRMSInertialForce(), "RMS inertial force");
    EXPECT_EQ(0, check.GetRMSInertialTorq());
    ExpectNear(((2 * 1.0 + 5) * 1 + (2 * 2.0 + 5) * 2) / 2, check.GetAvePml(), "AvePml");
}

TEST_F(ProfileTest, MotorTypeDecidesTheAccelerationUnit)
{
    // Rotary motor, linear profile: the speeds are still taken as rpm for the acceleration.
    ASSERT_TRUE(Set({{10, 1, 0, 3}}, 1, "Linear"));
    ExpectNear(0.02 * (3 * pi / 30), check.GetRMSInertialForce(), "rotary conversion");
    motor.SetMotorTypeInt(1);
    check.MotorChanged_Update();
    EXPECT_NEAR(0.02 * (3 * pi / 30), check.GetRMSInertialForce(), 1e-15); // points keep theirs
    ASSERT_TRUE(Set({{10, 1, 0, 3}}, 1, "Linear"));
    ExpectNear(0.02 * 3, check.GetRMSInertialForce(), "linear motor");
}

TEST_F(ProfileTest, MotorChangedUpdateRecomputesMotorDependentValues)
{
    ASSERT_TRUE(Set(kFourSegments, 1.5));
    const double rms = check.GetRMSTorque();
    ServoSet heavier;
    heavier.Jm = 0.04;
    heavier.Pbl = 2.5;
    LoadMotor(motor, heavier);
    check.MotorChanged_Update();
    const double a = 1000 * (1.5 * pi) / 0.5 / 30;
    ExpectNear(std::sqrt((0.5 * (0.04 * a) * (0.04 * a) * 2) / 4), check.GetRMSInertialTorq(), "inertial");
    auto pml = [](double s) { return (2 * s / 1000 + 3) * s / 1352 + 2.5; };
    ExpectNear((pml(500) * 0.5 + pml(1000) * 2 + pml(500) * 0.5 + pml(0) * 1) / 4, check.GetAvePml(), "AvePml");
    EXPECT_EQ(rms, check.GetRMSTorque());
}

TEST_F(ProfileTest, EnvelopeReduction)
{
    // 0, 100, 200 rpm at 10, 5, 10: the middle point lies under the line (value 10).
    ASSERT_TRUE(Set({{10, 1, 0, 0}, {5, 1, 100, 100}, {10, 1, 200, 200}}));
    ExpectEnvelope({0, 200}, {10, 10});
    // On the line counts as under it.
    ASSERT_TRUE(Set({{10, 1, 0, 0}, {10, 1, 100, 100}, {10, 1, 200, 200}}));
    ExpectEnvelope({0, 200}, {10, 10});
    // Above it stays.
    ASSERT_TRUE(Set({{10, 1, 0, 0}, {11, 1, 100, 100}, {10, 1, 200, 200}}));
    ExpectEnvelope({0, 100, 200}, {10, 11, 10});
    // One backward pass: removing 300 rpm, then 100 rpm, leaves 200 rpm (8 under the line of
    // 10) in place, since it is not looked at again.
    ASSERT_TRUE(Set({{10, 1, 0, 0}, {2, 1, 100, 100}, {8, 1, 200, 200}, {1, 1, 300, 300}, {10, 1, 400, 400}}));
    ExpectEnvelope({0, 200, 400}, {10, 8, 10});
}

// A point that only fails through its acceleration: at standstill the peak is about
// 1959 oz-in, less 0.02 x 10472 = 209 oz-in while accelerating to 1000 rpm in 0.01 s.
TEST_F(ProfileTest, VerificationCoversAllPointsUpToFourSegments)
{
    const std::vector<Segment> four = {
        {1900, 1, 0, 0}, {1800, 0.01, 0, 1000}, {1850, 1, 1000, 1000}, {0, 1, 1000, 1000}};
    ASSERT_TRUE(Set(four));
    EXPECT_FALSE(check.VerifyTSPoints());
    EXPECT_EQ("Could Not Meet TS Point: 1800, 0", check.getErrorMsg());

    std::vector<Segment> five = four;
    five.push_back({0, 1, 1000, 1000});
    ASSERT_TRUE(Set(five));
    // The envelope keeps (0, 1900) and (1000, 1850), both without acceleration.
    EXPECT_TRUE(check.VerifyTSPoints());
    EXPECT_EQ("Okay.", check.getErrorMsg());
}

TEST_F(ProfileTest, EqualSpeedAndTorqueKeepsTheEarlierPoint)
{
    // At standstill only A's start (gentle acceleration) and B's start (accelerating hard)
    // lie, with the same torque; the envelope keeps A's, which meets the peak curve.
    ASSERT_TRUE(Set({{1800, 1, 0, 10}, {1800, 0.01, 0, 1000}, {1850, 1, 1000, 1000}, {0, 1, 1000, 1000},
                     {0, 1, 1000, 1000}}));
    ExpectEnvelope({0, 1000}, {1800, 1850});
    EXPECT_TRUE(check.VerifyTSPoints());
}

TEST_F(ProfileTest, TorqueEqualToThePeakPasses)
{
    motor.PretestLimits();
    const double peak = motor.GetPeakTorque(0, 0);
    ASSERT_TRUE(Set({{peak, 1, 0, 0}}));
    EXPECT_TRUE(check.VerifyTSPoints());
    ASSERT_TRUE(Set({{std::nextafter(peak, 1e9), 1, 0, 0}}));
    EXPECT_FALSE(check.VerifyTSPoints());

    ASSERT_TRUE(Set({{2000.5, 1, 1234.5, 1234.5}}));
    EXPECT_FALSE(check.VerifyTSPoints());
    EXPECT_EQ("Could Not Meet TS Point: 2000.5, 1234.5", check.getErrorMsg());
}

TEST_F(ProfileTest, LinearFailureTexts)
{
    Load(acx, LinearSet());
    motor.PretestLimits();
    // 1000 N at 1 m/s is far above the peak force (about 490 N).
    ASSERT_TRUE(Set({{1000, 1, 1, 1}}, 1, "Linear"));
    EXPECT_FALSE(check.VerifyTSPoints());
    EXPECT_EQ("Could Not Meet TS Point: 1000, 1", check.getErrorMsg());
    ASSERT_TRUE(Set({{1000, 1, 1, 1}, {10, 1, 0, 0}, {10, 1, 0, 0}, {10, 1, 0, 0}, {10, 1, 0, 0}}, 1, "Linear"));
    EXPECT_FALSE(check.VerifyTSPoints());
    EXPECT_EQ("Could Not Meet FS Point: 1000, 1", check.getErrorMsg());
}

TEST_F(ProfileTest, ProfileTypeSetters)
{
    MessageCapture capture;
    std::string type = "table";
    EXPECT_TRUE(check.SetProfileTypeString(type));
    EXPECT_EQ("TABLE", type);
    EXPECT_TRUE(check.IsaLinearProfile());
    EXPECT_FALSE(check.IsaRotaryProfile());
    type = "Spindle";
    EXPECT_FALSE(check.SetProfileTypeString(type));
    EXPECT_TRUE(check.IsaLinearProfile()); // unchanged
    EXPECT_FALSE(check.SetProfileTypeInt(5));
    EXPECT_TRUE(check.SetProfileTypeInt(0));
    EXPECT_TRUE(check.IsaRotaryProfile());
    ASSERT_EQ(2u, capture.messages.size());
    EXPECT_EQ("MotorTSModel: Invalid Profile type Specified: SPINDLE", capture.messages[0].first);
    EXPECT_EQ("Error in Motor type", capture.messages[0].second);
    EXPECT_EQ("MotorTSModel: Invalid Profile type Specified: 5", capture.messages[1].first);

    // setArrays upper-cases its own copy only.
    const std::string motion = "table";
    check.setArrays({5}, {1}, {0}, {0}, 1, motion);
    EXPECT_TRUE(check.IsaLinearProfile());
    EXPECT_EQ("table", motion);
    EXPECT_EQ(2u, capture.messages.size());
}

TEST_F(ProfileTest, RejectedProfilesKeepTheEarlierOne)
{
    ASSERT_TRUE(Set(kFourSegments, 1.5));
    const double rms = check.GetRMSTorque();
    EXPECT_FALSE(check.setArrays({1, 2}, {1, 1}, {0}, {0, 0}, 1, "Linear"));
    EXPECT_EQ("Error in setArrays - the arrays are not the same size", check.getErrorMsg());
    EXPECT_TRUE(check.IsaLinearProfile()); // the type was taken first
    EXPECT_EQ(4, check.GetTSPointCount());
    EXPECT_EQ(rms, check.GetRMSTorque());

    EXPECT_FALSE(check.setArrays({0, 5}, {0, 1}, {0, 0}, {0, 0}, 1, "Rotary"));
    EXPECT_EQ("Error in setArrays - the profile has no segments", check.getErrorMsg());
    EXPECT_EQ(4, check.GetTSPointCount());
    EXPECT_EQ(rms, check.GetRMSTorque());
    EXPECT_FALSE(check.setArrays({}, {}, {}, {}, 1, "Rotary"));
    EXPECT_EQ(4, check.GetTSPointCount());
}

TEST_F(ProfileTest, ChecksBeforeAnyProfile)
{
    MotorModelACX fresh;
    MotorPerformanceCheck& c = fresh.DLLPerformanceCheck();
    EXPECT_FALSE(c.VerifyTSPoints());
    EXPECT_EQ(" Error - SetArrays has not been called", c.getErrorMsg());
    std::vector<double> t{1, 2}, s{3};
    c.GetEnvArrays(t, s);
    EXPECT_TRUE(t.empty());
    EXPECT_TRUE(s.empty());
    double a = 1, b = 1, d = 1, e = 1;
    c.ResetIterator(3);
    EXPECT_FALSE(c.NextTSPoint(a, b, d, e));
    EXPECT_EQ(0, a + b + d + e);
    EXPECT_EQ(0, c.GetTSPointCount());
    EXPECT_EQ("05.011.003", c.GetVersionNumber());
}

} // namespace
