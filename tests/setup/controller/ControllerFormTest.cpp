#include "ControllerFormTest.h"

#include "platform/ListControl.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/common/TextBox.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

using namespace Globals;

const QStringList kAxisLists {"cmbMotor_Tech",   "cmbDrive",         "cmbMotor_Series",       "cmbFrame_size",
                              "cmbStack_length", "cmbWinding",       "cmbFeedback",           "cmbShaft_options",
                              "cmbCable_Option", "cmbOptions",       "cmbDriveVoltage",       "cmbWiring",
                              "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length", "cmbController_Cable_Length"};

const QString kControllerPrompt =
    QStringLiteral("Controller and Drive Incompatibility.  Would you like to reset the axis?");
const QString kDrivePrompt = QStringLiteral("Motor and Drive Incompatibility.  Would you like to reset the axis?");

ControllerFormTest::ControllerFormTest()
    : SetupFormFixture(SetupKinds::Controller)
{
}

void ControllerFormTest::SetUp()
{
    SetupFormFixture::SetUp();
    Forms::registerForm(SetupKinds::formName(SetupKinds::Controller), [] { return new frmController_Setup; });
}

frmController_Setup* ControllerFormTest::form()
{
    return dynamic_cast<frmController_Setup*>(setupForm());
}

AxisRecord& ControllerFormTest::axis(int number)
{
    return Axis.at(static_cast<std::size_t>(number - 1));
}

void ControllerFormTest::useAxes(int axes)
{
    Total_Axes = axes;
    form()->Rebuild_Axis_List(axes);
}

void ControllerFormTest::switchTo(int axis)
{
    pick("cmbAxis", QStringLiteral("Axis %1").arg(axis));
}

namespace {

// Fills every field of a record with its own text, so that a test sees which survive.
AxisRecord filled(int axis)
{
    AxisRecord r;
    int n = 0;
    const auto next = [&] { return QStringLiteral("a%1-%2").arg(axis).arg(++n); };
    for (QString* field : {&r.Motor_Technology, &r.Part_Number_Type, &r.Motor_Part_Number, &r.Curve_Motor_Part_Number,
                           &r.Curve_Drive_Part_Number, &r.Motor_Notes, &r.Motor_Series, &r.Frame_Size,
                           &r.Stack_Length, &r.Winding, &r.Feedback, &r.Shaft_Option, &r.Cable_Option,
                           &r.Motor_Option, &r.Drive_Name, &r.Drive_Notes, &r.Drive_Part_Number, &r.Drive_Voltage,
                           &r.Switching_Frequency, &r.Motor_Wiring, &r.Drive_Code, &r.Motor_Cable,
                           &r.Motor_Cable_Part_Number, &r.Motor_Cable_Length, &r.Feedback_Cable,
                           &r.Feedback_Cable_Part_Number, &r.Feedback_Cable_Length, &r.Required_Drive_Accessory,
                           &r.Drive_Controller_Accessory, &r.Gearhead_Notes, &r.Gearhead_Code, &r.Controller_Cable,
                           &r.Controller_Cable_Part_Number, &r.Controller_Cable_Length, &r.Controller_Cable_Notes})
        *field = next();
    r.Bus_Voltage = 325;
    for (AxisRecord::List21* list : {&r.Drive_Accessory_Entry, &r.Drive_Accessory_Quantity,
                                     &r.Drive_Accessory_Description, &r.Drive_Accessory_List_Index,
                                     &r.Drive_Accessory_List_Item})
        for (QString& entry : *list)
            entry = next();
    return r;
}

} // namespace

