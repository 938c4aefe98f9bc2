#include "ControllerFormTest.h"

#include "platform/ListControl.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/common/TextBox.h"
#include "shell/Globals.h"

#include <QLabel>

using namespace Globals;

namespace {

const QStringList kKxServo {"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft",
                            "C = Connectors", "0 = Standard"};
const QString kKeywayMessage = QStringLiteral("Please select another shaft Options\r\nKeyway on Size 16 motors is not "
                                              "valid unless with a gearhead");

} // namespace

TEST_F(ControllerFormTest, MotorOptionsAreOrderedByTheirCableOption)
{
    // Two options whose cable-option order is not their own order.
    useCatalogueWith({"DELETE FROM Options WHERE [Motor Name] = 'ZU'",
                      "INSERT INTO Options VALUES ('ZU', '23', '1', 'Any', 'Any', 'N/A', 'A = Alpha')",
                      "INSERT INTO Options VALUES ('ZU', '23', '1', 'Any', 'Any', 'Any', 'Z = Zeta')"});
    form();
    pick("cmbController", "KEX200");
    configure({"Servo", "ZU", "", "23", "1"});
    EXPECT_EQ(text("cmbCable_Option"), "N/A");
    EXPECT_EQ(items("cmbOptions"), (QStringList {"Z = Zeta", "A = Alpha"}));
}

TEST_F(ControllerFormTest, CurveKeysGoWithTheMotorAndCaptionsFollowThePartNumberType)
{
    form();
    pick("cmbController", "KEX200");
    configure(kKxServo);
    ASSERT_EQ(axis(1).Curve_Motor_Part_Number, "KX231AE");
    ASSERT_EQ(axis(1).Curve_Drive_Part_Number, "BSD2303");
    pick("cmbStack_length", "2");
    EXPECT_EQ(axis(1).Drive_Part_Number, "");
    EXPECT_EQ(axis(1).Motor_Part_Number, "");
    EXPECT_EQ(axis(1).Curve_Motor_Part_Number, "");
    EXPECT_EQ(axis(1).Curve_Drive_Part_Number, "");

    struct Captions {
        const char* technology;
        const char* drive;
        const char* series;
        QStringList labels; // stack, winding, fourth, fifth, options
    };
    const Captions cases[] = {
        {"Servo", "BSD-230", "QDM", {"Stack Length", "Winding", "Mounting", "Feedback", "Motor Options"}},
        {"Stepper", "SMD-48", "SX", {"Stack Length", "Winding", "Shaft", "Shaft Options", "Motor Options"}},
        {"Direct Drive", "BDD-230", "CT", {"Motor Diameter", "Voltage", "Misc", "Shaft Options", "Options"}},
        {"Servo", "BSD-230", "LM", {"Stack Length", "Winding", "Feedback", "Shaft Options", "Motor Options"}},
    };
    for (const Captions& c : cases) {
        configure({c.technology, c.drive, c.series});
        QStringList shown;
        for (const char* name : {"lblStack_Length", "lblWinding", "lblFeedback", "lblShaft_Options",
                                 "lblMotor_Options"})
            shown << label(name)->text();
        EXPECT_EQ(shown, c.labels) << c.series;
        EXPECT_EQ(label("lblFrame_Size")->text(), "Frame Size");
    }
}

TEST_F(ControllerFormTest, KeywayNeedsAGearheadAndTheGearheadBringsIt)
{
    form();
    pick("cmbController", "KEX200");
    configure({"Servo", "BSD-230", "KX", "16", "1", "", "", "K"});
    ASSERT_EQ(text("cmbCable_Option"), "C = Connectors");
    EXPECT_EQ(items("cmbOptions"), (QStringList {"0 = Standard", "B = Holding Brake", "GXX = Gearhead"}));

    pick("cmbOptions", "0 = Standard");
    expectOnlyMessage(kKeywayMessage, MsgBox::OKOnly);
    // The feedback ran again: the shaft options are offered anew.
    EXPECT_EQ(items("cmbShaft_options"), (QStringList {"K", "S = Smooth Shaft"}));
    EXPECT_EQ(text("cmbShaft_options"), "");
    EXPECT_TRUE(items("cmbOptions").isEmpty());
    EXPECT_EQ(axis(1).Motor_Option, "");
    msg->clear();

    pick("cmbShaft_options", "K");
    pick("cmbOptions", "GXX = Gearhead");
    EXPECT_EQ(System_Type, 1);
    EXPECT_EQ(Current_Form, "frmGear");
    chooseGearhead("GP16-005");
    EXPECT_EQ(axis(1).Gearhead_Code, "GP16-005");
    EXPECT_EQ(axis(1).Shaft_Option, "K = Keyway");
    EXPECT_EQ(text("cmbShaft_options"), "K = Keyway");
    EXPECT_EQ(text("cmbOptions"), "GP16-005");
    EXPECT_EQ(axis(1).Motor_Part_Number, "KX161AE-KCGP16-005");
    EXPECT_EQ(box("txtMotor_Part")->text(), "Motor: KX161AE-KCGP16-005");
    EXPECT_EQ(Current_Form, "frmController_Setup");
    EXPECT_TRUE(msg->messages().isEmpty());
}

