#include "DriveControllerFormTest.h"

#include "platform/ListControl.h"
#include "setup/common/TextBox.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QLabel>

using namespace Globals;

namespace {

const QString kPrompt = QStringLiteral("Motor and Drive Incompatibility.  Would you like to reset the axis?");

class DriveControllerCascadeTest : public DriveControllerFormTest {};

TEST_F(DriveControllerCascadeTest, ListsComeFromTheDriveControllerTables)
{
    EXPECT_EQ(dc()->Caption(), "Drive/Controller and Motor Selection");
    EXPECT_EQ(System_Type, 2);
    EXPECT_EQ(items("cmbMotor_Tech"), (QStringList {"Servo", "Stepper"}));
    pick("cmbMotor_Tech", "Servo");
    EXPECT_EQ(items("cmbDriveController"), (QStringList {"BSC-230", "iQO"}));
    EXPECT_EQ(items("cmbMotor_Series"), (QStringList {"iQO", "KX", "QDM"}));

    // A series chosen first lists every drive it pairs with, none selected.
    pick("cmbMotor_Series", "KX");
    EXPECT_EQ(items("cmbDriveController"), (QStringList {"BSC-230", "BSD-230", "BSD-460", "BSD-48"}));
    EXPECT_EQ(list("cmbDriveController")->listIndex(), -1);

    // A plain drive picked there leaves an options dialog with nothing to offer.
    configure({"", "BSD-230", "", "23", "1", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors", "0 = Standard"});
    EXPECT_EQ(record().Drive_Part_Number, "BSD2303-A0");
    EXPECT_EQ(box("txtDriveController")->text().section('\r', 0, 0), "Drive: Not Fully Configured");
    openOptions();
    EXPECT_TRUE(level(1)->items().isEmpty());
    msg->queue(MsgBox::OK);
    clickOptions("cmdDone");
    EXPECT_FALSE(Forms::isLoaded("frmDriveControl"));
    EXPECT_TRUE(Drive_Controller_Part_Number.isEmpty());
}

TEST_F(DriveControllerCascadeTest, CurveKeysGoWithDetailChoicesAndResetEmptiesTheConfiguration)
{
    configure(kBscKx);
    AxisRecord& r = record();
    EXPECT_EQ(r.Curve_Motor_Part_Number, "KX231AE");
    EXPECT_EQ(r.Curve_Drive_Part_Number, "BSC2306");
    EXPECT_EQ(Drive_Controller_Notes, "6.0 A continuous, 18.0 A peak (rms), 120/230 VAC single phase");
    EXPECT_TRUE(r.Drive_Notes.isEmpty());
    EXPECT_FALSE(hidden("cmdCurve"));

    pick("cmbStack_length", "2");
    EXPECT_TRUE(r.Drive_Part_Number.isEmpty());
    EXPECT_TRUE(r.Motor_Part_Number.isEmpty());
    EXPECT_EQ(r.Curve_Motor_Part_Number + r.Curve_Drive_Part_Number + Drive_Controller_Notes, "");
    EXPECT_FALSE(hidden("txtDriveController")); // the options dialog's box stays
    EXPECT_TRUE(hidden("txtMotor_Part"));

    // Chosen again, the drive/controller starts unconfigured, its expansion readiness too.
    Drive_Controller_JTR_Ready = Drive_Controller_DUW_Ready = true;
    pick("cmbDriveController", "BSC-230");
    EXPECT_FALSE(Drive_Controller_JTR_Ready || Drive_Controller_DUW_Ready);

    Drive_Controller_Options[1] = "E = Ethernet";
    Drive_Controller_Accessory_Entry[0] = "HMI-4 = 4 in Operator Panel";
    Drive_Controller_JTR_Ready = Drive_Controller_DUW_Ready = true;
    r.Drive_Accessory_Entry[0] = "carried";
    setup()->Reset();
    // Only what a file carries for the axis' drive stays: the form never shows it.
    AxisRecord carried;
    carried.Drive_Accessory_Entry[0] = "carried";
    EXPECT_EQ(r, carried);
    EXPECT_TRUE(Drive_Controller_Options[1].isEmpty());
    EXPECT_TRUE(Drive_Controller_Accessory_Entry[0].isEmpty());
    EXPECT_TRUE(Drive_Controller_Name.isEmpty());
    EXPECT_FALSE(Drive_Controller_JTR_Ready || Drive_Controller_DUW_Ready);
    EXPECT_TRUE(hidden("cmdDriveController"));
    EXPECT_TRUE(hidden("txtDriveController"));
    EXPECT_FALSE(enabled("cmbMotor_Series"));
}

TEST_F(DriveControllerCascadeTest, AnIncompatibleDriveControllerAsksToReset)
{
    configure({"Servo", "BSC-230", "KX"});
    for (MsgBox::Answer answer : {MsgBox::No, MsgBox::Yes}) {
        msg->clear();
        msg->queue(answer);
        pick("cmbDriveController", "iQO");
        expectOnlyMessage(kPrompt, MsgBox::YesNo);
        if (answer == MsgBox::No) {
            // The refused choice leaves nothing behind.
            EXPECT_EQ(Drive_Controller_Name, "BSC-230");
            EXPECT_EQ(text("cmbDriveController"), "BSC-230");
            EXPECT_FALSE(hidden("cmdDriveController"));
            EXPECT_EQ(items("cmbFrame_size"), (QStringList {"16", "23", "34"}));
            EXPECT_EQ(record().Drive_Name, "BSC-230");
        }
    }
    // Yes reset the form: nothing of the drive/controller choice runs after it.
    EXPECT_TRUE(Drive_Controller_Name.isEmpty());
    EXPECT_TRUE(hidden("cmdDriveController"));
    EXPECT_FALSE(enabled("cmbMotor_Series"));
    EXPECT_TRUE(items("cmbMotor_Series").isEmpty());
    EXPECT_FALSE(Loading_Lists);
}

TEST_F(DriveControllerCascadeTest, ColbitumCaptionsAndATypelessSeries)
{
    useCatalogueWith({"UPDATE Motors SET [Include with DriveControllers]=1 WHERE [Motor Name]='CT'",
                      "UPDATE Motors SET [PartNumber Type]='' WHERE [Motor Name]='QDM'",
                      "CREATE TEMP TABLE ct AS SELECT * FROM [Drive to Motor] WHERE [Motor Name]='CT'",
                      "UPDATE ct SET [Drive Name]='BSC-230'",
                      "INSERT INTO [Drive to Motor] SELECT * FROM ct"});
    configure({"Servo", "BSC-230", "CT"});
    QStringList captions;
    for (const char* name : {"lblStack_Length", "lblWinding", "lblFeedback", "lblShaft_Options", "lblMotor_Options"})
        captions << label(name)->text();
    EXPECT_EQ(captions, (QStringList {"Motor Diameter", "Voltage", "Feedback", "Shaft Options", "Options"}));

    // A series without a part-number type is taken as it stands: the captions
    // stay, and on this form its frame size runs in full.
    msg->clear();
    pick("cmbMotor_Series", "QDM");
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(record().Motor_Series, "QDM");
    EXPECT_EQ(record().Part_Number_Type, "");
    QStringList kept;
    for (const char* name : {"lblStack_Length", "lblWinding", "lblFeedback", "lblShaft_Options", "lblMotor_Options"})
        kept << label(name)->text();
    EXPECT_EQ(kept, captions);
    pick("cmbFrame_size", "092 = 92 mm");
    EXPECT_EQ(items("cmbStack_length"), (QStringList {"1", "2"}));
    EXPECT_EQ(record().Frame_Size, "092 = 92 mm");
    EXPECT_FALSE(Loading_Lists);
}

TEST_F(DriveControllerCascadeTest, KeywayOnSize16AndTheGearheadPath)
{
    configure({"Servo", "BSC-230", "KX", "16", "1", "", "", "K", "", "0 = Standard"});
    expectOnlyMessage("Keyway on Size 16 motors is not valid unless with a gearhead\r\n"
                      "Please select another shaft Options",
                      MsgBox::OKOnly);
    EXPECT_EQ(list("cmbShaft_options")->listIndex(), -1);
    EXPECT_TRUE(record().Motor_Part_Number.isEmpty());

    msg->clear();
    pick("cmbShaft_options", "K");
    pick("cmbOptions", "GXX = Gearhead");
    EXPECT_EQ(System_Type, 2);
    chooseGearhead("GP16-010");
    EXPECT_EQ(text("cmbShaft_options"), "K = Keyway");
    EXPECT_EQ(box("txtMotor_Part")->text(), "Motor: KX161AE-KCGP16-010");
    EXPECT_EQ(Current_Form, "frmDriveController_Setup");
    // The placeholder picked again asks for another gearhead, rather than
    // building a part number with the placeholder in it; Cancel keeps this one.
    const QString saved = setup()->Save_String();
    pick("cmbOptions", "GXX = Gearhead");
    EXPECT_TRUE(Forms::isLoaded("frmGear"));
    EXPECT_EQ(record().Gearhead_Code, "GP16-010");
    closeGearhead("GP16-005", "cmdCancel");
    EXPECT_EQ(text("cmbOptions"), "GP16-010");
    EXPECT_EQ(setup()->Save_String(), saved);
    EXPECT_TRUE(msg->messages().isEmpty());
}

// A voltage column holding empty text offers the voltage with an empty drive
// code, which adds nothing to the part number but leaves it complete.
TEST_F(DriveControllerCascadeTest, AnEmptyDriveCodeBuildsThePartNumberAndNoVoltageNone)
{
    useCatalogueWith({"UPDATE [Drive to Motor] SET [230VAC_Drive]='' WHERE [Drive Name]='BSC-230' AND "
                      "[Motor Name]='KX' AND Frame_Size='23' AND Stack_Length='1'",
                      kNoVoltages});
    configure(kBscKx);
    openOptions();
    chooseLevels({"E = Ethernet", "", "2 = 16 DI / 8 DO", "0 = No Safe Torque Off"});
    clickOptions("cmdDone");
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-E20");
    pick("cmbDriveVoltage", "230VAC");
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC23-E20");
    EXPECT_EQ(box("txtDriveController")->text().section('\r', 0, 0), "Drive: BSC23-E20");
    pick("cmbDriveVoltage", "120VAC");
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-E20");

    // Nor has a motor that offers no voltage at all.
    configure({"", "", "", "", "2", "", "", "S = Smooth Shaft", "C = Connectors", "0 = Standard"});
    EXPECT_TRUE(record().Drive_Code.isEmpty());
    EXPECT_TRUE(Drive_Controller_Part_Number.isEmpty());
    EXPECT_EQ(box("txtDriveController")->text().section('\r', 0, 0), "Drive: Not Fully Configured");
}

TEST_F(DriveControllerCascadeTest, AStepperAt400VoltsReadsThe460VoltColumns)
{
    useCatalogueWith({"UPDATE [Drive to Motor] SET [460VAC_Drive]='9', [460VAC_Drive_Parallel]='9P' WHERE "
                      "[Motor Name]='SX' AND Frame_Size='23' AND Stack_Length='2'"});
    configure(kSpcSx);
    pick("cmbDriveVoltage", "400VAC");
    EXPECT_EQ(items("cmbWiring"), (QStringList {"SERIES", "PARALLEL"}));
    EXPECT_EQ(record().Drive_Part_Number, "SPC48-9");
    EXPECT_EQ(record().Bus_Voltage, 565.0);
    EXPECT_EQ(record().Drive_Voltage, "400VAC");
    pick("cmbWiring", "PARALLEL");
    EXPECT_EQ(record().Drive_Code, "9P");
    EXPECT_EQ(record().Bus_Voltage, 565.0);
}

} // namespace
