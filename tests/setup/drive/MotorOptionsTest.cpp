#include "DriveFormTest.h"

#include "curves/frmCurve.h"
#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/common/MotorPartNumber.h"
#include "setup/common/TextBox.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"
#include "sizing/MotorModelACX.h"


namespace {

AxisRecord motor(const char* type, const char* series, const char* frame, const char* stack, const char* winding,
                 const char* feedback, const char* shaft, const char* cable, const char* option)
{
    AxisRecord r;
    r.Part_Number_Type = type;
    r.Motor_Series = series;
    r.Frame_Size = frame;
    r.Stack_Length = stack;
    r.Winding = winding;
    r.Feedback = feedback;
    r.Shaft_Option = shaft;
    r.Cable_Option = cable;
    r.Motor_Option = option;
    return r;
}

QString partNumber(const AxisRecord& r)
{
    const auto built = MotorPartNumber::build(r);
    return built ? built->partNumber : QStringLiteral("<none>");
}

} // namespace

TEST(MotorPartNumberTest, RecipesLeaveOutNotApplicableAndEmptyPieces)
{
    const AxisRecord l7 = motor("L7_Servo", "KX", "23", "1", "A", "E = Encoder", "K = Keyway", "C = Connectors",
                                "B = Holding Brake");
    EXPECT_EQ(partNumber(l7), "KX231AE-KCB");
    AxisRecord r = l7;
    r.Shaft_Option = "N/A";
    r.Motor_Option = "None";
    EXPECT_EQ(partNumber(r), "KX231AECNone"); // no "-" without a shaft; "None" is a code here
    r.Cable_Option.clear();
    r.Motor_Option = "GP23-010";
    EXPECT_EQ(partNumber(r), "KX231AEGP23-010");

    EXPECT_EQ(partNumber(motor("QD_Servo", "QDM", "130 = 130 mm", "2", "A", "E = Encoder", "M1 = IEC Flange",
                               "C = Connectors", "0 = Standard")),
              "QDM1302AM1EC0");

    AxisRecord stepper = motor("Stepper", "SX", "23", "1", "A", "S = Single Shaft", "F = Flatted Shaft",
                               "C = Connector", "None");
    EXPECT_EQ(partNumber(stepper), "SX231A-SFC");
    stepper.Motor_Option = "E = Rear Encoder";
    EXPECT_EQ(partNumber(stepper), "SX231A-SFCE");
    stepper.Feedback = "N/A";
    EXPECT_EQ(partNumber(stepper), "SX231AFCE");

    AxisRecord colbitum = motor("Colbitum", "CT", "40", "210 = 210 mm", "460VAC", "E = 20-bit Encoder",
                                "S = Solid Shaft", "C = Connectors", "W = Water Cooling");
    auto built = MotorPartNumber::build(colbitum);
    ASSERT_TRUE(built);
    EXPECT_EQ(built->partNumber, "CTG3-40210E-SCW");
    EXPECT_TRUE(built->clearsGearhead);
    colbitum.Motor_Option = "N/A";
    built = MotorPartNumber::build(colbitum);
    EXPECT_EQ(built->partNumber, "CTG3-40210E-SC");
    EXPECT_FALSE(built->clearsGearhead);
    colbitum.Motor_Series = "N/A";
    EXPECT_EQ(partNumber(colbitum), "40210E-SC");

    EXPECT_FALSE(MotorPartNumber::build(motor("Linear", "LX", "1", "1", "A", "E", "S", "C", "0")));
    // A type in another case is that type.
    EXPECT_EQ(partNumber(motor("l7_servo", "KX", "1", "1", "A", "E", "S", "C", "0")),
              partNumber(motor("L7_Servo", "KX", "1", "1", "A", "E", "S", "C", "0")));
}

class DriveMotorOptionsTest : public DriveFormTest {
protected:
    QString motorText() { return box("txtMotor")->text(); }
};

