#include "ControllerSystemTest.h"

#include "CascadeWalker.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/controller/frmController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/frmAccessories.h"
#include "shell/mdiMain.h"
#include "support/OfferedBill.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>

using namespace Globals;

namespace {

const QStringList kBmc300 {"3 = 3 Axes", "E = Encoder", "0 = No I/O", "E = Ethernet"};
const QStringList kBmc1600 {"16 = 16 Axes", "E = Encoder", "0 = No I/O", "E = Ethernet"};
const QStringList kKex4Axes {"D = DIN Rail", "", "4 = 4 Axes", "E = Ethernet", "", "0 = No Display"};

class ControllerProjectFileTest : public ControllerSystemTest {
protected:
    // Saved, reset and opened again: every axis, the controller and the
    // report as they were, no message, no flag left, the options dialog open.
    void expectReopens()
    {
        const QString saved = form()->Save_String();
        const std::array<AxisRecord, 16> axes = Axis;
        const QString controller = controllerState();
        const QString report = Build_Report();
        form()->Reset();
        openProject(saved);
        EXPECT_EQ(msg->prompts(), QStringList {});
        EXPECT_FALSE(Loading_Project || Loading_Lists);
        for (int a = 1; a <= 16; ++a)
            EXPECT_EQ(axis(a), axes.at(static_cast<std::size_t>(a - 1))) << "axis " << a;
        EXPECT_EQ(controllerState(), controller);
        EXPECT_EQ(Build_Report(), report);
        EXPECT_EQ(form()->Save_String(), saved);
        EXPECT_EQ(text("cmbAxis"), "Axis 1");
        EXPECT_EQ(Current_Axis, 1);
        EXPECT_EQ(Current_Form, "frmControl");
    }

    // Refused: nothing of the file stays to be reported or saved.
    void expectRefused(const QString& project)
    {
        msg->clear();
        form()->Reset();
        const QString file = form()->Save_String();
        const QString report = Build_Report();
        openProject(project);
        EXPECT_EQ(msg->prompts(), QStringList {kLoadError});
        EXPECT_FALSE(Loading_Project || Loading_Lists);
        EXPECT_FALSE(Forms::isLoaded("frmControl"));
        EXPECT_EQ(form()->Save_String(), file);
        EXPECT_EQ(Build_Report(), report);
        EXPECT_EQ(text("cmbMotor_Tech"), "");
    }

    // The first `count` lines of a project text, each ended by its CR.
    static QString firstLines(const QString& text, int count)
    {
        return QStringList(text.split('\r').mid(0, count)).join('\r') + '\r';
    }
};

} // namespace

TEST_F(ControllerProjectFileTest, ThreeAxesFillTheLinesOfTheirBlocksAndTheControllersLines)
{
    const QList<CascadePath> paths = pathsOn("BMC300");
    // Two technologies.
    const auto other = std::find_if(paths.begin(), paths.end(),
                                    [&](const CascadePath& p) { return p.technology != paths.at(0).technology; });
    ASSERT_NE(other, paths.end());
    configureController("BMC300", kBmc300);
    click("cmdController");
    chooseAccessories({"HMI-7 = 7 in Touch Panel"});
    closeAccessories();
    clickIn(options(), "cmdDone");
    configureAxis(1, paths.at(0));
    configureAxis(2, *other);
    switchTo(3);
    pick("cmbReplicate", "Axis 1");

    const QStringList lines = form()->Save_String().split('\r');
    ASSERT_EQ(lines.size(), 1194);
    EXPECT_EQ(lines.last(), "");
    const QList<QPair<int, QString>> expected = {
        {1, "1"},
        {2, axis(1).Part_Number_Type},
        {13, axis(1).Drive_Name},
        {128, axis(1).Controller_Cable},
        {129, axis(1).Controller_Cable_Length},
        {131, axis(2).Part_Number_Type},
        {142, axis(2).Drive_Name},
        {260, axis(3).Part_Number_Type},
        {1034, "BMC3-E0E"},
        {1035, "BMC300"},
        {1037, "0"},
        {1038, "BRK-300"},
        {1041, "3"},
        {1042, "3"},
        {1043, "0"},
        {1045, "3 = 3 Axes"},
        {1050, "N/A"},
        {1065, "7 in Touch Panel"},
        {1086, "0"},
        {1107, "HMI-7 = 7 in Touch Panel"},
        {1128, "1"},
        {1150, "PS-24-05 = 24 VDC 5 A Power Supply"},
        {1170, axis(1).Drive_Voltage},
        {1171, axis(2).Drive_Voltage},
        {1173, ""},
        {1178, axis(1).Motor_Wiring},
        {1186, axis(1).Motor_Technology},
        {1187, axis(2).Motor_Technology},
        {1193, ""},
    };
    for (const auto& [line, value] : expected)
        EXPECT_EQ(lines.at(line - 1), value) << "line " << line;
    EXPECT_EQ(lines.mid(259, 129), lines.mid(1, 129)); // the copy

    expectReopens();
    // Reopened, the options dialog closed by its close box keeps the accessories.
    closeByCloseBox(options());
    EXPECT_EQ(Controller_Accessory_Entry[0], "HMI-7 = 7 in Touch Panel");
}

