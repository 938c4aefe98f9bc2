#include "ControllerFormTest.h"

#include "platform/ListControl.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/common/TextBox.h"
#include "shell/Globals.h"

using namespace Globals;

namespace {

QStringList sorted(QStringList values)
{
    values.sort();
    return values;
}

QString connectionText(const QString& required, const QString& accessory, const QString& cable, const QString& notes)
{
    return "Required Controller Accessories: " + required + "\r\nDrive Specific Controller Accessory: " + accessory
        + "\r\nCables: " + cable + "\r\nNotes: " + notes;
}

const QString kServoCableNotes = "Controller to servo drive: +/-10 V command, encoder return, enable and fault";

} // namespace

TEST_F(ControllerFormTest, BreakoutPortsCompleteTheBreakoutCableEveryTime)
{
    form();
    pick("cmbController", "KEX200");
    // Neither a drive nor a series: every drive of the controller, none chosen.
    EXPECT_EQ(items("cmbDrive"), (QStringList {"BDD-230", "BDD-460", "BSD-230", "BSD-460", "BSD-48", "SMD-230",
                                               "SMD-48", "ZU"}));
    EXPECT_FALSE(hidden("cmdController"));
    pick("cmbMotor_Tech", "Servo");
    EXPECT_EQ(items("cmbDrive"), (QStringList {"BSD-230", "BSD-460", "BSD-48", "ZU"}));
    pick("cmbDrive", "BSD-230");

    EXPECT_EQ(items("cmbAxis_Number"), (QStringList {"2", "4", "6", "8"}));
    EXPECT_TRUE(hidden("cmbReq_Accessories_length"));
    EXPECT_EQ(items("cmbController_Cable_Length"), (QStringList {"1", "3", "5"}));
    // The base part stands as the required accessory until ports and length complete it.
    EXPECT_EQ(box("txtController")->text(), connectionText("TNL-BKn", "N/A", "CDC-SV", kServoCableNotes));

    pick("cmbAxis_Number", "4");
    EXPECT_EQ(Required_Accessory, "TNL-BK4-XX");
    EXPECT_EQ(Breakout_Axes, "4");
    // That query has no ORDER BY.
    EXPECT_EQ(sorted(items("cmbReq_Accessories_length")), (QStringList {"1", "2", "3"}));
    pick("cmbReq_Accessories_length", "2");
    EXPECT_EQ(Required_Accessory_Part_Number, "TNL-BK4-02");

    // Another count names its own cable, which is no part until its length is chosen.
    pick("cmbAxis_Number", "8");
    EXPECT_EQ(Required_Accessory, "TNL-BK8-XX");
    EXPECT_EQ(Required_Accessory_Part_Number, "");
    EXPECT_EQ(box("txtController")->text(), connectionText("TNL-BK8-XX", "N/A", "CDC-SV", kServoCableNotes));
    EXPECT_EQ(Required_Accessory_Length, "");
    EXPECT_EQ(sorted(items("cmbReq_Accessories_length")), (QStringList {"1", "2", "3"}));
    pick("cmbReq_Accessories_length", "3");
    EXPECT_EQ(Required_Accessory_Part_Number, "TNL-BK8-03");

    pick("cmbController_Cable_Length", "3");
    EXPECT_EQ(box("txtController")->text(), connectionText("TNL-BK8-03", "N/A", "CDC-SV-003", kServoCableNotes));

    // A fixed count: the one port entry selects itself and names the cable.
    pick("cmbController", "9Q10");
    EXPECT_EQ(items("cmbAxis_Number"), QStringList {"8"});
    EXPECT_EQ(text("cmbAxis_Number"), "8");
    EXPECT_EQ(Controller_Name, "9Q10");
    EXPECT_EQ(Required_Accessory, "TNL-BK8-XX");

    // A required accessory that is no breakout: no ports, no breakout length.
    pick("cmbController", "BMC300");
    EXPECT_EQ(Required_Accessory_Part_Number, "BRK-300");
    for (const char* name : {"cmbAxis_Number", "lblAxis_Number", "cmbReq_Accessories_length",
                             "lblReq_Accessories_length"})
        EXPECT_TRUE(hidden(name)) << name;
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(ControllerFormTest, TheDriveNamesItsControllerCableAndAccessory)
{
    form();
    pick("cmbController", "KEX200");
    pick("cmbMotor_Tech", "Stepper");
    pick("cmbDrive", "SMD-48");
    EXPECT_EQ(box("txtController")->text().split("\r\n").at(1), "Drive Specific Controller Accessory: IFX-STP");
    EXPECT_EQ(axis(1).Controller_Cable, "CDC-ST");

    // No cable needed: its one length ("N/A") is taken but not offered.
    pick("cmbMotor_Tech", "Servo");
    pick("cmbDrive", "ZU");
    EXPECT_EQ(axis(1).Controller_Cable, "No Cable Required");
    EXPECT_EQ(axis(1).Controller_Cable_Length, "N/A");
    EXPECT_TRUE(hidden("cmbController_Cable_Length"));
    EXPECT_EQ(box("txtController")->text().split("\r\n").at(2), "Cables: ");

    // The direct-drive cable has a single length, which gives its part number at once.
    pick("cmbMotor_Tech", "Direct Drive");
    pick("cmbDrive", "BDD-460");
    EXPECT_EQ(text("cmbController_Cable_Length"), "3");
    EXPECT_EQ(axis(1).Controller_Cable_Part_Number, "CDC-DD-003");
}

TEST_F(ControllerFormTest, AControllerThatRefusesTheDriveAsksToResetTheAxis)
{
    for (const MsgBox::Answer answer : {MsgBox::No, MsgBox::Yes}) {
        form()->Reset();
        msg->clear();
        pick("cmbController", "KEX200");
        pick("cmbMotor_Tech", "Servo");
        pick("cmbDrive", "BSD-460");
        pick("cmbMotor_Series", "LM");
        const AxisRecord before = axis(1);
        const QString accessory = Required_Accessory;
        msg->queue(answer);
        pick("cmbController", "BMC300");
        expectOnlyMessage(kControllerPrompt, MsgBox::YesNo);
        if (answer == MsgBox::No) {
            EXPECT_EQ(Controller_Name, "KEX200"); // the refused controller is not taken
            // The connection to KEX200 shows again, as it was.
            EXPECT_EQ(text("cmbController"), "KEX200");
            EXPECT_FALSE(hidden("txtController") || hidden("cmdController") || hidden("cmdDriveAccessories"));
            EXPECT_EQ(Required_Accessory, accessory);
            EXPECT_EQ(axis(1), before);
            EXPECT_EQ(items("cmbFrame_size"), (QStringList {"60", "80"}));
        } else {
            // The axis goes and the new controller stands, ready to be configured, with its drives.
            EXPECT_EQ(Controller_Name, "BMC300");
            EXPECT_EQ(text("cmbController") + text("cmbMotor_Tech"), "BMC300");
            EXPECT_TRUE(hidden("txtController") && hidden("cmdDriveAccessories"));
            EXPECT_FALSE(hidden("cmdController"));
            EXPECT_EQ(Required_Accessory + axis(1).Controller_Cable, "");
            EXPECT_EQ(axis(1).Drive_Name + axis(1).Motor_Technology, "");
            EXPECT_FALSE(items("cmbDrive").isEmpty());
            EXPECT_TRUE(items("cmbMotor_Series").isEmpty());
        }
    }
}

TEST_F(ControllerFormTest, TheSameControllerAgainStartsUnconfigured)
{
    form();
    pick("cmbController", "KEX200");
    // What the options dialog writes once its six levels are chosen.
    const auto configureController = [this] {
        Controller_Part_Number = "KEX2D-4E0";
        Controller_Options[3] = "4 = 4 Axes";
        Controller_Accessory_Entry[0] = "PS-24-10 = 24 VDC 10 A Power Supply";
        Controller_Expansion_IO = 1;
        box("txtController_part")->setText(Controller_Part_Number);
        widget("txtController_part")->show();
        widget("lblController_Part")->show();
    };
    configureController();

    // A replay keeps the configuration and what shows it.
    Loading_Project = true;
    pick("cmbController", "KEX200");
    Loading_Project = false;
    EXPECT_EQ(Controller_Part_Number, "KEX2D-4E0");
    EXPECT_EQ(Controller_Accessory_Entry[0], "PS-24-10 = 24 VDC 10 A Power Supply");
    EXPECT_FALSE(hidden("txtController_part"));

    pick("cmbController", "KEX200");
    EXPECT_EQ(Controller_Part_Number + Controller_Options[3] + Controller_Accessory_Entry[0], "");
    EXPECT_EQ(Controller_Expansion_IO, 0);
    EXPECT_EQ(box("txtController_part")->text(), "");
    EXPECT_TRUE(hidden("txtController_part") && hidden("lblController_Part"));
    EXPECT_EQ(Controller_Name, "KEX200");

    // A controller chosen before its first drive still names its required accessory.
    pick("cmbController", "BMC300");
    pick("cmbMotor_Tech", "Servo");
    pick("cmbDrive", "BSD-48");
    EXPECT_EQ(Required_Accessory_Part_Number, "BRK-300");
    EXPECT_EQ(box("txtController")->text().split("\r\n").at(0), "Required Controller Accessories: BRK-300");
}

// Names that are not there are not offered; a pairing whose drive accessory
// is Null is named as the catalogue's fault and the drive not taken.
TEST_F(ControllerFormTest, MissingNamesAreNotOfferedAndANullDriveAccessoryIsNamed)
{
    useCatalogueWith({"INSERT INTO Controllers VALUES (NULL)", "INSERT INTO Controllers VALUES ('')",
                      "INSERT INTO Controllers VALUES ('ZZ9')", "INSERT INTO Drives VALUES ('', 'XD-1')",
                      "INSERT INTO [Controller to Drive] VALUES ('ZZ9', 'BSD-230', 'Servo', 'CDC-XX', NULL)"});
    form();
    EXPECT_EQ(items("cmbController"), (QStringList {"9Q10", "BMC100", "BMC1600", "BMC300", "KEX200", "ZZ9"}));
    EXPECT_EQ(items("cmbMotor_Tech"), (QStringList {"Direct Drive", "Servo", "Stepper"}));
    const QString noCable = "The database System Databases97.mdb has no value in column \"Controller to "
                            "Drive.ControllerDriveRequired_Accessory\" for \"ZZ9\", \"BSD-230\".";
    // The drive chosen for the controller, and another controller for the drive.
    pick("cmbController", "ZZ9");
    pick("cmbMotor_Tech", "Servo");
    AxisRecord before = axis(1);
    const QStringList series = items("cmbMotor_Series");
    msg->clear();
    pick("cmbDrive", "BSD-230");
    expectOnlyMessage(noCable, MsgBox::OKOnly);
    EXPECT_EQ(text("cmbDrive"), "");
    EXPECT_EQ(axis(1), before);
    EXPECT_EQ(items("cmbMotor_Series"), series);
    EXPECT_TRUE(hidden("txtController"));

    form()->Reset();
    pick("cmbController", "KEX200");
    configure({"Servo", "BSD-230"});
    before = axis(1);
    msg->clear();
    pick("cmbController", "ZZ9");
    expectOnlyMessage(noCable, MsgBox::OKOnly);
    EXPECT_EQ(Controller_Name, "KEX200");
    EXPECT_EQ(text("cmbController"), "KEX200");
    EXPECT_EQ(axis(1), before);
    EXPECT_FALSE(Loading_Lists);
}
