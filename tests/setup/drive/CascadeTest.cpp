#include "DriveFormTest.h"

#include "platform/ListControl.h"
#include "setup/common/TextBox.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Globals.h"

#include <QLabel>

class DriveCascadeTest : public DriveFormTest {
protected:
    void expectResultsHidden()
    {
        for (const QString& name : kResultDisplay)
            EXPECT_TRUE(hidden(name)) << name.toStdString();
    }
    QStringList captions()
    {
        return {label("lblStack_Length")->text(), label("lblWinding")->text(), label("lblFeedback")->text(),
                label("lblShaft_Options")->text(), label("lblMotor_Options")->text()};
    }
};

TEST_F(DriveCascadeTest, LoadResetsTheFormToTheTechnologyList)
{
    frmDrive_Setup* f = form();
    EXPECT_EQ(f->Caption(), "Drive and Motor Selection");
    EXPECT_EQ(f->widthTwips(), 13110);
    EXPECT_EQ(f->heightTwips(), 9195);
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    EXPECT_EQ(Globals::System_Type, 4);
    EXPECT_EQ(Globals::Current_Axis, 1);

    EXPECT_EQ(items("cmbMotor_Tech"), (QStringList {"Direct Drive", "Servo", "Stepper"}));
    EXPECT_EQ(list("cmbMotor_Tech")->listIndex(), -1);
    EXPECT_TRUE(enabled("cmbMotor_Tech"));
    for (const char* name : {"cmbDrive", "cmbMotor_Series", "cmbFrame_size", "cmbStack_length", "cmbWinding",
                             "cmbFeedback", "cmbShaft_options", "cmbCable_Option", "cmbOptions"}) {
        EXPECT_TRUE(items(name).isEmpty()) << name;
        EXPECT_FALSE(enabled(name)) << name;
    }
    expectResultsHidden();
    for (const char* name : {"cmdDriveAccessories", "picDrive", "picMotor_Series", "txtAccessories", "lblAccessories"})
        EXPECT_TRUE(hidden(name)) << name;
    EXPECT_EQ(record(), AxisRecord {});
    EXPECT_FALSE(Globals::Loading_Lists);
}

TEST_F(DriveCascadeTest, TechnologyListsItsDrivesAndTheSeriesOfferedWithDrives)
{
    pick("cmbMotor_Tech", "Servo");
    EXPECT_EQ(items("cmbDrive"), (QStringList {"BSD-230", "BSD-460", "BSD-48", "ZU"}));
    // iQO comes with drive/controllers only.
    EXPECT_EQ(items("cmbMotor_Series"), (QStringList {"KX", "LM", "QDM", "ZU"}));
    EXPECT_TRUE(enabled("cmbDrive"));
    EXPECT_TRUE(enabled("cmbMotor_Series"));
    EXPECT_EQ(list("cmbDrive")->listIndex(), -1);
    EXPECT_EQ(record().Motor_Technology, "Servo");

    // Another technology starts the form again but keeps the technology list and its choice.
    pick("cmbDrive", "BSD-230");
    pick("cmbMotor_Tech", "Stepper");
    EXPECT_EQ(items("cmbMotor_Tech"), (QStringList {"Direct Drive", "Servo", "Stepper"}));
    EXPECT_EQ(text("cmbMotor_Tech"), "Stepper");
    EXPECT_EQ(items("cmbDrive"), (QStringList {"SMD-230", "SMD-48"}));
    EXPECT_EQ(items("cmbMotor_Series"), (QStringList {"ST", "SX"}));
    EXPECT_TRUE(hidden("cmdDriveAccessories"));
    EXPECT_TRUE(record().Drive_Name.isEmpty());
    EXPECT_EQ(record().Motor_Technology, "Stepper");
}