TEST_F(ControllerProjectFileTest, ShortFilesLoadUpToTheirLastNeededLine)
{
    configureController("KEX200", kKex4Axes);
    configureAxis(1, pathsOn("KEX200").at(0));
    const QString saved = form()->Save_String();

    // 1168 lines: the empty piece after the last CR is the last accessory item.
    form()->Reset();
    openProject(firstLines(saved, 1168));
    EXPECT_EQ(msg->prompts(), QStringList {});
    EXPECT_EQ(axis(1).Drive_Part_Number.isEmpty(), false);
    // Without the voltage lines the first voltage offered is chosen.
    EXPECT_EQ(text("cmbDriveVoltage"), list("cmbDriveVoltage")->list(0));

    expectRefused(firstLines(saved, 1167));
    // An axis count the form cannot have: more than its axes, above eight
    // without the extension, below none, no number.
    QStringList lines = saved.split('\r');
    for (const char* count : {"20", "16", "-1", "x"}) {
        SCOPED_TRACE(count);
        lines[1040] = count;
        expectRefused(lines.join('\r'));
    }
    // Saved before its options were done (none) or while they were changed
    // (another count): the user's own file opens, none taking the controller's count.
    for (const auto& [count, reopened] : {std::pair {"0", 4}, std::pair {"6", 6}}) {
        SCOPED_TRACE(count);
        lines[1040] = count;
        msg->clear();
        form()->Reset();
        openProject(lines.join('\r'));
        EXPECT_EQ(msg->prompts(), QStringList {});
        EXPECT_EQ(Total_Axes, reopened);
    }
    lines = saved.split('\r');
    lines[1034] = "KEX999"; // a controller the catalogue no longer has
    expectRefused(lines.join('\r'));
    EXPECT_EQ(text("cmbController"), "");
}

