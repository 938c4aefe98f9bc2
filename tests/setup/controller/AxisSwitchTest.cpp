#include "ControllerFormTest.h"

#include "CascadeWalker.h"
#include "CatalogueDatabases.h"

#include "platform/ListControl.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/common/TextBox.h"
#include "shell/Globals.h"

#include <QLabel>

using namespace Globals;

namespace {

const QStringList kShownLists = kAxisLists + QStringList {"cmbController", "cmbAxis_Number", "cmbReq_Accessories_length"};
const QStringList kShownTexts {"txtController", "txtDrive", "txtMotor", "txtMotor_Part"};

} // namespace

class AxisSwitchTest : public ControllerFormTest {
protected:
    // What the form shows: every list with its entries and selection, the texts
    // and which of them are hidden, the captions of the detail lists.
    QStringList shown()
    {
        QStringList out;
        for (const QString& name : kShownLists)
            out << name + (hidden(name) ? QString(" hidden")
                                        : ": " + items(name).join('|') + " > " + text(name)
                                              + (enabled(name) ? "" : " disabled"));
        for (const QString& name : kShownTexts)
            out << name + ": " + box(name)->text() + (hidden(name) ? " hidden" : "");
        for (const char* name : {"lblWinding", "lblFeedback", "lblShaft_Options"})
            out << label(name)->text();
        for (const char* name : {"picDrive", "picMotor_Series", "cmdCurve", "cmdDriveAccessories"})
            out << QString(name) + (hidden(name) ? " hidden" : "");
        return out;
    }

    // One complete servo axis under KEX200 with every length, breakout and drive accessory chosen.
    void configureServoAxis()
    {
        configure({"Servo", "BSD-460", "LM", "80", "2", "", "R = Resolver", "S = Smooth Shaft", "", "0 = Standard",
                   "400VAC", "", "15", "3", "5"});
        pick("cmbAxis_Number", "4");
        pick("cmbReq_Accessories_length", "2");
        axis(Current_Axis).Drive_Accessory_Entry[0] = "CTB-26 = Command Terminal Block";
        axis(Current_Axis).Drive_Accessory_Quantity[0] = "1";
        axis(Current_Axis).Drive_Accessory_List_Item[20] = "BRK-R100 = 100 Ohm Braking Resistor";
    }
};