TEST_F(DriveMotorOptionsTest, StepperBuildsMotorAndDrivePartNumbersThroughTheWiring)
{
    configure({"Stepper", "SMD-48", "SX", "23", "1", "B", "S = Single Shaft", "F = Flatted Shaft", "C = Connector",
               "None"});
    EXPECT_EQ(items("cmbOptions"), (QStringList {"E = Rear Encoder", "None"}));
    const AxisRecord& r = record();
    EXPECT_EQ(box("txtMotor_Part")->text(), "Motor: SX231B-SFC");
    EXPECT_EQ(items("cmbDriveVoltage"), (QStringList {"24VDC", "48VDC", "75VDC"}));
    EXPECT_EQ(text("cmbDriveVoltage"), "24VDC");
    EXPECT_EQ(items("cmbWiring"), (QStringList {"SERIES", "PARALLEL"}));
    EXPECT_EQ(text("cmbWiring"), "SERIES");
    EXPECT_FALSE(hidden("cmbWiring"));
    EXPECT_FALSE(hidden("lblwiring"));
    EXPECT_EQ(r.Drive_Code, "3");
    EXPECT_EQ(r.Drive_Part_Number, "SMD48-3");
    EXPECT_EQ(r.Curve_Drive_Part_Number, "SMD48-3");
    EXPECT_EQ(r.Curve_Motor_Part_Number, "SX231B");
    EXPECT_EQ(r.Motor_Wiring, "SERIES");
    EXPECT_EQ(r.Bus_Voltage, 24.0);
    EXPECT_EQ(box("txtDrive")->text(), "Drive: SMD48-3\r\nNotes: Microstepping drive, 24-75 VDC");

    pick("cmbWiring", "PARALLEL");
    EXPECT_EQ(r.Drive_Code, "6");
    EXPECT_EQ(r.Drive_Part_Number, "SMD48-6");
    EXPECT_EQ(r.Curve_Drive_Part_Number, "SMD48-6");
    EXPECT_EQ(r.Motor_Wiring, "PARALLEL");

    pick("cmbDriveVoltage", "75VDC"); // the wiring list refills and takes its first entry
    EXPECT_EQ(text("cmbWiring"), "SERIES");
    EXPECT_EQ(r.Drive_Part_Number, "SMD48-3");
    EXPECT_EQ(r.Bus_Voltage, 75.0);
    EXPECT_EQ(r.Drive_Voltage, "75VDC");

    // While a project is replayed the wiring waits for the replay to choose it.
    Globals::Loading_Project = true;
    pick("cmbDriveVoltage", "48VDC");
    EXPECT_EQ(items("cmbWiring"), (QStringList {"SERIES", "PARALLEL"}));
    EXPECT_EQ(list("cmbWiring")->listIndex(), -1);
    EXPECT_EQ(r.Drive_Voltage, "75VDC");
    Globals::Loading_Project = false;

    // Choosing the series again drops the voltage, the wiring and the drive code with them.
    pick("cmbMotor_Series", "SX");
    EXPECT_TRUE(r.Drive_Voltage.isEmpty());
    EXPECT_EQ(r.Bus_Voltage, 0.0);
    EXPECT_EQ(r.Motor_Wiring, "");
    EXPECT_EQ(r.Drive_Code, "");
}

TEST_F(DriveMotorOptionsTest, StepperWiringOffersWhatTheColumnsOffer)
{
    useCatalogueWith({"UPDATE [Drive to Motor] SET [460VAC_Drive]='9' WHERE [Drive Name]='SMD-48' AND "
                      "[Motor Name]='SX' AND Frame_Size='23' AND Stack_Length='3' AND Winding='A'"});
    configure({"Stepper", "SMD-48", "SX", "23", "3", "A", "S = Single Shaft", "R = Round Shaft", "C = Connector",
               "E = Rear Encoder"});
    EXPECT_EQ(items("cmbDriveVoltage"), (QStringList {"24VDC", "48VDC", "75VDC", "400VAC", "460VAC"}));
    pick("cmbDriveVoltage", "75VDC");
    EXPECT_EQ(items("cmbWiring"), QStringList {"PARALLEL"});
    EXPECT_EQ(text("cmbWiring"), "PARALLEL");
    EXPECT_EQ(record().Drive_Part_Number, "SMD48-6");

    // At 400 V a stepper reads the 460 V columns at the 400 V bus.
    pick("cmbDriveVoltage", "400VAC");
    EXPECT_EQ(items("cmbWiring"), QStringList {"SERIES"});
    EXPECT_EQ(text("cmbWiring"), "SERIES");
    EXPECT_EQ(record().Drive_Part_Number, "SMD48-9");
    EXPECT_EQ(record().Drive_Voltage, "400VAC");
    EXPECT_EQ(record().Bus_Voltage, 565.0);
}