// A fault of the catalogue is named at Open, not blamed on the project file:
// a table it lacks, a Null command cable or drive accessory, a row without a
// value a step needs. A row without its name is not listed: the product the
// file names is no longer offered.
TEST_F(ControllerProjectFileTest, OpenNamesTheCataloguesFaultNotTheFiles)
{
    configureController("KEX200", kKex4Axes);
    configureAxis(1, pathsOn("KEX200").at(0));
    const AxisRecord& first = axis(1);
    QTemporaryDir dir;
    const QString path = dir.filePath("kex.dat");
    ASSERT_TRUE(Write_File(path, form()->Save_String(), true));
    const QString database = "The database System Databases97.mdb ";
    QList<QPair<QString, QString>> cases = {
        {"UPDATE [Controller to Drive] SET Cable = NULL",
         QString(database + "has no value in column \"Controller to Drive.Cable\" for \"KEX200\", \"%1\".")
             .arg(first.Drive_Name)},
        {"UPDATE [Controller to Drive] SET ControllerDriveRequired_Accessory = NULL",
         QString(database + "has no value in column \"Controller to Drive.ControllerDriveRequired_Accessory\" for "
                            "\"KEX200\", \"%1\".")
             .arg(first.Drive_Name)},
        {"UPDATE Cables SET [Cable Part Number] = NULL",
         QString(database + "has no value in column \"Cables.Cable Part Number\" for \"%1\", \"%2\".")
             .arg(first.Controller_Cable, first.Controller_Cable_Length)},
        {"UPDATE Motors SET [Motor Name] = NULL", kLoadError},
        {"UPDATE Controllers SET [Controller Name] = NULL WHERE [Controller Name] = 'KEX200'", kLoadError},
        // Values a step needs, never told as a withdrawn option nor left out of the bill or file in silence.
        {"UPDATE [All Controllers] SET [Required Accessory] = NULL WHERE [Controller Name] = 'KEX200'",
         database + "has no value in column \"All Controllers.Required Accessory\" for \"KEX200\"."},
        {"UPDATE [All Controllers] SET [TNL Axes] = NULL WHERE [Controller Name] = 'KEX200'",
         database + "has no value in column \"All Controllers.TNL Axes\" for \"KEX200\"."},
    };
    for (const char* table : {"Controller to Drive", "All Controllers", "Controller Option Names",
                              "All DriveControllers", "DriveController Option Names", "ExpIO"})
        cases.append({QStringLiteral("DROP TABLE [%1]").arg(table),
                      database + QStringLiteral("has no table \"%1\".").arg(table)});
    for (const auto& [statement, message] : cases) {
        SCOPED_TRACE(statement.toStdString());
        useCatalogueWith({statement});
        msg->clear();
        files->queuePath(path);
        mainWindow().mnuOpen()->trigger();
        EXPECT_EQ(msg->prompts(), QStringList {message});
        EXPECT_TRUE(Project_Path.isEmpty());
    }
}

TEST_F(ControllerProjectFileTest, OldQdServoFrameCodesOpenAsTheirItems)
{
    QStringList renames;
    for (const char* table : {"[Drive to Motor]", "[Shaft Options]", "Options"})
        renames << QStringLiteral("UPDATE %1 SET Frame_Size = '190 = 8 in' WHERE Frame_Size = '130 = 130 mm'")
                       .arg(table);
    useCatalogueWith(renames);
    configureController("KEX200", kKex4Axes);
    for (int a : {1, 2}) {
        switchTo(a);
        configure({"Servo", "BSD-230", "QDM", "190 = 8 in", "2", "", "M1 = IEC Flange", "E = Encoder", "",
                   "W = Washdown Seal"});
    }
    const AxisRecord first = axis(1);
    QStringList lines = form()->Save_String().split('\r');
    lines[5] = lines[134] = "190";
    form()->Reset();
    openProject(lines.join('\r'));
    EXPECT_EQ(msg->prompts(), QStringList {});
    EXPECT_EQ(text("cmbFrame_size"), "190 = 8 in");
    EXPECT_EQ(axis(1), first);
    EXPECT_EQ(axis(2).Frame_Size, "190 = 8 in");
}