TEST_F(DriveCascadeTest, DriveFirstNarrowsTheSeriesAndSingleEntriesSelectThemselves)
{
    configure({"Servo", "BSD-48"});
    EXPECT_FALSE(hidden("picDrive"));
    EXPECT_FALSE(hidden("cmdDriveAccessories"));
    // BSD-48 drives KX alone: the series selects itself and lists its frame sizes.
    EXPECT_EQ(items("cmbMotor_Series"), (QStringList {"KX"}));
    EXPECT_EQ(text("cmbMotor_Series"), "KX");
    EXPECT_FALSE(hidden("picMotor_Series"));
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"16", "23"}));
    EXPECT_EQ(list("cmbFrame_size")->listIndex(), -1);
    EXPECT_TRUE(enabled("cmbFrame_size"));
    EXPECT_FALSE(enabled("cmbStack_length"));
    EXPECT_EQ(record().Drive_Name, "BSD-48");
    EXPECT_EQ(record().Motor_Series, "KX");
    EXPECT_EQ(record().Part_Number_Type, "L7_Servo");
}

TEST_F(DriveCascadeTest, SeriesFirstListsTheDrivesThatPairWithIt)
{
    configure({"Servo", "", "LM"});
    EXPECT_EQ(items("cmbDrive"), (QStringList {"BSD-230", "BSD-460"}));
    EXPECT_EQ(list("cmbDrive")->listIndex(), -1);
    EXPECT_TRUE(items("cmbFrame_size").isEmpty());
    EXPECT_FALSE(enabled("cmbFrame_size"));

    pick("cmbDrive", "BSD-460");
    EXPECT_EQ(text("cmbMotor_Series"), "LM");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"60", "80"}));
    pick("cmbFrame_size", "80");
    EXPECT_EQ(items("cmbStack_length"), (QStringList {"2", "4"}));
    EXPECT_EQ(record().Frame_Size, "80");
}

TEST_F(DriveCascadeTest, ChainOfOneEntryListsRunsDownToTheMotorOptionsInOneChoice)
{
    configure({"Servo", "", "ZU"});
    EXPECT_EQ(text("cmbDrive"), "ZU");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"23", "34"}));

    pick("cmbFrame_size", "34");
    EXPECT_EQ(text("cmbStack_length"), "2");
    EXPECT_EQ(text("cmbWinding"), "D");
    EXPECT_EQ(text("cmbFeedback"), "E = Encoder");
    EXPECT_EQ(text("cmbShaft_options"), "S = Smooth Shaft");
    EXPECT_EQ(text("cmbCable_Option"), "N/A");
    EXPECT_EQ(text("cmbOptions"), "0 = Standard");
    EXPECT_EQ(box("txtMotor_Part")->text(), "Motor: ZU342DE-S0");
    EXPECT_EQ(text("cmbDriveVoltage"), "24VDC");
    EXPECT_EQ(box("txtDrive")->text(), "Drive: ZU34-DC\r\nNotes: 28.3 A continuous, 56.6 A peak (rms), 24-48 VDC integrated drive");
    EXPECT_FALSE(hidden("cmdCurve"));
    const AxisRecord& r = record();
    EXPECT_EQ(r.Frame_Size, "34");
    EXPECT_EQ(r.Stack_Length, "2");
    EXPECT_EQ(r.Winding, "D");
    EXPECT_EQ(r.Feedback, "E = Encoder");
    EXPECT_EQ(r.Shaft_Option, "S = Smooth Shaft");
    EXPECT_EQ(r.Cable_Option, "N/A");
    EXPECT_EQ(r.Motor_Option, "0 = Standard");
    EXPECT_FALSE(Globals::Loading_Lists);
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(DriveCascadeTest, CaptionsFollowThePartNumberType)
{
    const QStringList servo {"Stack Length", "Winding", "Feedback", "Shaft Options", "Motor Options"};
    EXPECT_EQ(captions(), servo);
    configure({"Servo", "", "QDM"});
    EXPECT_EQ(captions(), (QStringList {"Stack Length", "Winding", "Mounting", "Feedback", "Motor Options"}));
    pick("cmbMotor_Series", "KX");
    EXPECT_EQ(captions(), servo);

    configure({"Stepper", "", "SX"});
    EXPECT_EQ(captions(), (QStringList {"Stack Length", "Winding", "Shaft", "Shaft Options", "Motor Options"}));
    configure({"Direct Drive", "", "CT"});
    EXPECT_EQ(captions(), (QStringList {"Motor Diameter", "Voltage", "Misc", "Shaft Options", "Options"}));
    EXPECT_EQ(label("lblFrame_Size")->text(), "Frame Size");
    EXPECT_EQ(label("lblCable_Option")->text(), "Cable Options");
}