TEST_F(AxisSwitchTest, AnAxisComesBackAsItWasLeft)
{
    form();
    pick("cmbController", "KEX200");
    useAxes(4);
    configureServoAxis();
    ASSERT_EQ(axis(1).Drive_Part_Number, "BSD4604-A0");
    ASSERT_EQ(axis(1).Motor_Cable_Part_Number, "MPC-S3-015");
    ASSERT_EQ(axis(1).Feedback_Cable_Part_Number, "FBC-R-003");
    ASSERT_EQ(axis(1).Controller_Cable_Part_Number, "CDC-SV-005");
    ASSERT_EQ(Required_Accessory_Part_Number, "TNL-BK4-02");
    const QStringList before = shown();
    const AxisRecord record = axis(1);

    switchTo(2);
    EXPECT_EQ(Current_Axis, 2);
    EXPECT_EQ(text("cmbMotor_Tech"), "");
    for (const QString& name : kAxisLists.mid(1, 9))
        EXPECT_TRUE(items(name).isEmpty()) << name.toStdString();
    EXPECT_EQ(items("cmbReplicate"), (QStringList {"Axis 1", "Axis 3", "Axis 4"}));
    EXPECT_FALSE(hidden("cmbReplicate"));
    EXPECT_EQ(axis(2), AxisRecord());
    // The breakout belongs to the controller, the cables to the axis.
    EXPECT_EQ(text("cmbAxis_Number"), "4");
    EXPECT_EQ(box("txtController")->text(), "Required Controller Accessories: TNL-BK4-02\r\n"
                                            "Drive Specific Controller Accessory: \r\nCables: \r\nNotes: ");

    switchTo(1);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(axis(1), record);
    EXPECT_EQ(Required_Accessory_Part_Number, "TNL-BK4-02");
    EXPECT_FALSE(Loading_Project);
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(AxisSwitchTest, ACopyTakesTheSelectionsAndTheReplayRebuildsTheRest)
{
    form();
    pick("cmbController", "KEX200");
    useAxes(4);
    configureServoAxis();
    axis(1).Switching_Frequency = "8 kHz";
    switchTo(2);
    axis(2).Switching_Frequency = "16 kHz";
    axis(2).Drive_Accessory_Entry[5] = "left over";

    pick("cmbReplicate", "Axis 1");
    // Copied whole, the switching frequency of the former motor too; what is
    // derived the replay rebuilds the same.
    EXPECT_EQ(axis(2), axis(1));
    EXPECT_EQ(text("cmbReplicate"), "");
    EXPECT_EQ(items("cmbReplicate"), (QStringList {"Axis 1", "Axis 3", "Axis 4"}));
    EXPECT_EQ(text("cmbOptions"), "0 = Standard");
    EXPECT_EQ(text("cmbDriveVoltage"), "400VAC");
    EXPECT_EQ(text("cmbController_Cable_Length"), "5");
    EXPECT_EQ(axis(1).Switching_Frequency, "8 kHz");
    EXPECT_FALSE(Loading_Project);

    // A stepper copied onto a servo axis: its wiring comes with it.
    switchTo(3);
    configure({"Stepper", "SMD-48", "SX", "23", "3", "A", "S = Single Shaft", "R = Round Shaft", "C = Connector",
               "None", "48VDC", "PARALLEL"});
    switchTo(2);
    pick("cmbReplicate", "Axis 3");
    EXPECT_EQ(axis(2).Motor_Wiring, "PARALLEL");
    EXPECT_EQ(axis(2).Drive_Part_Number, "SMD48-6");
    EXPECT_EQ(text("cmbWiring"), "PARALLEL");
    EXPECT_EQ(axis(2).Drive_Accessory_Entry[0], "");
    EXPECT_TRUE(msg->messages().isEmpty());
}

// Closing the gearhead dialog without a gearhead changes nothing, and notes
// typed in it survive an axis switch, a copy and a reopened project.
TEST_F(AxisSwitchTest, TheGearheadAndItsTypedNotesSurviveCancelSwitchCopyAndReopen)
{
    form();
    pick("cmbController", "KEX200");
    useAxes(4);
    configure({"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors",
               "GXX = Gearhead"});
    closeGearhead("GP23-005", "cmdDone", "Typed notes");
    const QString saved = form()->Save_String();
    pick("cmbOptions", "GXX = Gearhead");
    closeGearhead("", "cmdCancel");
    switchTo(2);
    switchTo(1);
    EXPECT_EQ(form()->Save_String(), saved);
    switchTo(2);
    pick("cmbReplicate", "Axis 1");
    EXPECT_EQ(axis(2).Gearhead_Notes, "Typed notes");
    const QString copied = form()->Save_String();
    form()->Reset();
    openProject(copied);
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(form()->Save_String(), copied);
}

TEST_F(AxisSwitchTest, TheAxisListsHoldTheControllersAxesUpToSixteen)
{
    form();
    pick("cmbController", "BMC1600");
    useAxes(12);
    switchTo(3);
    QStringList others {"Axis 1", "Axis 2"};
    for (int a = 4; a <= 12; ++a)
        others << QStringLiteral("Axis %1").arg(a);
    EXPECT_EQ(items("cmbReplicate"), others);
    axis(12).Motor_Technology = "Stepper";
    axis(10).Motor_Technology = "Direct Drive";
    pick("cmbReplicate", "Axis 12");
    EXPECT_EQ(axis(3).Motor_Technology, "Stepper");
    pick("cmbReplicate", "Axis 10");
    EXPECT_EQ(axis(3).Motor_Technology, "Direct Drive");
    EXPECT_EQ(text("cmbMotor_Tech"), "Direct Drive");

    useAxes(20);
    EXPECT_EQ(items("cmbAxis").size(), 16);
    EXPECT_EQ(items("cmbAxis").last(), "Axis 16");
    EXPECT_EQ(text("cmbAxis"), "Axis 3");
    EXPECT_EQ(items("cmbReplicate").size(), 15);
    // A list without a selection changes nothing; a switch or copy inside a
    // replay leaves the replay's flag set.
    Loading_Project = true;
    list("cmbAxis")->setListIndex(-1);
    EXPECT_EQ(Current_Axis, 3);
    list("cmbAxis")->setListIndex(4);
    EXPECT_EQ(Current_Axis, 5);
    pick("cmbReplicate", "Axis 12");
    EXPECT_TRUE(Loading_Project);
    Loading_Project = false;
    EXPECT_EQ(axis(5).Motor_Technology, "Stepper");
}

TEST_F(AxisSwitchTest, AQdServoAxisWithABareFrameCodeShowsItsItem)
{
    // Frame sizes as the older files stored them ("190" for "190 = 8 in").
    QStringList renames;
    for (const char* table : {"[Drive to Motor]", "[Shaft Options]", "Options"})
        renames << QStringLiteral("UPDATE %1 SET Frame_Size = '190 = 8 in' WHERE Frame_Size = '130 = 130 mm'")
                       .arg(table);
    useCatalogueWith(renames);
    form();
    pick("cmbController", "KEX200");
    useAxes(3);
    switchTo(3);
    configure({"Servo", "BSD-230", "QDM", "190 = 8 in", "2", "", "M1 = IEC Flange", "E = Encoder", "",
               "W = Washdown Seal"});
    const AxisRecord record = axis(3);
    ASSERT_FALSE(record.Drive_Part_Number.isEmpty());
    // An older file holds the bare code: the axis opens, and shows again, with its item.
    QStringList lines = form()->Save_String().split('\r');
    // Axis 3's block begins at line 260; its frame size is its fifth line.
    ASSERT_EQ(lines.at(263), "190 = 8 in");
    lines[263] = "190";
    openProject(lines.join('\r'));
    EXPECT_EQ(msg->prompts(), QStringList {});
    switchTo(3);
    switchTo(1);
    switchTo(3);
    EXPECT_EQ(text("cmbFrame_size"), "190 = 8 in");
    EXPECT_EQ(text("cmbFeedback"), "M1 = IEC Flange");
    EXPECT_EQ(text("cmbShaft_options"), "E = Encoder");
    EXPECT_EQ(axis(3), record);
}

// Every series the catalogue offers with drives, each on its own axis of the
// first controller that runs it, down to the cable lengths; then each axis is
// shown again and holds its own selections.
TEST_F(AxisSwitchTest, EveryPathOfTheSampleCatalogueOnTheAxesOfOneController)
{
    const QMap<QString, CascadePath> paths = CascadeWalker(CatalogueDatabases::product()).controllerPaths();
    QMap<QString, QList<CascadePath>> byController;
    for (const CascadePath& path : paths)
        byController[path.controller] << path;
    ASSERT_EQ(paths.size(), 8);

    form();
    for (auto it = byController.cbegin(); it != byController.cend(); ++it) {
        form()->Reset();
        pick("cmbController", it.key());
        const QList<CascadePath>& onIt = it.value();
        useAxes(static_cast<int>(onIt.size()));
        QList<AxisRecord> records;
        QList<QStringList> views;
        for (int a = 1; a <= onIt.size(); ++a) {
            const CascadePath& p = onIt.at(a - 1);
            switchTo(a);
            configure({p.technology, p.drive, p.series, p.frame, p.stack, p.winding});
            const bool qd = axis(a).Part_Number_Type == "QD_Servo";
            configure({"", "", "", "", "", "", qd ? p.shaft : p.feedback, qd ? p.feedback : p.shaft, p.cableOption,
                       p.motorOption, p.voltage, p.wiring, p.motorCableLengths.value(0),
                       p.feedbackCableLengths.value(0)});
            ASSERT_EQ(axis(a).Drive_Part_Number, p.drivePartNumber) << p.describe().toStdString();
            ASSERT_EQ(axis(a).Curve_Motor_Part_Number, p.curveMotorKey) << p.describe().toStdString();
            ASSERT_EQ(axis(a).Curve_Drive_Part_Number, p.curveDriveKey) << p.describe().toStdString();
            ASSERT_FALSE(axis(a).Motor_Cable_Part_Number.isEmpty()) << p.describe().toStdString();
            records << axis(a);
            views << shown();
        }
        for (int a = static_cast<int>(onIt.size()); a >= 1; --a) {
            switchTo(a);
            EXPECT_EQ(axis(a), records.at(a - 1)) << onIt.at(a - 1).describe().toStdString();
            EXPECT_EQ(shown(), views.at(a - 1)) << onIt.at(a - 1).describe().toStdString();
        }
    }
    EXPECT_TRUE(msg->messages().isEmpty());
}