TEST_F(DriveMotorOptionsTest, ServoVoltagesGiveDrivePartNumbersAndBusVoltages)
{
    configure(kLmServo);
    EXPECT_EQ(text("cmbWinding"), "B");
    EXPECT_EQ(text("cmbCable_Option"), "C = Connectors");
    const AxisRecord& r = record();
    EXPECT_EQ(r.Motor_Part_Number, "LM802BR-SC0");
    EXPECT_EQ(items("cmbDriveVoltage"), (QStringList {"400VAC", "460VAC"}));
    EXPECT_EQ(r.Drive_Voltage, "400VAC");
    EXPECT_EQ(r.Drive_Part_Number, "BSD4604-A0");
    EXPECT_EQ(r.Bus_Voltage, 565.0);
    EXPECT_EQ(r.Curve_Drive_Part_Number, "BSD4604");
    pick("cmbDriveVoltage", "460VAC");
    EXPECT_EQ(r.Drive_Part_Number, "BSD4604-A0");
    EXPECT_EQ(r.Drive_Code, "04");
    EXPECT_EQ(r.Bus_Voltage, 650.0);
    EXPECT_EQ(r.Drive_Voltage, "460VAC");
    EXPECT_TRUE(r.Motor_Wiring.isEmpty());
    EXPECT_TRUE(hidden("cmbWiring"));

    for (const char* name : {"txtDrive", "lblDrive", "txtMotor_Part", "lblMotor_Part", "txtMotor", "lblMotor",
                             "Line5", "Line6", "Line7", "Line8", "cmbDriveVoltage", "lblDriveVoltage", "cmdCurve",
                             "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length"})
        EXPECT_FALSE(hidden(name)) << name;
    EXPECT_EQ(motorText(), "Motor Cable: MPC-S3\r\nFeedback Cable: FBC-R\r\nNotes: 7.50 N-m continuous, 3000 rpm "
                           "max, Resolver");
    EXPECT_EQ(items("cmbMotor_Cable_Length"), (QStringList {"10", "15", "25", "3", "5"}));
    EXPECT_EQ(list("cmbMotor_Cable_Length")->listIndex(), -1);
}