TEST_F(DriveCascadeTest, QdServoExchangesTheFourthAndFifthLists)
{
    configure({"Servo", "BSD-230", "QDM", "130 = 130 mm", "2"});
    EXPECT_EQ(text("cmbWinding"), "A");
    // The fourth list offers the mountings of the series, frame and stack.
    EXPECT_EQ(items("cmbFeedback"), (QStringList {"M1 = IEC Flange", "M2 = NEMA Face"}));
    pick("cmbFeedback", "M1 = IEC Flange");
    EXPECT_EQ(record().Shaft_Option, "M1 = IEC Flange");
    EXPECT_EQ(items("cmbShaft_options"), (QStringList {"A = Absolute Encoder", "E = Encoder"}));
    EXPECT_EQ(list("cmbShaft_options")->listIndex(), -1);

    pick("cmbShaft_options", "E = Encoder");
    EXPECT_EQ(record().Feedback, "E = Encoder");
    EXPECT_EQ(text("cmbCable_Option"), "C = Connectors");
    // Options rows are matched on their feedback column against the mounting.
    EXPECT_EQ(items("cmbOptions"), (QStringList {"0 = Standard", "B = Holding Brake", "W = Washdown Seal"}));

    // Another mounting empties the lists below and the feedback with them.
    pick("cmbFeedback", "M2 = NEMA Face");
    EXPECT_EQ(record().Shaft_Option, "M2 = NEMA Face");
    EXPECT_EQ(record().Feedback, "");
    EXPECT_TRUE(items("cmbCable_Option").isEmpty());
    EXPECT_FALSE(enabled("cmbCable_Option"));
    pick("cmbShaft_options", "A = Absolute Encoder");
    EXPECT_EQ(items("cmbOptions"), (QStringList {"0 = Standard", "B = Holding Brake"}));
}

TEST_F(DriveCascadeTest, QdServoFeedbackWaitsForTheUserEvenAlone)
{
    useCatalogueWith({"DELETE FROM [Drive to Motor] WHERE [Drive Name]='BSD-230' AND [Motor Name]='QDM' "
                      "AND Feedback='A = Absolute Encoder'"});
    configure({"Servo", "BSD-230", "QDM", "092 = 92 mm", "1"});
    // One mounting selects itself; the one feedback after it does not.
    EXPECT_EQ(text("cmbFeedback"), "M1 = IEC Flange");
    EXPECT_EQ(items("cmbShaft_options"), (QStringList {"E = Encoder"}));
    EXPECT_EQ(list("cmbShaft_options")->listIndex(), -1);
    EXPECT_TRUE(items("cmbCable_Option").isEmpty());
}

