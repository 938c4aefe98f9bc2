// The control and its linked models, the type setters and their messages, the message sink,
// and the parameter setters' effects.

#include "MessageCapture.h"
#include "RotaryHand.h"
#include "ServoSet.h"

#include "sizing/MessageSink.h"
#include "sizing/MotorModelACX.h"
#include "sizing/NumberText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Pulvane_V4;
using hand::ExpectNear;

namespace {

TEST(ControlTest, OwnsAndLinksTheThreeModels)
{
    MotorModelACX acx;
    EXPECT_EQ(&acx.DLLMotor(), &acx.DLLMotor());
    EXPECT_EQ(&acx.DLLThermalModel(), &acx.DLLThermalModel());
    EXPECT_EQ(&acx.DLLPerformanceCheck(), &acx.DLLPerformanceCheck());
    EXPECT_EQ("05.011.003.4", acx.GetVersionNumber());
    EXPECT_EQ("Servo Motor Torque-Speed and Thermal Model", acx.DLLMotor().Version());

    // A motor type set through DLLMotor is what the profile sees at once: a linear motor takes
    // the profile speeds as m/s for the acceleration (3 m/s in 1 s, Jm 0.02).
    Load(acx, ServoSet{});
    acx.DLLMotor().SetMotorTypeInt(1);
    acx.DLLPerformanceCheck().setArrays({10}, {1}, {0}, {3}, 1, "Rotary");
    ExpectNear(0.02 * 3, acx.DLLPerformanceCheck().GetRMSInertialTorq(), "inertial");
}

TEST(ControlTest, AssigningAPropertyReplacesOnlyTheControlsReference)
{
    MotorModelACX acx;
    Load(acx, ServoSet{});
    MotorTSModel other;
    MotorTSModel& own = acx.DLLMotor();
    acx.DLLMotor(other);
    EXPECT_EQ(&other, &acx.DLLMotor());
    // The performance check still works with the motor the control created.
    own.SetMotorTypeInt(1);
    other.SetMotorTypeInt(0);
    acx.DLLPerformanceCheck().setArrays({10}, {1}, {0}, {3}, 1, "Rotary");
    ExpectNear(0.02 * 3, acx.DLLPerformanceCheck().GetRMSInertialTorq(), "linear motor of the control");

    MotorPerformanceCheck otherCheck;
    acx.DLLPerformanceCheck(otherCheck);
    EXPECT_EQ("05.011.003.4", acx.GetVersionNumber());
    MotorThermalModel otherThermal;
    acx.DLLThermalModel(otherThermal);
    EXPECT_EQ(&otherThermal, &acx.DLLThermalModel());
}

TEST(ControlTest, TypeSettersUpperCaseAndReport)
{
    MotorModelACX acx;
    MotorTSModel& m = acx.DLLMotor();
    MessageCapture capture;
    struct Row {
        std::string in, out;
        bool accepted, first, second; // the two kind queries after the setting
    };
    // Each text is upper-cased in the caller's variable, accepted or not.
    auto check = [](const std::vector<Row>& rows, auto set, auto first, auto second) {
        for (const Row& r : rows) {
            std::string text = r.in;
            EXPECT_EQ(r.accepted, set(text)) << r.in;
            EXPECT_EQ(r.out, text);
            EXPECT_EQ(r.first, first()) << r.in;
            EXPECT_EQ(r.second, second()) << r.in;
        }
    };
    check({{"frameless", "FRAMELESS", true, false, true}, {"Table", "TABLE", true, true, false},
           {"linear", "LINEAR", true, true, false}, {"Rotary", "ROTARY", true, false, true},
           {"spindle", "SPINDLE", false, false, false}},
          [&](std::string& t) { return m.SetMotorTypeString(t); }, [&] { return m.IsaLinearMotor(); },
          [&] { return m.IsaRotaryMotor(); });
    ASSERT_EQ(1u, capture.messages.size());
    EXPECT_EQ("MotorTSModel: Invalid motor type Specified: SPINDLE", capture.messages[0].first);
    EXPECT_EQ("Error in Motor type", capture.messages[0].second);

    check({{"sinusiodal", "SINUSIODAL", true, true, false}, {"SINUSOIDAL", "SINUSOIDAL", false, false, false},
           {"wdl", "WDL", true, true, false}, {"Sine", "SINE", true, true, false},
           {"Digital", "DIGITAL", true, true, false}, {"velmarik", "VELMARIK", true, false, true},
           {"SixState", "SIXSTATE", true, false, true}, {"vlk", "VLK", true, false, true},
           {"analog", "ANALOG", true, false, true}},
          [&](std::string& t) { return m.SetDriveVLModelString(t); }, [&] { return m.IsADigitalAmp(); },
          [&] { return m.IsAnAnalogAmp(); });
    ASSERT_EQ(2u, capture.messages.size());
    EXPECT_EQ("MotorTSModel: Invalid Drive Voltage Limit Model type Specified: SINUSOIDAL",
              capture.messages[1].first);

    // A rejected number: message, False, -1; the other setting is untouched.
    EXPECT_FALSE(m.SetMotorTypeInt(2));
    EXPECT_FALSE(m.IsaLinearMotor());
    EXPECT_FALSE(m.IsaRotaryMotor());
    EXPECT_TRUE(m.IsAnAnalogAmp());
    EXPECT_FALSE(m.SetDriveVLModelInt(-3));
    EXPECT_FALSE(m.IsAnAnalogAmp());
    EXPECT_FALSE(m.IsADigitalAmp());
    ASSERT_EQ(4u, capture.messages.size());
    EXPECT_EQ("MotorTSModel: Invalid motor type Specified: 2", capture.messages[2].first);
    EXPECT_EQ("MotorTSModel: Invalid Drive Voltage Limit Model type Specified: -3", capture.messages[3].first);
    EXPECT_EQ("Error in Motor type", capture.messages[3].second);
    EXPECT_TRUE(m.SetDriveVLModelInt(1));
    EXPECT_TRUE(m.IsADigitalAmp());
}

TEST(ControlTest, MotorParametersKeepTheCallersTypeText)
{
    MotorModelACX acx;
    MessageCapture capture;
    ServoSet set;
    set.MotorType = "cylinder";
    LoadMotor(acx.DLLMotor(), set);
    EXPECT_EQ("cylinder", set.MotorType);
    EXPECT_FALSE(acx.DLLMotor().IsaRotaryMotor());
    ASSERT_EQ(1u, capture.messages.size());
    EXPECT_EQ("MotorTSModel: Invalid motor type Specified: CYLINDER", capture.messages[0].first);
    // The other parameters are stored all the same.
    EXPECT_EQ(0.02, acx.DLLMotor().mdblJm);
    EXPECT_EQ(340, acx.DLLMotor().GetVlim());
}

TEST(ControlTest, DefaultSinkWritesToStderr)
{
    SetMessageSink({});
    MotorTSModel m;
    testing::internal::CaptureStderr();
    m.SetMotorTypeInt(9);
    EXPECT_EQ("Error in Motor type: MotorTSModel: Invalid motor type Specified: 9\n",
              testing::internal::GetCapturedStderr());
}

TEST(ControlTest, FullDriveSetterKeepsLimitsAndPowers)
{
    MotorModelACX acx;
    ServoSet set = SetB(); // MaxContPower 500 W
    set.Vsmax = 250;
    Load(acx, set);
    MotorTSModel& m = acx.DLLMotor();
    m.SetDriveParametersFull(300, 8000, 4, 12, 60, 0, 0, 0, 0);
    m.PretestLimits();
    std::string text;
    m.GetMessages(text);
    // Vsmax 250 survived the full setter: 300 V is too much.
    EXPECT_EQ(" (FYI: The amplifier continuous current is lower than the motor rated current.)\r\n"
              " Fatal - Bus voltage too large for the amplifier.\r\n",
              text);
    // MaxContPower 500 W too: 200 rad/s is power limited.
    ExpectNear(500 * 141.6 / 200, m.GetContTorque(200, 0), "power limit kept");
}

TEST(ControlTest, NumberTexts)
{
    EXPECT_EQ("5", NumberText::DefaultDouble(5));
    EXPECT_EQ("0.5", NumberText::DefaultDouble(0.5));
    EXPECT_EQ("-1234.5", NumberText::DefaultDouble(-1234.5));
    EXPECT_EQ("0.1", NumberText::DefaultDouble(0.1));
    EXPECT_EQ("123456789012345", NumberText::DefaultDouble(123456789012345.0));
    EXPECT_EQ("1E+16", NumberText::DefaultDouble(1e16));
    EXPECT_EQ("1.5E-07", NumberText::DefaultDouble(1.5e-7));
    EXPECT_EQ("0.333333333333333", NumberText::DefaultDouble(1.0 / 3));
    EXPECT_EQ("155.00", NumberText::GroupedTwoDecimals(155));
    EXPECT_EQ("1,234,567.89", NumberText::GroupedTwoDecimals(1234567.891));
    EXPECT_EQ("-1,000.50", NumberText::GroupedTwoDecimals(-1000.5));
    EXPECT_EQ("0.00", NumberText::GroupedTwoDecimals(-0.001));
    EXPECT_EQ("999.99", NumberText::GroupedTwoDecimals(999.99));
}

} // namespace