TEST_F(ControllerFormTest, FreshFormOffersControllersAndTechnologiesAndTwoAxes)
{
    form();
    EXPECT_EQ(setupForm()->Caption(), "Controller, Drive and Motor Selection");
    EXPECT_EQ(setupForm()->widthTwips(), 13110);
    EXPECT_EQ(setupForm()->heightTwips(), 9195);
    EXPECT_EQ(items("cmbController"), (QStringList {"9Q10", "BMC100", "BMC1600", "BMC300", "KEX200"}));
    EXPECT_EQ(items("cmbMotor_Tech"), (QStringList {"Direct Drive", "Servo", "Stepper"}));
    EXPECT_EQ(text("cmbController") + text("cmbMotor_Tech"), "");
    EXPECT_EQ(items("cmbAxis"), (QStringList {"Axis 1", "Axis 2"}));
    EXPECT_EQ(text("cmbAxis"), "Axis 1");
    EXPECT_FALSE(enabled("cmbAxis") || enabled("lblAxis"));
    for (const QString& name : kAxisLists.mid(1, 9))
        EXPECT_TRUE(items(name).isEmpty() && !enabled(name)) << name.toStdString();
    for (const char* name : {"txtController", "txtController_part", "txtDrive", "txtMotor", "txtMotor_Part",
                             "cmdController", "cmdDriveAccessories", "cmdCurve", "cmbAxis_Number",
                             "cmbReq_Accessories_length", "cmbController_Cable_Length", "cmbMotor_Cable_Length",
                             "cmbFeedback_Cable_Length", "cmbDriveVoltage", "cmbWiring", "picController", "picDrive",
                             "picMotor_Series", "Line1", "Line4", "Line5", "Line8", "cmbReplicate", "lblReplicate"})
        EXPECT_TRUE(hidden(name)) << name;
    EXPECT_EQ(box("txtController")->text(), "");
    form()->Reset_Axis();
    EXPECT_EQ(box("txtController")->text(),
              "Required Controller Accessories: \r\nDrive Specific Controller Accessory: \r\nCables: \r\nNotes: ");
    EXPECT_EQ(Current_Axis, 1);
    EXPECT_EQ(System_Type, 1);
    EXPECT_EQ(Current_Form, "frmController_Setup");
}

TEST_F(ControllerFormTest, ResetEmptiesEverySystemAndAxisResetOnlyTheCurrentAxis)
{
    form();
    for (int a = 1; a <= 16; ++a)
        axis(a) = filled(a);
    Required_Accessory_Length = "2";
    Breakout_Axes = "4";
    Controller_Accessory_Entry[3] = "PS-24-10 = 24 VDC 10 A Power Supply";
    Total_Axes = 16;
    Controller_JTR_Ready = Controller_LUMIO_Ready = Controller_DUW_Ready = true;

    form()->Reset();
    // The curve keys and the drive code derive from the choices and go with them.
    for (int a = 1; a <= 16; ++a)
        EXPECT_EQ(axis(a), AxisRecord {}) << "axis " << a;
    EXPECT_EQ(Required_Accessory_Length + Breakout_Axes + Controller_Accessory_Entry[3], "");
    EXPECT_EQ(Total_Axes, 0);
    // No expansion readiness of the earlier controller stays either; nor after another controller.
    EXPECT_FALSE(Controller_JTR_Ready || Controller_LUMIO_Ready || Controller_DUW_Ready);
    pick("cmbController", "KEX200");
    Controller_JTR_Ready = Controller_LUMIO_Ready = Controller_DUW_Ready = true;
    pick("cmbController", "BMC300");
    EXPECT_FALSE(Controller_JTR_Ready || Controller_LUMIO_Ready || Controller_DUW_Ready);
    form()->Reset();

    // Axis reset on "Axis 3": only its record.
    for (int a = 1; a <= 16; ++a)
        axis(a) = filled(a);
    useAxes(4);
    switchTo(3);
    msg->clear();
    form()->Reset_Axis();
    EXPECT_EQ(Current_Axis, 3);
    EXPECT_EQ(axis(3), AxisRecord {});
    for (int a : {1, 2, 4, 16})
        EXPECT_EQ(axis(a), filled(a)) << "axis " << a;

    // While a project is replayed the record keeps what the replay selects
    // back; what the choices gave is rebuilt from them.
    axis(3) = filled(3);
    Loading_Project = true;
    form()->Reset_Axis();
    Loading_Project = false;
    EXPECT_EQ(axis(3).Drive_Name + axis(3).Motor_Option, filled(3).Drive_Name + filled(3).Motor_Option);
    EXPECT_EQ(axis(3).Drive_Accessories, filled(3).Drive_Accessories);
    EXPECT_EQ(axis(3).Motor_Part_Number + axis(3).Drive_Code, "");
    EXPECT_TRUE(items("cmbDrive").isEmpty());
}
