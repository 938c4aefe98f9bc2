#include "ControllerSystemTest.h"

#include "curves/frmCurve.h"
#include "platform/ListControl.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "sizing/MotorModelACX.h"

using namespace Globals;

namespace {

class ControllerCurveTest : public ControllerSystemTest {
protected:
    void SetUp() override
    {
        ControllerSystemTest::SetUp();
        Set_SOCX(&sizing);
    }
    void TearDown() override
    {
        ControllerSystemTest::TearDown();
        Set_SOCX(nullptr);
    }
    frmCurve* curve() { return Forms::find<frmCurve>("frmCurve"); }

    Pulvane_V4::MotorModelACX sizing;
};

} // namespace

// The curve window keeps the axis it was opened for: a redraw after the user
// switched to another axis draws and stores that axis, not the one shown.
TEST_F(ControllerCurveTest, TheCurveWindowKeepsItsAxis)
{
    configureController("KEX200", {"D = DIN Rail", "", "4 = 4 Axes", "E = Ethernet", "", "0 = No Display"});
    switchTo(1);
    configure({"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors",
               "0 = Standard", "230VAC"});
    switchTo(2);
    configure({"Servo", "BSD-460", "LM", "80", "2", "", "R = Resolver", "S = Smooth Shaft", "", "0 = Standard",
               "400VAC"});
    ASSERT_NE(axis(1).Curve_Drive_Part_Number, axis(2).Curve_Drive_Part_Number);

    switchTo(1);
    click("cmdCurve");
    ASSERT_NE(curve(), nullptr);
    EXPECT_EQ(curve()->Caption(), "Performance Curve for a " + axis(1).Curve_Drive_Part_Number + " & "
                                      + axis(1).Curve_Motor_Part_Number + " @" + axis(1).Drive_Voltage);
    ListControl* frequencies = curve()->cmbSwitching_Frequency();
    ASSERT_GE(frequencies->listCount(), 2);
    const QString first = curve()->Export_Curve();

    switchTo(2);
    const QString other = frequencies->list(1);
    frequencies->choose(other);
    const QString redrawn = curve()->Export_Curve();
    EXPECT_NE(redrawn, first);
    EXPECT_EQ(axis(1).Switching_Frequency, other + " kHz");
    EXPECT_EQ(axis(2).Switching_Frequency, "");

    // The same as a window opened on axis 1 at that frequency.
    Forms::unload("frmCurve");
    switchTo(1);
    axis(1).Switching_Frequency = other + " kHz";
    click("cmdCurve");
    // Loading the window starts the axis without a frequency: the first is drawn.
    frequencies = curve()->cmbSwitching_Frequency();
    frequencies->choose(other);
    EXPECT_EQ(curve()->Export_Curve(), redrawn);
    EXPECT_TRUE(msg->messages().isEmpty());
}