// A file's value is taken only where the catalogue offers it, on every axis:
// an accessory the accessory dialogs do not offer, or with a quantity or
// description they do not store, or a cable length of axis 2 no longer
// offered, is left for the user and named, axis by axis, in the opening's
// message; a motor of axis 2 no longer offered, or lists no dialog stores (an
// entry after an empty one, a card in two rows of other quantities), refuse
// the file.
TEST_F(ControllerProjectFileTest, AValueTheCatalogueDoesNotOfferOnAnyAxisIsLeftOrRefused)
{
    openOptions("KEX200", kKex4Axes);
    chooseAccessories({"HX25-08 = 25-pin Breakout Module"});
    accessories()->optExp(1)->choose();
    accessories()->cmbTuq(0)->choose("2");
    closeAccessories();
    clickIn(options(), "cmdDone");
    // A servo whose motor options and command cable lengths are lists of several.
    const QList<CascadePath> paths = pathsOn("KEX200");
    const auto kx = std::find_if(paths.begin(), paths.end(), [](const CascadePath& p) { return p.series == "KX"; });
    ASSERT_NE(kx, paths.end());
    for (int a : {1, 2}) {
        configureAxis(a, *kx);
        click("cmdDriveAccessories");
        accessories()->lstAccessories()->choose(0);
        closeAccessories();
    }
    switchTo(1);
    expectReopens();
    const QString saved = form()->Save_String();
    ASSERT_EQ(saved.split('\r').mid(1127, 2), (QStringList {"2", "2"})); // the module's and the card's quantities

    // Axis 2's lines are axis 1's 129 further on.
    const QString gone = " in the project file, none now.";
    const struct {
        QList<QPair<int, QString>> edits;
        QString told; // empty: refused
    } cases[] = {
        {{{20, "FORGED-REQ"}}, "Axis 1 required drive accessory: \"FORGED-REQ\"" + gone},
        {{{150, "FORGED-ACC = Evil"}, {192, "Evil"}}, "Axis 2 drive accessory: \"FORGED-ACC = Evil\"" + gone},
        {{{150, "FLT-460 = Line Filter, 460 VAC"}, {192, "Line Filter, 460 VAC"}}, // the drive form's
         "Axis 2 drive accessory: \"FLT-460 = Line Filter, 460 VAC\"" + gone},
        {{{171, "999999"}}, "quantity: \"999999\" in the project file, \"1\" now."},
        {{{192, "Free with every drive"}}, "description: \"Free with every drive\" in the project file"},
        {{{1107, "EVIL-1 = Evil thing"}, {1065, "Evil thing"}, {1128, "999"}},
         "Controller accessory: \"EVIL-1 = Evil thing\"" + gone},
        {{{1128, "999"}}, "quantity: \"999\" in the project file, \"2\" now."},
        {{{1129, "9"}}, "Controller accessory: \"LUM-AI04\"" + gone}, // a quantity its row does not offer
        {{{258, "999"}}, "Axis 2 controller to drive cable length: \"999\"" + gone},
        {{{1109, "LUM-AI04"}, {1130, "8"}, {1067, "4 Analog Inputs"}}, {}}, // the card's row offers it once
        {{{141, "X = Discontinued"}}, {}},
        {{{1107, ""}, {1128, ""}, {1065, ""}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edits.first().first);
        QStringList lines = saved.split('\r');
        for (const auto& [number, value] : c.edits)
            lines[number - 1] = value;
        if (c.told.isEmpty()) {
            expectRefused(lines.join('\r'));
            continue;
        }
        msg->clear();
        form()->Reset();
        openProject(lines.join('\r'));
        ASSERT_EQ(msg->prompts().size(), 1);
        EXPECT_TRUE(msg->prompts().first().contains(c.told)) << msg->prompts().first().toStdString();
        Build_Report();
        EXPECT_EQ(OfferedBill::faults(), QStringList {});
        const QString reopened = form()->Save_String();
        form()->Reset();
        msg->clear();
        openProject(reopened);
        EXPECT_EQ(msg->prompts(), QStringList {});
    }
}

// More than 8 axes: the file carries the other axes after its 1193 lines.
TEST_F(ControllerProjectFileTest, SixteenAxesReopenWholeAndACutExtensionIsRefused)
{
    const QList<CascadePath> paths = pathsOn("BMC1600");
    ASSERT_GE(paths.size(), 4);
    configureController("BMC1600", kBmc1600);
    ASSERT_EQ(Total_Axes, 16);
    for (int a = 1; a <= static_cast<int>(paths.size()); ++a)
        configureAxis(a, paths.at(a - 1));
    pick("cmbAxis_Number", "16");
    pick("cmbReq_Accessories_length", "2");
    // The others copy the configured ones.
    for (int a = static_cast<int>(paths.size()) + 1; a <= 16; ++a) {
        switchTo(a);
        pick("cmbReplicate", QStringLiteral("Axis %1").arg((a - 1) % paths.size() + 1));
    }
    axis(16).Drive_Accessory_Entry[0] = "CTB-26 = Command Terminal Block";
    axis(16).Drive_Accessory_Quantity[0] = "1";
    axis(16).Drive_Accessory_Description[0] = "Command Terminal Block";
    switchTo(1);

    const QString saved = form()->Save_String();
    const QStringList lines = saved.split('\r');
    ASSERT_EQ(lines.size(), 2250);
    EXPECT_EQ(lines.at(1193 + 129 * 7 + 11), axis(16).Drive_Name);
    EXPECT_EQ(lines.at(2225 + 7), axis(16).Drive_Voltage);
    EXPECT_EQ(lines.at(2248), axis(16).Motor_Technology);
    expectReopens();
    // Every axis' drive is in the report at once.
    for (int a = 1; a <= 16; ++a)
        EXPECT_TRUE(Build_Report().contains(axis(a).Drive_Name + " Drive Axis " + QString::number(a)))
            << "axis " << a;

    // Without the whole extension.
    for (int cut : {1180, 1193})
        expectRefused(firstLines(saved, cut));
    // A controller that refuses the axes' drives: refused in the end, it asks nothing first.
    QStringList refusing = lines;
    refusing[1035 - 1] = "BMC100";
    expectRefused(refusing.join('\r'));
    // A lowered count hides the axes beyond it and keeps them: the file writes back as it was.
    QStringList lowered = lines;
    lowered[1041 - 1] = "4";
    msg->clear();
    openProject(lowered.join('\r'));
    EXPECT_EQ(msg->prompts(), QStringList {});
    EXPECT_EQ(form()->Save_String(), lowered.join('\r'));
    EXPECT_EQ(items("cmbAxis").size(), 4);
    EXPECT_FALSE(Build_Report().contains("Axis 5"));

    expectRefused(firstLines(saved, 2000));
    expectRefused(firstLines(saved, 2247));
    // The extension's axes are held to the catalogue as the others are.
    QStringList forged = saved.split('\r');
    forged[1193 + 129 * 7 + 19] = "FORGED = Evil";
    msg->clear();
    openProject(forged.join('\r'));
    ASSERT_EQ(msg->prompts().size(), 1);
    EXPECT_TRUE(msg->prompts().first().endsWith("Axis 16 drive accessory: \"FORGED = Evil\" in the project file, none now."))
        << msg->prompts().first().toStdString();

    // A configuration of fewer axes hides the axes beyond them and keeps them.
    msg->clear();
    openProject(saved);
    configureController("BMC1600", {"12 = 12 Axes", "E = Encoder", "0 = No I/O", "E = Ethernet"});
    EXPECT_FALSE(axis(13).Drive_Name.isEmpty());
    EXPECT_FALSE(Build_Report().contains("Axis 13"));
    expectReopens();
}

// Also with breakout ports but no breakout length (the breakout's name stands
// as its part), and with a stale port count.
TEST_F(ControllerProjectFileTest, AFileWhoseFirstAxisHasNoDriveReopens)
{
    configureController("KEX200", kKex4Axes);
    configureAxis(2, pathsOn("KEX200").at(0));
    pick("cmbAxis_Number", "4");
    switchTo(1);
    expectReopens();
    configureAxis(1, pathsOn("KEX200").at(0));
    pick("cmbAxis_Number", "6");
    expectReopens();

    // A port count left from a controller with breakout ports goes into no hidden list.
    form()->Reset();
    configureController("BMC300", kBmc300);
    configureAxis(1, pathsOn("BMC300").at(0));
    Breakout_Axes = "4";
    expectReopens();
}

// The drive accessories of an axis: System_Type 3 while the dialog is open,
// at most 21 offered, the list emptied before each filling.
TEST_F(ControllerProjectFileTest, DriveAccessoriesOfAnAxis)
{
    QStringList rows;
    for (int i = 1; i <= 25; ++i)
        rows << QString("INSERT INTO [Drive Accessories] VALUES ('BSD-460', 'ACC-%1 = Accessory %1')").arg(i, 2, 10, QChar('0'));
    useCatalogueWith(rows);
    configureController("KEX200", kKex4Axes);
    switchTo(2);
    configure({"Servo", "BSD-460"});
    click("cmdDriveAccessories");
    frmAccessories* dialog = accessories();
    EXPECT_EQ(System_Type, 3);
    EXPECT_EQ(dialog->Caption(), "Drive Accessories");
    EXPECT_TRUE(dialog->optExp(0)->isHidden() && dialog->optExp(1)->isHidden());
    const QStringList offered = dialog->lstAccessories()->items();
    ASSERT_EQ(offered.size(), 21);
    EXPECT_EQ(offered.at(0), "ACC-01 = Accessory 01");
    EXPECT_EQ(axis(2).Drive_Accessory_List_Item[20], offered.at(20));
    dialog->lstAccessories()->choose(20);
    // A project saved now is still of kind 1.
    EXPECT_EQ(form()->Save_String().section('\r', 0, 0), "1");
    closeAccessories();
    EXPECT_EQ(System_Type, 1);
    EXPECT_EQ(Current_Form, "frmController_Setup");
    EXPECT_EQ(axis(2).Drive_Accessory_Entry[0], offered.at(20));

    click("cmdDriveAccessories");
    EXPECT_EQ(accessories()->lstAccessories()->selectedRows(), QList<int> {20});
    closeAccessories();
    switchTo(1);
    configure({"Servo", "BSD-48"});
    click("cmdDriveAccessories");
    EXPECT_EQ(accessories()->lstAccessories()->items(),
              (QStringList {"CTB-26 = Command Terminal Block", "PS-48-10 = 48 VDC 10 A Power Supply"}));
    closeAccessories();
    EXPECT_TRUE(msg->messages().isEmpty());

    // A required accessory a file carries stays while the axis' drive offers it.
    axis(1).Required_Drive_Accessory = "CTB-26";
    configure({"", "BSD-230"});
    EXPECT_EQ(axis(1).Required_Drive_Accessory, "CTB-26");
    configure({"", "ZU"});
    EXPECT_EQ(axis(1).Required_Drive_Accessory, "");
}

// What the program writes, it reads: sixteen axes whose gearhead notes are as
// long as the box takes (a paste beyond it cut to it): more than Open reads uncut.
TEST_F(ControllerProjectFileTest, SixteenAxesOfTheLongestNotesOpenAgain)
{
    configureController("BMC1600", kBmc1600);
    configure({"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors",
               "GXX = Gearhead"});
    Form* gear = Forms::find("frmGear");
    ASSERT_NE(gear, nullptr);
    gear->findChild<ListControl*>("cmbGear")->choose("GP23-005");
    QApplication::clipboard()->setText(QString(300'000, QLatin1Char('n')));
    gear->findChild<QPlainTextEdit*>("txtNotes")->paste();
    closeGearhead("", "cmdDone");
    ASSERT_EQ(axis(1).Gearhead_Notes.size(), Max_Typed_Length);
    for (int a = 2; a <= 16; ++a) {
        switchTo(a);
        pick("cmbReplicate", "Axis 1");
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("notes.dat");
    const QString saved = form()->Save_String();
    ASSERT_TRUE(Write_File(path, saved, true));
    ASSERT_GT(QFileInfo(path).size(), 16 * Max_Typed_Length);
    form()->Reset();
    files->queuePath(path);
    mainWindow().mnuOpen()->trigger();
    EXPECT_EQ(msg->prompts(), QStringList {});
    EXPECT_EQ(form()->Save_String(), saved);
}