TEST_F(DriveCascadeTest, AnEarlierChoiceClearsEverythingBelowIt)
{
    configure({"Servo", "", "ZU", "34"});
    ASSERT_FALSE(record().Drive_Part_Number.isEmpty());

    pick("cmbFrame_size", "23");
    expectResultsHidden();
    EXPECT_EQ(items("cmbStack_length"), (QStringList {"1", "2"}));
    for (const char* name : {"cmbWinding", "cmbFeedback", "cmbShaft_options", "cmbCable_Option", "cmbOptions"}) {
        EXPECT_TRUE(items(name).isEmpty()) << name;
        EXPECT_FALSE(enabled(name)) << name;
    }
    const AxisRecord& r = record();
    EXPECT_EQ(r.Frame_Size, "23");
    for (const QString& slot : {r.Stack_Length, r.Winding, r.Feedback, r.Shaft_Option, r.Cable_Option,
                                r.Motor_Option, r.Drive_Voltage, r.Drive_Part_Number, r.Motor_Part_Number,
                                r.Curve_Drive_Part_Number, r.Curve_Motor_Part_Number})
        EXPECT_TRUE(slot.isEmpty()) << slot.toStdString();
    EXPECT_EQ(r.Bus_Voltage, 0.0);
}

TEST_F(DriveCascadeTest, ReplayKeepsStoredSlotsButClearsDerivedOnes)
{
    configure({"Servo", "", "ZU", "34"});
    record().Gearhead_Code = "GP16-005";

    Globals::Loading_Project = true;
    pick("cmbFrame_size", "23");
    const AxisRecord& r = record();
    EXPECT_EQ(r.Stack_Length, "2");
    EXPECT_EQ(r.Motor_Option, "0 = Standard");
    EXPECT_EQ(r.Gearhead_Code, "GP16-005");
    EXPECT_EQ(r.Drive_Voltage, "24VDC");
    // What the voltage gave comes back when the replay selects it.
    EXPECT_EQ(r.Bus_Voltage, 0.0);
    EXPECT_TRUE(r.Drive_Part_Number.isEmpty());
    EXPECT_TRUE(r.Motor_Part_Number.isEmpty());
    EXPECT_TRUE(r.Curve_Drive_Part_Number.isEmpty());
    EXPECT_TRUE(r.Curve_Motor_Part_Number.isEmpty());
}

TEST_F(DriveCascadeTest, FrameSizeWaitsForThePartNumberType)
{
    configure({"Servo", "", "ZU"});
    record().Part_Number_Type.clear();
    pick("cmbFrame_size", "34");
    EXPECT_TRUE(items("cmbStack_length").isEmpty());
    EXPECT_TRUE(record().Frame_Size.isEmpty());
}

TEST_F(DriveCascadeTest, PickingTheSameDriveAgainRunsItsHandlerAgain)
{
    configure({"Servo", "", "ZU", "34"});
    pick("cmbDrive", "ZU");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"23", "34"}));
    EXPECT_EQ(list("cmbFrame_size")->listIndex(), -1);
    EXPECT_TRUE(items("cmbStack_length").isEmpty());
    EXPECT_TRUE(record().Frame_Size.isEmpty());
    expectResultsHidden();
}

TEST_F(DriveCascadeTest, IncompatibleDriveAnsweredYesResetsTheForm)
{
    configure({"Servo", "BSD-48"});
    msg->queue(MsgBox::Yes);
    pick("cmbDrive", "ZU"); // the series KX stays selected: ZU does not drive it
    expectOnlyMessage(kDrivePrompt, MsgBox::YesNo);
    EXPECT_EQ(items("cmbMotor_Tech"), (QStringList {"Direct Drive", "Servo", "Stepper"}));
    EXPECT_EQ(list("cmbMotor_Tech")->listIndex(), -1);
    EXPECT_TRUE(items("cmbDrive").isEmpty());
    EXPECT_EQ(record(), AxisRecord {});
    EXPECT_FALSE(Globals::Loading_Lists);
}

TEST_F(DriveCascadeTest, IncompatibleDriveAnsweredNoLeavesTheAxisAsItWas)
{
    configure({"Servo", "BSD-48"});
    record().Drive_Accessory_Entry[0] = "PRG-USB = USB Programming Cable";
    const AxisRecord before = record();
    msg->queue(MsgBox::No);
    pick("cmbDrive", "ZU");
    ASSERT_EQ(msg->prompts(), QStringList {kDrivePrompt});
    EXPECT_EQ(text("cmbDrive"), "BSD-48");
    EXPECT_EQ(text("cmbMotor_Series"), "KX");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"16", "23"}));
    EXPECT_EQ(record(), before);
    EXPECT_FALSE(Globals::Loading_Lists);
}

