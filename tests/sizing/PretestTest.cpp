// The compatibility pretest: each finding alone, all findings together, the equality edges.
//
// Set A by hand (dummy profile: 5 oz-in at standstill, so RMS load R = 5, AvePml = Pbl = 0.5):
//   hot = 1 + 0.00393 x 130 = 1.5109; Kt = r3 x 141.6 / 2 = 122.629 oz-in/A
//   P(40) = (115 - 0.5) / 1.5 = 76.333  -> I1 = sqrt(4 x 76.333 / (3 x 1.5109 x 2)) = 5.8036 A
//   P(25) = (130 - 0.5) / 1.5 = 86.333  -> I2 = 6.1720 A
//   Mc = Kt I1 = 711.7, Mp = Kt 3 I1 = 2135.1, Mc25 = 756.9; Dc = Kt 8 = 981.0, Dp = Kt 16 = 1962.1
//   switching: 320 / 5.8036 / 0.005 / 2.8 = 3938 Hz < 8000 Hz

#include "ServoSet.h"

#include "sizing/MotorModelACX.h"
#include "sizing/SizingError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace Pulvane_V4;

namespace {

const std::string kVoltage = " Fatal - The motor has a lower rated voltage than the Drive bus voltage.\r\n";
const std::string kAmpLarge = " Fatal - The amplifier is too large for the motor.\r\n";
const std::string kFyi = " (FYI: The amplifier continuous current is lower than the motor rated current.)\r\n";
const std::string kMotorLarge = " Fatal - The motor is too large for the amplifier.\r\n";
const std::string kSwitching = " Fatal - The amplifier switching frequency is too low.\r\n";
const std::string kRms = " Fatal - The required RMS torque is too high for this motor.\r\n";
const std::string kOkay = " Okay.\r\n";
const std::string kFeedback = " Fatal - Motor and Drive Feedback is not Compatible.\r\n";
const std::string kBusLarge = " Fatal - Bus voltage too large for the amplifier.\r\n";
const std::string kBusLow = " Fatal - Bus voltage too low for the amplifier.\r\n";
const std::string kMargin = " Fatal - Maximum torque margin was exceeded.\r\n";
const std::string kAmbientLow = "Fatal - Ambient Temp is too Low.\r\n";
const std::string kAmbientHigh = "Fatal - Ambient Temp is too High.\r\n";
const std::string kMotion = "Fatal - Motor Type and Motion Type does not match\r\n";

void ResolverMotorOnEncoderDrive(ServoSet& s)
{
    s.motorFeedback = {false, true, false, false, false, false};
    s.ampFeedback = {true, false, false, false, false, false};
}

struct PretestRow {
    const char* what;
    std::function<void(ServoSet&)> change;
    bool passes;
    std::string messages;
};

class PretestTest : public ::testing::Test {
protected:
    std::string Run(const ServoSet& set, bool exitOnErr, bool* result = nullptr)
    {
        Load(acx, set);
        if (exitOnErr)
            acx.DLLMotor().ExitPretestOnErr();
        else
            acx.DLLMotor().DontExitPretestOnErr();
        const bool passed = acx.DLLMotor().PretestLimits();
        if (result)
            *result = passed;
        std::string text = "unchanged";
        acx.DLLMotor().GetMessages(text);
        return text;
    }
    MotorModelACX acx;
};

TEST_F(PretestTest, EachFindingAlone)
{
    const std::vector<PretestRow> rows = {
        {"set A", [](ServoSet&) {}, true, kOkay},
        // Dc = Kt 4 = 490.5 <= Mc: the FYI line, which changes nothing.
        {"set B", [](ServoSet& s) { s = SetB(); }, true, kFyi + kOkay},
        {"linear set", [](ServoSet& s) { s = LinearSet(); }, true, kOkay},
        // Mc / 10 = 19.96 N > R = 5 N, but a linear motor has no margin test.
        {"linear set, small margin", [](ServoSet& s) { s = LinearSet(); s.MaxTmargin = 10; }, true, kOkay},
        {"feedback", ResolverMotorOnEncoderDrive, false, kFeedback},
        {"motion type", [](ServoSet& s) { s.motion = "Linear"; }, false, kMotion},
        {"rotary profile for a linear motor", [](ServoSet& s) { s = LinearSet(); s.motion = "rotary"; }, false, kMotion},
        // 340 x 1.1 = 374 < 380.
        {"motor voltage", [](ServoSet& s) { s.Vs = 380; }, false, kVoltage},
        // Dp = Kt 200 = 24526 > Mp x 10 = 21351.
        {"drive peak too large", [](ServoSet& s) { s.Iplim = 200; }, false, kAmpLarge},
        // Dc = Kt 100 = 12263 > Mc x 10 = 7117 and > Mc25 x 10 = 7569.
        {"drive continuous too large", [](ServoSet& s) { s.Iclim = 100; }, false, kAmpLarge},
        // Dp x 10 = 1226 < Mp = 2135.
        {"motor peak too large", [](ServoSet& s) { s.Iplim = 1; }, false, kMotorLarge},
        // Dc = 61.3: FYI, and Dc x 10 = 613 < Mc and < Mc25.
        {"motor continuous too large", [](ServoSet& s) { s.Iclim = 0.5; }, false, kFyi + kMotorLarge},
        {"RMS load", [](ServoSet& s) { s.torque[0] = 800; }, false, kRms},
        // Cc / 10 = 71.2 > 5.
        {"torque margin", [](ServoSet& s) { s.MaxTmargin = 10; }, false, kMargin},
        {"switching frequency", [](ServoSet& s) { s.Sf = 3000; }, false, kSwitching},
        {"bus too large", [](ServoSet& s) { s.Vsmax = 300; }, false, kBusLarge},
        {"bus too low", [](ServoSet& s) { s.Vsmin = 330; }, false, kBusLow},
        {"ambient too high", [](ServoSet& s) { s.TcMax = 30; }, false, kAmbientHigh},
        {"ambient too low", [](ServoSet& s) { s.TcMin = 50; }, false, kAmbientLow},
    };
    for (const PretestRow& row : rows) {
        ServoSet set;
        row.change(set);
        bool passed = !row.passes;
        EXPECT_EQ(row.messages, Run(set, true, &passed)) << row.what;
        EXPECT_EQ(row.passes, passed) << row.what;
        // Collecting everything finds the same single problem.
        EXPECT_EQ(row.messages, Run(set, false, &passed)) << row.what;
    }
}

TEST_F(PretestTest, AllFindingsInStepOrder)
{
    ServoSet s;
    ResolverMotorOnEncoderDrive(s);
    s.Vs = 380;         // motor voltage
    s.Sf = 1000;        // switching frequency
    s.Iplim = 1;        // motor too large (peak)
    s.Iclim = 0.5;      // FYI, motor too large (continuous); Cc = Dc = 61.3
    s.torque[0] = 100;  // R = 100 > Cc
    s.MaxTmargin = 0.5; // Cc / 0.5 = 122.6 > R
    s.Vsmax = 300;
    s.Vsmin = 500;
    s.TcMax = 30;
    s.TcMin = 50;
    bool passed = true;
    EXPECT_EQ(kFeedback + kVoltage + kMotorLarge + kFyi + kMotorLarge + kRms + kMargin + kSwitching
                  + kBusLarge + kBusLow + kAmbientHigh + kAmbientLow,
              Run(s, false, &passed));
    EXPECT_FALSE(passed);
    // Stopping at the first fatal finding.
    EXPECT_EQ(kFeedback, Run(s, true, &passed));
    EXPECT_FALSE(passed);
}

TEST_F(PretestTest, EqualitiesYieldNoFinding)
{
    // Twr 25 makes hot exactly 1, so I1 = sqrt(4 x 15 / (3 x 1 x 5)) = 2 A exactly:
    // Mp = C(2 x 3) = Dp at Iplim 6; Mc = C(2) = Dc at Iclim 2.
    ServoSet s;
    s.Twr = 25;
    s.Tamb = 10;
    s.Rthwa = 1;
    s.Rthwc = 0.5;
    s.Rm = 5;
    s.Pbl = 0;
    s.Vm = 100;
    s.Vs = 100 * 1.1; // Vm x 1.1 equal to Vs passes
    s.Iplim = 6;      // Dp = Mp: the motor-too-large test, which finds Dp x 0.5 < Mp
    s.Iclim = 2;      // Dc = Mc: the FYI line; Mc25 = 0, so no motor-too-large finding
    s.MaxImId = 0.5;
    bool passed = true;
    EXPECT_EQ(kMotorLarge + kFyi, Run(s, false, &passed));
    EXPECT_FALSE(passed);
}

TEST_F(PretestTest, MessagesStayBetweenRuns)
{
    std::string text = "unchanged";
    acx.DLLMotor().GetMessages(text);
    EXPECT_EQ("", text);
    Run(SetB(), true);
    std::string again;
    acx.DLLMotor().GetMessages(again);
    EXPECT_EQ(kFyi + kOkay, again);
    // The next run starts from an empty list.
    EXPECT_EQ(kOkay, Run(ServoSet{}, true));
}

TEST_F(PretestTest, FeedbackCompatibility)
{
    MotorTSModel& m = acx.DLLMotor();
    EXPECT_TRUE(m.CheckMotorAndAmpFeedbackComp());
    m.SetMotFeedbackComp(false, true, false, false, true, false);
    m.SetAmpFeedbackComp(true, false, false, false, false, true);
    EXPECT_FALSE(m.CheckMotorAndAmpFeedbackComp());
    m.SetAmpFeedbackComp(true, false, false, false, true, false); // SinCos on both
    EXPECT_TRUE(m.CheckMotorAndAmpFeedbackComp());
}

TEST_F(PretestTest, ArithmeticFailureKeepsTheFindingsSoFar)
{
    // Twr below the ambient: no thermal budget, I1 = 0, so Mc = Mp = 0 and the switching
    // frequency test would divide by zero.
    ServoSet s;
    s.Twr = 30;
    Load(acx, s);
    acx.DLLMotor().DontExitPretestOnErr();
    EXPECT_THROW(acx.DLLMotor().PretestLimits(), SizingError);
    std::string text;
    acx.DLLMotor().GetMessages(text);
    EXPECT_EQ(kAmpLarge + kRms, text); // Dp > Mp x 10 = 0; R = 5 > Cc = 0
}

} // namespace