TEST_F(DriveMotorOptionsTest, OfferedVoltagesFollowCodesNotApplicableNullAndEmptyText)
{
    useCatalogueWith({"UPDATE [Drive to Motor] SET [24VDC_Drive]='12', [24VDC_Drive_Parallel]=NULL, "
                      "[48VDC_Drive]='N/A', [48VDC_Drive_Parallel]='N/A', [75VDC_Drive]=NULL, "
                      "[75VDC_Drive_Parallel]='07', [120VAC_Drive]='', [120VAC_Drive_Parallel]=NULL, "
                      "[230VAC_Drive]='N/A', [230VAC_Drive_Parallel]='06', [460VAC_Drive]=NULL, "
                      "[460VAC_Drive_Parallel]=NULL WHERE [Drive Name]='BSD-230' AND [Motor Name]='KX' AND "
                      "Frame_Size='23' AND Stack_Length='1' AND Winding='A' AND Feedback='E = Encoder' AND "
                      "Cable_Option='C = Connectors'"});
    configure(kKxServo);
    const AxisRecord& r = record();
    EXPECT_EQ(items("cmbDriveVoltage"), (QStringList {"24VDC", "75VDC", "120VAC", "230VAC"}));
    EXPECT_EQ(r.Drive_Part_Number, "BSD2312-A0");
    EXPECT_EQ(r.Curve_Drive_Part_Number, "BSD2312");
    EXPECT_EQ(r.Bus_Voltage, 24.0);

    // A Null code builds no part number.
    pick("cmbDriveVoltage", "75VDC");
    EXPECT_TRUE(r.Drive_Code.isEmpty());
    EXPECT_TRUE(r.Drive_Part_Number.isEmpty());
    EXPECT_TRUE(r.Curve_Drive_Part_Number.isEmpty());
    EXPECT_EQ(r.Bus_Voltage, 75.0);
    EXPECT_EQ(box("txtDrive")->text(), "Drive: \r\nNotes: 3.0 A continuous, 9.0 A peak (rms), 120/230 VAC single phase");

    pick("cmbDriveVoltage", "120VAC");
    EXPECT_EQ(r.Drive_Part_Number, "BSD23-A0");
    EXPECT_EQ(r.Bus_Voltage, 170.0);
    pick("cmbDriveVoltage", "230VAC");
    EXPECT_EQ(r.Drive_Part_Number, "BSD23N/A-A0");
    EXPECT_EQ(r.Bus_Voltage, 325.0);
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(DriveMotorOptionsTest, NoVoltageOrNoRowEndsTheStepWithEmptyTexts)
{
    useCatalogueWith({"UPDATE [Drive to Motor] SET [120VAC_Drive]='N/A', [230VAC_Drive]='N/A', "
                      "[460VAC_Drive]=NULL, [460VAC_Drive_Parallel]=NULL WHERE [Drive Name]='BSD-230' AND "
                      "[Motor Name]='KX' AND Frame_Size='23' AND Stack_Length='2'"});
    configure(kKxServo);
    configure({"", "", "", "", "2", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors", "B = Holding Brake"});
    EXPECT_TRUE(items("cmbDriveVoltage").isEmpty());
    EXPECT_EQ(box("txtDrive")->text(), ""); // no drive of the configuration before
    EXPECT_FALSE(hidden("cmbDriveVoltage"));
    EXPECT_EQ(list("cmbDriveVoltage")->listIndex(), -1);
    EXPECT_TRUE(record().Drive_Part_Number.isEmpty());
    EXPECT_EQ(box("txtMotor_Part")->text(), "Motor: KX232AE-SCB");
    EXPECT_FALSE(Globals::Loading_Lists);

    // A row that has gone: empty texts and lists, no failure.
    record().Drive_Name = "Gone";
    pick("cmbOptions", "0 = Standard");
    EXPECT_EQ(box("txtMotor")->text(), "Motor Cable: \r\nFeedback Cable: \r\nNotes: ");
    EXPECT_TRUE(items("cmbMotor_Cable_Length").isEmpty());
    EXPECT_TRUE(record().Curve_Motor_Part_Number.isEmpty());
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_FALSE(Globals::Loading_Lists);
}

TEST_F(DriveMotorOptionsTest, ServoAfterStepperOnOneDriveReportsNoWiring)
{
    QStringList rows;
    for (const char* stack : {"1", "2"})
        rows << QStringLiteral("INSERT INTO [Drive to Motor] SELECT 'SMD-48', [Motor Name], Frame_Size, "
                               "Stack_Length, Winding, Feedback, Cable_Option, Motor_Cable, Feedback_Cable, Notes, "
                               "Drive_Notes, [Curve Database Motor Part Number], [24VDC_Drive], [48VDC_Drive], "
                               "[75VDC_Drive], [120VAC_Drive], [230VAC_Drive], [460VAC_Drive], "
                               "[24VDC_Drive_Parallel], [48VDC_Drive_Parallel], [75VDC_Drive_Parallel], "
                               "[120VAC_Drive_Parallel], [230VAC_Drive_Parallel], [460VAC_Drive_Parallel] "
                               "FROM [Drive to Motor] WHERE [Drive Name]='BSD-48' AND Frame_Size='16' "
                               "AND Stack_Length='%1'")
                    .arg(QLatin1String(stack));
    useCatalogueWith(rows);
    configure(kSxStepper);
    ASSERT_EQ(record().Motor_Wiring, "SERIES");
    configure({"", "", "KX", "16", "1", "", "", "S = Smooth Shaft", "", "B = Holding Brake"});
    EXPECT_EQ(record().Part_Number_Type, "L7_Servo");
    EXPECT_EQ(record().Drive_Voltage, "24VDC");
    EXPECT_TRUE(record().Motor_Wiring.isEmpty());
    EXPECT_EQ(form()->Save_String().split('\r').at(128), QString());

    // Its project reopens.
    const QString saved = form()->Save_String();
    openProject(saved);
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(form()->Save_String(), saved);
}

TEST_F(DriveMotorOptionsTest, KeywayOnSize16NeedsAGearhead)
{
    configure({"Servo", "BSD-230", "KX", "16", "1", "", "", "K", "", "0 = Standard"});
    expectOnlyMessage(kKeywayMessage, MsgBox::OKOnly);
    EXPECT_EQ(msg->messages().at(0).icon, MsgBox::NoIcon);
    // The feedback was chosen again: the shaft options are offered anew.
    EXPECT_EQ(items("cmbShaft_options"), (QStringList {"K", "S = Smooth Shaft"}));
    EXPECT_EQ(list("cmbShaft_options")->listIndex(), -1);
    EXPECT_TRUE(items("cmbCable_Option").isEmpty());
    EXPECT_TRUE(record().Motor_Part_Number.isEmpty());
    EXPECT_TRUE(hidden("txtMotor_Part"));
    EXPECT_FALSE(Globals::Loading_Lists);

    // With a gearhead already chosen the keyway builds.
    pick("cmbShaft_options", "K");
    record().Gearhead_Code = "GP16-005";
    pick("cmbOptions", "B = Holding Brake");
    EXPECT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(record().Motor_Part_Number, "KX161AE-KCB");
}

TEST_F(DriveMotorOptionsTest, KeywayRefusalCannotLoop)
{
    useCatalogueWith({"DELETE FROM [Shaft Options] WHERE [Motor Name]='KX' AND Frame_Size='16' AND "
                      "Shaft_Options<>'K'",
                      "DELETE FROM Options WHERE [Motor Name]='KX' AND Frame_Size='16' AND Options<>'0 = Standard'"});
    configure({"Servo", "BSD-48", "", "16", "1"}); // every list below the stack length holds one entry
    EXPECT_EQ(msg->prompts(), QStringList {kKeywayMessage});
    EXPECT_EQ(text("cmbShaft_options"), "K");
    EXPECT_TRUE(record().Motor_Part_Number.isEmpty());
    EXPECT_FALSE(Globals::Loading_Lists);
}

TEST_F(DriveMotorOptionsTest, GearheadPlaceholderOpensTheGearheadDialogAndItsChoiceBuilds)
{
    configure({"Servo", "BSD-230", "KX", "16", "1", "", "", "K", "", "GXX = Gearhead"});
    EXPECT_TRUE(Forms::isLoaded("frmGear"));
    EXPECT_EQ(Globals::Current_Form, "frmGear");
    EXPECT_EQ(Globals::System_Type, 4);
    EXPECT_EQ(record().Motor_Option, "GXX = Gearhead");
    EXPECT_TRUE(hidden("txtMotor_Part"));
    EXPECT_TRUE(msg->messages().isEmpty());

    EXPECT_EQ(Forms::find("frmGear")->findChild<ListControl*>("cmbGear")->items(),
              (QStringList {"GP16-005", "GP16-010"}));
    chooseGearhead("GP16-010");

    // The dialog adds the keyway to this series' shaft list and hands the gearhead back as the option.
    EXPECT_EQ(items("cmbShaft_options"), (QStringList {"K", "S = Smooth Shaft", "K = Keyway"}));
    EXPECT_EQ(text("cmbShaft_options"), "K = Keyway");
    EXPECT_EQ(items("cmbOptions").last(), "GP16-010");
    EXPECT_EQ(text("cmbOptions"), "GP16-010");
    const AxisRecord& r = record();
    EXPECT_EQ(r.Gearhead_Code, "GP16-010");
    EXPECT_EQ(r.Gearhead_Notes, "10:1 planetary, 12 arc-min backlash, 4 N-m rated output");
    EXPECT_EQ(r.Motor_Option, "GP16-010");
    EXPECT_EQ(box("txtMotor_Part")->text(), "Motor: KX161AE-KCGP16-010");
    EXPECT_EQ(r.Drive_Part_Number, "BSD2303-A0");
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    EXPECT_TRUE(msg->messages().isEmpty());
}

// The options list keeps the gearheads the dialog added; the record follows
// what the list shows, so a file saved now reopens to the same motor.
TEST_F(DriveMotorOptionsTest, AnOptionAfterAGearheadTakesTheGearheadAlongOrBack)
{
    QStringList kx23 = kKxServo;
    kx23.last() = "GXX = Gearhead";
    configure(kx23);
    chooseGearhead("GP23-005");
    pick("cmbOptions", "0 = Standard");
    EXPECT_TRUE(record().Gearhead_Code.isEmpty());
    EXPECT_TRUE(record().Gearhead_Notes.isEmpty());
    EXPECT_EQ(record().Motor_Part_Number, "KX231AE-KC0");
    EXPECT_EQ(form()->Save_String().split('\r').at(126), "");

    pick("cmbOptions", "GP23-005");
    EXPECT_EQ(record().Gearhead_Code, "GP23-005");
    EXPECT_EQ(record().Gearhead_Notes, "5:1 planetary, 8 arc-min backlash, 11 N-m rated output");
    EXPECT_EQ(record().Motor_Part_Number, "KX231AE-KCGP23-005");
    EXPECT_TRUE(msg->messages().isEmpty());

    // On size 16 the keyway the dialog added goes back to the catalogue's,
    // which needs its gearhead.
    configure({"Servo", "BSD-230", "KX", "16", "1", "", "", "S = Smooth Shaft", "", "GXX = Gearhead"});
    chooseGearhead("GP16-005");
    pick("cmbOptions", "B = Holding Brake");
    EXPECT_EQ(msg->prompts(), QStringList {kKeywayMessage});
    EXPECT_TRUE(record().Motor_Part_Number.isEmpty());
}

// The placeholder picked again (twice) asks for another gearhead; closing the
// dialog without one changes nothing, and the project saved then reopens.
TEST_F(DriveMotorOptionsTest, ClosingTheGearheadDialogWithoutAGearheadChangesNothing)
{
    configure({"Servo", "BSD-230", "KX", "16", "1", "", "", "K", "", "GXX = Gearhead"});
    chooseGearhead("GP16-005");
    pick("cmbFeedback_Cable_Length", "10");
    const QString saved = form()->Save_String();
    for (const QString how : {"cmdCancel", "cmdDone", "close"}) {
        pick("cmbOptions", "GXX = Gearhead");
        pick("cmbOptions", "GXX = Gearhead");
        closeGearhead(how == "cmdCancel" ? "GP16-010" : "", how);
        EXPECT_EQ(text("cmbOptions"), "GP16-005");
        EXPECT_EQ(form()->Save_String(), saved) << how.toStdString();
    }
    openProject(saved);
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(form()->Save_String(), saved);
}

// A size-16 keyway that the catalogue names "K = Keyway" is valid, also once a gearhead is dropped.
TEST_F(DriveMotorOptionsTest, AKeywayEntryWithItsDescriptionIsValid)
{
    useCatalogueWith({"UPDATE [Shaft Options] SET Shaft_Options='K = Keyway' WHERE Shaft_Options='K'"});
    configure({"Servo", "BSD-230", "KX", "16", "1", "", "", "K = Keyway", "", "GXX = Gearhead"});
    chooseGearhead("GP16-005");
    pick("cmbOptions", "0 = Standard");
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(record().Motor_Part_Number, "KX161AE-KC0");
}

TEST_F(DriveMotorOptionsTest, ColbitumOptionClearsTheGearhead)
{
    configure(kCtDirectDrive);
    record().Gearhead_Code = "GP42-010";
    pick("cmbOptions", "N/A");
    EXPECT_EQ(record().Motor_Part_Number, "CTG3-40210E-SC");
    EXPECT_EQ(record().Gearhead_Code, "GP42-010");
    pick("cmbOptions", "W = Water Cooling");
    EXPECT_EQ(record().Motor_Part_Number, "CTG3-40210E-SCW");
    EXPECT_TRUE(record().Gearhead_Code.isEmpty());
    EXPECT_EQ(record().Drive_Part_Number, "BDD46-20");
    EXPECT_EQ(record().Curve_Drive_Part_Number, "BDD46-20");
}

TEST_F(DriveMotorOptionsTest, CableLengthIsHandedToTheOtherCableOnce)
{
    configure(kLmServo);
    pick("cmbFeedback_Cable_Length", "10");
    EXPECT_EQ(text("cmbMotor_Cable_Length"), "10");
    const AxisRecord& r = record();
    EXPECT_EQ(r.Motor_Cable_Part_Number, "MPC-S3-010");
    EXPECT_EQ(r.Feedback_Cable_Part_Number, "FBC-R-010");
    EXPECT_EQ(motorText(), "Motor Cable: MPC-S3-010\r\nFeedback Cable: FBC-R-010\r\nNotes: 7.50 N-m continuous, "
                           "3000 rpm max, Resolver");
    pick("cmbFeedback_Cable_Length", "3");
    EXPECT_EQ(text("cmbMotor_Cable_Length"), "10");
    EXPECT_EQ(r.Motor_Cable_Length, "10");
    EXPECT_EQ(r.Feedback_Cable_Part_Number, "FBC-R-003");
}

TEST_F(DriveMotorOptionsTest, CableLengthTheOtherCableLacksLeavesItUnselected)
{
    configure({"Servo", "BSD-48", "", "23", "1", "", "", "S = Smooth Shaft", "", "0 = Standard"});
    EXPECT_EQ(items("cmbMotor_Cable_Length"), (QStringList {"10", "3", "5"}));
    pick("cmbFeedback_Cable_Length", "15");
    EXPECT_EQ(list("cmbMotor_Cable_Length")->listIndex(), -1);
    EXPECT_TRUE(record().Motor_Cable_Length.isEmpty());
    EXPECT_EQ(motorText(), "Motor Cable: \r\nFeedback Cable: FBC-E-015\r\nNotes: 1.10 N-m continuous, 3750 rpm max, "
                           "Encoder");

    // While a project is replayed no length is handed over.
    Globals::Loading_Project = true;
    pick("cmbFeedback_Cable_Length", "10");
    EXPECT_EQ(list("cmbMotor_Cable_Length")->listIndex(), -1);
}

TEST_F(DriveMotorOptionsTest, ANewMotorChoiceDropsTheLengthsOfTheOldCables)
{
    configure(kKxServo);
    pick("cmbFeedback_Cable_Length", "10");
    ASSERT_EQ(record().Motor_Cable_Part_Number, "MPC-S1-010");

    // The same option again refills the length lists with nothing chosen: so is the record.
    pick("cmbOptions", "0 = Standard");
    EXPECT_EQ(list("cmbMotor_Cable_Length")->listIndex(), -1);
    for (const QString& slot : {record().Motor_Cable_Length, record().Motor_Cable_Part_Number,
                                record().Feedback_Cable_Length, record().Feedback_Cable_Part_Number})
        EXPECT_TRUE(slot.isEmpty());

    // A replay keeps its stored lengths, which it selects next; it selects no
    // voltage here, and what the former option gave is gone.
    pick("cmbFeedback_Cable_Length", "10");
    record().Curve_Drive_Part_Number = "stale";
    Globals::Loading_Project = true;
    pick("cmbOptions", "B = Holding Brake");
    Globals::Loading_Project = false;
    EXPECT_EQ(record().Motor_Cable_Length, "10");
    EXPECT_EQ(record().Feedback_Cable_Length, "10");
    EXPECT_EQ(record().Feedback_Cable_Part_Number, "");
    EXPECT_EQ(items("cmbDriveVoltage"), (QStringList {"120VAC", "230VAC"}));
    EXPECT_EQ(list("cmbDriveVoltage")->listIndex(), -1);
    EXPECT_EQ(record().Curve_Drive_Part_Number, "");
    EXPECT_EQ(record().Motor_Part_Number, "KX231AE-SCB");

    // Flying leads have no cables: the lists stay empty and hidden, and a
    // project saved then names none and opens again.
    configure({"", "", "", "", "", "", "", "", "L = Flying Leads", "0 = Standard"});
    EXPECT_TRUE(items("cmbMotor_Cable_Length").isEmpty());
    EXPECT_TRUE(hidden("cmbMotor_Cable_Length"));
    EXPECT_TRUE(hidden("lblMotor_Cable_Length"));
    const QStringList lines = form()->Save_String().split('\r');
    EXPECT_EQ(lines.at(16), QString());
    EXPECT_EQ(lines.at(18), QString());
    openProject(lines.join('\r'));
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(record().Motor_Part_Number, "KX231AE-SL0");
}

TEST_F(DriveMotorOptionsTest, DriveAccessoriesAreChosenInTheSharedDialog)
{
    configure({"Servo", "BSD-230"});
    ASSERT_FALSE(hidden("cmdDriveAccessories"));
    click("cmdDriveAccessories");
    auto* dialog = Forms::find<frmAccessories>("frmAccessories");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption(), "Drive Accessories");
    EXPECT_EQ(Globals::Current_Form, "frmAccessories");
    EXPECT_TRUE(dialog->optExp(0)->isHidden());
    EXPECT_TRUE(dialog->optExp(1)->isHidden());
    const QStringList offered {"BRK-R50 = 50 Ohm Braking Resistor", "FLT-230 = Line Filter, 230 VAC",
                               "PRG-USB = USB Programming Cable"};
    EXPECT_EQ(dialog->lstAccessories()->items(), offered);
    EXPECT_EQ(record().Drive_Accessory_List_Index[2], "2");
    EXPECT_EQ(record().Drive_Accessory_List_Item[2], offered.at(2));

    dialog->lstAccessories()->choose(0);
    dialog->lstAccessories()->choose(2);
    dialog->cmdDone_Click();
    processEvents();
    EXPECT_EQ(box("txtAccessories")->text(), offered.at(0) + "\r\n" + offered.at(2) + "\r\n");
    EXPECT_FALSE(hidden("txtAccessories"));
    EXPECT_FALSE(hidden("lblAccessories"));
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");

    // Opened again, the dialog shows the first choice selected.
    click("cmdDriveAccessories");
    dialog = Forms::find<frmAccessories>("frmAccessories");
    EXPECT_EQ(dialog->lstAccessories()->selectedRows(), (QList<int> {0, 2}));

    // An empty first entry hides the display.
    record().Drive_Accessory_Entry[0].clear();
    form()->Update_Accessories_Display();
    EXPECT_TRUE(hidden("txtAccessories"));
    EXPECT_TRUE(box("txtAccessories")->text().isEmpty());
}

TEST_F(DriveMotorOptionsTest, MoreThanTwentyOneAccessoriesOfferTheFirstTwentyOne)
{
    QStringList rows;
    for (int i = 10; i < 35; ++i)
        rows << QStringLiteral("INSERT INTO [Drive Only Accessories] VALUES ('BSD-48', 'A%1 = Accessory %1')").arg(i);
    useCatalogueWith(rows);
    configure({"Servo", "BSD-48"});
    click("cmdDriveAccessories");
    const QStringList offered = Forms::find<frmAccessories>("frmAccessories")->lstAccessories()->items();
    EXPECT_EQ(offered.size(), 21);
    EXPECT_EQ(offered.first(), "A10 = Accessory 10");
    EXPECT_EQ(record().Drive_Accessory_List_Item[20], offered.last());
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(DriveMotorOptionsTest, CurveButtonHandsTheCurveKeysToTheBuilderOfTheType)
{
    // The main window's sizing control, which the servo curve runs through.
    Pulvane_V4::MotorModelACX socx;
    Globals::Set_SOCX(&socx);
    const auto curveCaption = [this] {
        click("cmdCurve");
        auto* curve = Forms::find<frmCurve>("frmCurve");
        return curve ? curve->Caption() : QStringLiteral("<closed>");
    };
    configure({"Servo", "BSD-230", "KX", "23", "3", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors",
               "0 = Standard"});
    pick("cmbDriveVoltage", "230VAC");
    EXPECT_EQ(curveCaption(), "Performance Curve for a BSD2306 & KX233AE @230VAC");
    EXPECT_EQ(Forms::find<frmCurve>("frmCurve")->MotorType, "L7_Servo");
    EXPECT_EQ(Forms::find<frmCurve>("frmCurve")->BusVoltage, 325.0);

    configure(kSxStepper);
    EXPECT_EQ(curveCaption(), "Performance Curve for a SMD48-3 & SX231A__(SER,24VDC)");

    configure(kCtDirectDrive);
    EXPECT_EQ(curveCaption(), "Performance Curve for a BDD46-20 & CT40210-460");
    EXPECT_TRUE(msg->messages().isEmpty());

    // A curve the database lacks: the builder closes the window and tells the user.
    configure({"Servo", "BSD-460", "LM", "80", "4", "", "R = Resolver", "S = Smooth Shaft", "", "0 = Standard"});
    EXPECT_EQ(curveCaption(), "<closed>");
    EXPECT_EQ(msg->prompts(), QStringList {"Performance Curve Not Found"});
    Forms::unloadAll();
    Globals::Set_SOCX(nullptr);
}