TEST_F(DriveCascadeTest, IncompatibleSeriesAnsweredNoKeepsTheSeriesAndItsType)
{
    configure({"Servo", "", "ZU"}); // the drive ZU selects itself
    msg->queue(MsgBox::No);
    pick("cmbMotor_Series", "QDM");
    ASSERT_EQ(msg->prompts(), QStringList {kDrivePrompt});
    EXPECT_EQ(text("cmbMotor_Series"), "ZU");
    EXPECT_EQ(record().Motor_Series, "ZU");
    EXPECT_EQ(record().Part_Number_Type, "L7_Servo");
    EXPECT_EQ(label("lblFeedback")->text(), "Feedback");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"23", "34"}));
    EXPECT_FALSE(Globals::Loading_Lists);

    // The same with Yes starts the form again.
    msg->queue(MsgBox::Yes);
    pick("cmbMotor_Series", "KX");
    EXPECT_TRUE(items("cmbMotor_Series").isEmpty());
    EXPECT_EQ(record(), AxisRecord {});
}

TEST_F(DriveCascadeTest, ListsAreNotCutShortAndSkipNullValues)
{
    QStringList rows;
    for (int frame = 10; frame < 35; ++frame)
        rows << QStringLiteral("INSERT INTO [Drive to Motor] ([Drive Name],[Motor Name],Frame_Size,Stack_Length) "
                               "VALUES ('BSD-230','KX','F%1','1')")
                    .arg(frame);
    rows << "INSERT INTO [Drive to Motor] ([Drive Name],[Motor Name],Frame_Size) VALUES ('BSD-230','KX',NULL)";
    useCatalogueWith(rows);
    configure({"Servo", "BSD-230", "KX"});
    const QStringList frames = items("cmbFrame_size");
    EXPECT_EQ(frames.size(), 28); // 16, 23, 34 and 25 more
    EXPECT_EQ(frames.first(), "16");
    EXPECT_EQ(frames.last(), "F34");
    EXPECT_FALSE(frames.contains(QString()));
}

TEST_F(DriveCascadeTest, AValueWithAQuoteWorksAndAMissingPictureStaysHidden)
{
    useCatalogueWith({"INSERT INTO Motors VALUES ('O''Neil', 'Servo', 1, 0, 'L7_Servo')",
                      "INSERT INTO [Drive to Motor] ([Drive Name],[Motor Name],Frame_Size,Stack_Length) "
                      "VALUES ('BSD-230','O''Neil','57','1')"});
    configure({"Servo", "", "O'Neil"});
    EXPECT_EQ(text("cmbDrive"), "BSD-230");
    EXPECT_FALSE(hidden("picDrive"));
    EXPECT_TRUE(hidden("picMotor_Series"));
    EXPECT_EQ(text("cmbFrame_size"), "57");
    EXPECT_EQ(items("cmbStack_length"), QStringList {"1"});
    EXPECT_EQ(record().Motor_Series, "O'Neil");
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(DriveCascadeTest, ResetAllKeepsTheFormOpenAndEmptiesIt)
{
    configure({"Servo", "", "ZU", "34"});
    form()->Reset();
    EXPECT_EQ(list("cmbMotor_Tech")->listIndex(), -1);
    EXPECT_EQ(items("cmbMotor_Tech").size(), 3);
    EXPECT_TRUE(items("cmbDrive").isEmpty());
    expectResultsHidden();
    // Nothing of the motor stays chosen in the hidden lists.
    EXPECT_TRUE(items("cmbDriveVoltage").isEmpty());
    EXPECT_EQ(record(), AxisRecord {});
}