// A motor that offers no input voltage shows no drive of the configuration before.
TEST_F(ControllerFormTest, AMotorWithoutAnInputVoltageShowsNoDrive)
{
    useCatalogueWith({kNoVoltages});
    form();
    pick("cmbController", "KEX200");
    configure(kKxServo);
    configure({"", "", "", "", "2", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors", "0 = Standard"});
    EXPECT_EQ(box("txtDrive")->text(), "");
}

// The voltage (and, for steppers, the wiring) gives the drive code, the drive
// part number, the bus voltage and the drive's curve key of the current axis.
TEST_F(ControllerFormTest, VoltageAndWiringGiveTheDrivePartNumber)
{
    struct Case {
        QStringList motor;
        const char* voltage;
        const char* wiring; // empty: no wiring list
        const char* code;
        const char* part;
        double bus;
        const char* curveKey;
    };
    const QStringList lm {"Servo", "BSD-460", "LM", "80", "2", "", "R = Resolver", "S = Smooth Shaft", "",
                          "0 = Standard"};
    const QStringList sx {"Stepper", "SMD-48", "SX", "23", "3", "A", "S = Single Shaft", "R = Round Shaft",
                          "C = Connector", "None"};
    const Case cases[] = {
        {kKxServo, "120VAC", "", "03", "BSD2303-A0", 170, "BSD2303"},
        {kKxServo, "230VAC", "", "03", "BSD2303-A0", 325, "BSD2303"},
        // "400VAC" reads the 460 V column and stands for a 565 V bus.
        {lm, "400VAC", "", "04", "BSD4604-A0", 565, "BSD4604"},
        {lm, "460VAC", "", "04", "BSD4604-A0", 650, "BSD4604"},
        {sx, "24VDC", "SERIES", "3", "SMD48-3", 24, "SMD48-3"},
        {sx, "48VDC", "PARALLEL", "6", "SMD48-6", 48, "SMD48-6"},
    };
    form();
    pick("cmbController", "KEX200");
    for (const Case& c : cases) {
        configure(c.motor);
        pick("cmbDriveVoltage", c.voltage);
        if (*c.wiring)
            pick("cmbWiring", c.wiring);
        const AxisRecord& r = axis(1);
        EXPECT_EQ(r.Drive_Voltage, c.voltage);
        EXPECT_EQ(r.Drive_Code, c.code) << c.voltage;
        EXPECT_EQ(r.Drive_Part_Number, c.part) << c.voltage;
        EXPECT_EQ(r.Bus_Voltage, c.bus) << c.voltage;
        EXPECT_EQ(r.Curve_Drive_Part_Number, c.curveKey) << c.voltage;
        EXPECT_EQ(r.Motor_Wiring, c.wiring) << c.voltage;
        EXPECT_EQ(hidden("cmbWiring"), !*c.wiring) << c.voltage;
        EXPECT_EQ(box("txtDrive")->text(), QString("Drive: ") + c.part + "\r\nNotes: " + r.Drive_Notes);
        EXPECT_FALSE(hidden("cmdCurve"));
    }
    EXPECT_EQ(items("cmbDriveVoltage"), (QStringList {"24VDC", "48VDC", "75VDC"}));
    EXPECT_EQ(items("cmbWiring"), (QStringList {"SERIES", "PARALLEL"}));
    // At 75 VDC this motor offers parallel wiring only, which selects itself.
    pick("cmbDriveVoltage", "75VDC");
    EXPECT_EQ(items("cmbWiring"), QStringList {"PARALLEL"});
    EXPECT_EQ(axis(1).Drive_Part_Number, "SMD48-6");
    EXPECT_EQ(axis(1).Bus_Voltage, 75.0);
    EXPECT_TRUE(msg->messages().isEmpty());
}

// One choice of technology runs the whole cascade of one-entry lists: the drive
// is recorded before its motor steps look its rows up, so the motor part number
// shown is the one stored and the voltages are offered.
TEST_F(ControllerFormTest, OneChoiceRunsThroughToTheVoltage)
{
    useCatalogueWith({"DELETE FROM [Drive to Motor] WHERE [Drive Name] = 'SMD-48' AND NOT "
                      "([Motor Name] = 'ST' AND Stack_Length = '1')",
                      "DELETE FROM [Shaft Options] WHERE [Motor Name] = 'ST' AND Shaft_Options = 'F = Flatted Shaft'"});
    form();
    pick("cmbController", "BMC100");
    pick("cmbMotor_Tech", "Stepper");
    const AxisRecord& r = axis(1);
    EXPECT_EQ(r.Drive_Name, "SMD-48");
    EXPECT_EQ(text("cmbOptions"), "None");
    EXPECT_EQ(r.Motor_Part_Number, "ST341L-SRC");
    EXPECT_EQ(box("txtMotor_Part")->text(), "Motor: " + r.Motor_Part_Number);
    EXPECT_EQ(items("cmbDriveVoltage"), (QStringList {"24VDC", "48VDC"}));
    EXPECT_EQ(text("cmbDriveVoltage"), "24VDC");
    EXPECT_EQ(text("cmbWiring"), "SERIES");
    EXPECT_EQ(r.Drive_Part_Number, "SMD48-3");
    EXPECT_EQ(r.Curve_Motor_Part_Number, "ST341L");
    EXPECT_EQ(items("cmbMotor_Cable_Length"), (QStringList {"10", "3", "5"}));
    EXPECT_TRUE(msg->messages().isEmpty());
}
