#include "DriveControllerFormTest.h"

#include "CascadeWalker.h"
#include "CatalogueDatabases.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/common/TextBox.h"
#include "setup/drivecontroller/frmDriveControl.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"
#include "shell/mdiMain.h"
#include "support/OfferedBill.h"
#include "support/ProjectRoundTrip.h"

#include <QAction>

using namespace Globals;

namespace {

const QString kBscNotes = QStringLiteral("6.0 A continuous, 18.0 A peak (rms), 120/230 VAC single phase");
const QStringList kOffered {"BRK-R50 = 50 Ohm Braking Resistor", "FLT-230 = Line Filter, 230 VAC",
                            "HMI-4 = 4 in Operator Panel"};

class DriveControllerProjectTest : public DriveControllerFormTest {
protected:
    // BSC-230 with KX at 230 V, 10 m cables, all four options, the line filter and one TUQ16-IN card.
    void configureSystem()
    {
        configure(kBscKx + QStringList {"230VAC", "", "10"});
        openOptions();
        chooseLevels({"E = Ethernet", "", "2 = 16 DI / 8 DO", "0 = No Safe Torque Off"});
        clickOptions("cmdAccessories");
        auto* dialog = Forms::find<frmAccessories>("frmAccessories");
        dialog->lstAccessories()->choose(1);
        dialog->optExp(1)->choose();
        dialog->cmbTuq(1)->choose(QStringLiteral("1"));
        dialog->cmdDone_Click();
        processEvents();
        clickOptions("cmdDone");
    }

    // What the user and the report see of the drive/controller.
    static QStringList configuration()
    {
        QStringList out {Drive_Controller_Name, Drive_Controller_Part_Number, Drive_Controller_Notes,
                         Drive_Controller_Option_Code, QString::number(Drive_Controller_Expansion_IO)};
        for (const List21* list : {&Drive_Controller_Options, &Drive_Controller_Accessory_Entry,
                                   &Drive_Controller_Accessory_Quantity, &Drive_Controller_Accessory_Description})
            out << QStringList(list->begin(), list->end()).join('|');
        return out;
    }

    QStringList screen()
    {
        QStringList out;
        for (const QString& name : kDriveControllerLists)
            out << QStringLiteral("%1=%2 [%3]").arg(name, text(name), items(name).join('|'));
        for (const char* name : {"txtDriveController", "txtMotor_Part", "txtMotor", "txtAccessories"})
            out << QStringLiteral("%1=%2").arg(name, box(name)->text());
        return out;
    }

    static QString lines(const QString& saved, int count)
    {
        return saved.split('\r').mid(0, count).join('\r') + '\r';
    }
    static QString withLine(const QString& saved, int number, const QString& value)
    {
        QStringList lines = saved.split('\r');
        lines[number - 1] = value;
        return lines.join('\r');
    }

    // Saves, opens the text again as the main window's Open does and checks that the
    // form, the axis and the drive/controller come back the same, ending in
    // the options dialog.
    // With a guard the project goes through the main window's Save As and
    // Open, and its report must come out the same too.
    void expectRoundTrip(ProjectRoundTrip* guard = nullptr)
    {
        const QString saved = setup()->Save_String();
        const AxisRecord before = record();
        const QStringList shown = screen();
        const QStringList config = configuration();
        if (guard) {
            ASSERT_EQ(guard->differences(), QString());
        } else {
            openProject(saved);
            ASSERT_TRUE(msg->messages().isEmpty()) << msg->prompts().join('|').toStdString();
        }
        EXPECT_FALSE(Loading_Project);
        EXPECT_EQ(record(), before);
        EXPECT_EQ(screen(), shown);
        EXPECT_EQ(configuration(), config);
        EXPECT_TRUE(Forms::isLoaded("frmDriveControl"));
        EXPECT_EQ(Current_Form, "frmDriveControl");
        EXPECT_EQ(setup()->Save_String(), saved);
    }

    // Refused: the form, the axis and the drive/controller as Reset leaves them.
    void expectFailedLoad(const QString& text)
    {
        msg->clear();
        setup()->Reset();
        const QStringList shown = screen();
        const QStringList config = configuration();
        openProject(text);
        EXPECT_EQ(msg->prompts(), QStringList {kLoadError});
        EXPECT_FALSE(Loading_Project);
        EXPECT_FALSE(Loading_Lists);
        EXPECT_TRUE(Project_Path.isEmpty());
        EXPECT_FALSE(Forms::isLoaded("frmDriveControl"));
        EXPECT_EQ(screen(), shown);
        EXPECT_EQ(configuration(), config);
        EXPECT_EQ(record().Motor_Part_Number, "");
    }
};

TEST_F(DriveControllerProjectTest, SaveStringWritesTheTwoHundredAndSixtySixLines)
{
    configureSystem();
    QStringList expected {"2",          "L7_Servo",       "KX231AE-SC0",   "1.10 N-m continuous, 5000 rpm max, Encoder",
                          "KX",         "23",             "1",             "A",
                          "E = Encoder", "S = Smooth Shaft", "C = Connectors", "0 = Standard",
                          "BSC-230",    "",               "BSC2306",       "MPC-S1",
                          "10",         "FBC-E",          "10",            ""};
    const auto block = [&expected](const QStringList& first) {
        for (int i = 0; i < 21; ++i)
            expected << first.value(i);
    };
    for (int i = 0; i < 5; ++i)
        block({});
    expected << "" << "";
    expected << kBscNotes << "BSC2306-E20" << "" << "BSC-230" << "-1" << "";
    const QStringList options {"", "E = Ethernet", "N/A", "2 = 16 DI / 8 DO", "0 = No Safe Torque Off"};
    block(options);
    block({"Line Filter, 230 VAC", "16 Digital Inputs"});
    block({"0", "1", "2"});
    block({kOffered.at(1), "TUQ16-IN"});
    block({"1", "1"});
    block(kOffered);
    expected << "230VAC" << "" << options.mid(1) << "Servo";
    ASSERT_EQ(expected.size(), 266);
    EXPECT_EQ(setup()->Save_String(), expected.join('\r') + '\r');
}

TEST_F(DriveControllerProjectTest, TheExpansionLineIsAWholeNumber)
{
    configureSystem();
    const QString saved = setup()->Save_String();
    // The stored cards stay with either choice: the dialog stores the choice
    // before the cards.
    for (const auto& [line, expansion] : {std::pair {"0", false}, std::pair {"-1", true}}) {
        openProject(withLine(saved, 132, line));
        EXPECT_TRUE(msg->messages().isEmpty());
        EXPECT_EQ(Drive_Controller_Expansion_IO, expansion) << line;
        EXPECT_EQ(setup()->Save_String(), withLine(saved, 132, line));
    }
    expectFailedLoad(withLine(saved, 132, "x"));
}

// The extra text of line 133, and axis 1's drive accessory lines (20 to 125)
// of a drive project the file followed, are carried as the file holds them: a
// drive/controller chosen again drops its configuration, not those, nor does a
// technology; Reset empties the extra text.
TEST_F(DriveControllerProjectTest, CarriedValuesOutliveAnotherDriveControllerAndTechnology)
{
    configureSystem();
    QString file = withLine(setup()->Save_String(), 133, "carried");
    for (const auto& [number, value] : {std::pair {20, "FLT-230"}, {21, "FLT-230 = Line Filter, 230 VAC"}, {42, "1"},
                                        {63, "Line Filter, 230 VAC"}})
        file = withLine(file, number, value);
    const auto carried = [](const QString& text) { return text.split('\r').mid(19, 106); };
    openProject(file);
    ASSERT_TRUE(msg->messages().isEmpty());
    pick("cmbDriveController", "BSC-230");
    EXPECT_EQ(setup()->Save_String().split('\r').at(132), "carried");
    EXPECT_EQ(Drive_Controller_Options[1], "");
    EXPECT_EQ(carried(setup()->Save_String()), carried(file));
    pick("cmbMotor_Tech", "Stepper");
    EXPECT_EQ(carried(setup()->Save_String()), carried(file));
    setup()->Reset();
    EXPECT_EQ(Drive_Controller_Extra_2, "");
}

// An accessory or card the accessory dialog does not offer for the saved
// configuration, or with a quantity or description it does not store, is left
// for the user and named in the opening's message, and the bill holds what
// the catalogue offers; cards of options that name no configuration stay in
// the file but wait for one to be billed. What no dialog stores (an entry
// after an empty one, one card in two rows of other quantities) refuses the file.
TEST_F(DriveControllerProjectTest, AnAccessoryTheCatalogueDoesNotOfferIsLeftForTheUser)
{
    configureSystem();
    const QString saved = setup()->Save_String();
    const QString gone = " in the project file, none now.";
    const struct {
        QList<QPair<int, QString>> edits;
        QString told; // empty: refused
    } cases[] = {
        {{{197, "EVIL-1 = Evil thing"}, {155, "Evil thing"}}, "accessory: \"EVIL-1 = Evil thing\"" + gone},
        {{{218, "999"}}, "quantity: \"999\" in the project file, \"1\" now."},
        {{{155, "Free with every drive"}}, "description: \"Free with every drive\" in the project file"},
        {{{219, "9"}}, "\"TUQ16-IN\"" + gone},
        {{{198, "EVIL-CARD"}}, "accessory: \"EVIL-CARD\"" + gone},
        {{{262, ""}, {263, ""}, {264, ""}, {265, ""}}, "Drive/controller part number: \"BSC2306-E20\"" + gone},
        {{{199, "TUQ16-IN"}, {220, "8"}, {157, "16 Digital Inputs"}}, {}},
        {{{197, ""}, {218, ""}, {155, ""}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edits.first().first);
        QString text = saved;
        for (const auto& [number, value] : c.edits)
            text = withLine(text, number, value);
        if (c.told.isEmpty()) {
            expectFailedLoad(text);
            continue;
        }
        msg->clear();
        openProject(text);
        ASSERT_FALSE(msg->prompts().isEmpty());
        EXPECT_TRUE(msg->prompts().last().contains(c.told)) << msg->prompts().join('|').toStdString();
        Build_Report();
        EXPECT_EQ(OfferedBill::faults(), QStringList {});
        // What Save writes opens with nothing new told.
        const QStringList before = msg->prompts();
        msg->clear();
        openProject(setup()->Save_String());
        EXPECT_TRUE(msg->prompts().size() < before.size() || msg->prompts().isEmpty())
            << msg->prompts().join('|').toStdString();
    }
}

TEST_F(DriveControllerProjectTest, TheRepeatedOptionLinesWinAndOldFilesLoad)
{
    configureSystem();
    const QString saved = setup()->Save_String();

    openProject(withLine(saved, 136, "9 = Gone"));
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(Drive_Controller_Options[2], "N/A");
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-E20");

    // A file ending after line 258 (the empty text after its last CR stands
    // for line 259): no voltage, wiring or technology; the series gives the technology.
    openProject(lines(saved, 258));
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(text("cmbMotor_Tech"), "Servo");
    EXPECT_EQ(text("cmbDriveVoltage"), "120VAC");
    EXPECT_EQ(Drive_Controller_Options[1], "E = Ethernet");
    expectFailedLoad(lines(saved, 257));
}

TEST_F(DriveControllerProjectTest, AFileWithoutTechnologyAndSeriesFindsItByTheDriveControllerName)
{
    configure({"Servo", "BSC-230"});
    const QString saved = setup()->Save_String();
    ASSERT_TRUE(saved.split('\r').at(4).isEmpty());
    openProject(lines(saved, 259));
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(text("cmbMotor_Tech"), "Servo");
    EXPECT_EQ(text("cmbDriveController"), "BSC-230");
    EXPECT_TRUE(Forms::isLoaded("frmDriveControl"));

    // An unknown name ends the load: no flag, no file name, no options dialog.
    expectFailedLoad(withLine(lines(saved, 259), 13, "BSC-999"));

    // Nor what only a file carries: the next project's file holds none of it.
    QString forged = withLine(lines(saved, 259), 13, "BSC-999");
    for (const auto& [number, value] :
         {std::pair {20, "FORGED-REQ"}, {21, "FORGED-ACC = Forged"}, {42, "7"}, {63, "Forged"}})
        forged = withLine(forged, number, value);
    expectFailedLoad(forged);
    EXPECT_EQ(record(), AxisRecord {});
    EXPECT_FALSE(setup()->Save_String().contains("FORGED"));
}

// One way through the form for every series of the catalogue (the walker of
// the catalogue checks), with the first options of each level: the part
// numbers come out as the catalogue builds them and the project reopens the same.
TEST_F(DriveControllerProjectTest, EveryDriveControllerPathOfTheCatalogueReopens)
{
    const QMap<QString, CascadePath> paths = CascadeWalker(CatalogueDatabases::product()).driveControllerPaths();
    ASSERT_EQ(paths.size(), 4);
    mdiMain& main = mainWindow();
    ProjectRoundTrip guard(main, *files, *msg);
    for (const CascadePath& path : paths) {
        SCOPED_TRACE(path.describe().toStdString());
        main.mnuClose()->trigger();
        main.mnuDrive_Controller()->trigger();
        configure({path.technology, path.drive, path.series, path.frame, path.stack, path.winding});
        // A "QD_Servo" motor offers its mounting before its feedback.
        const bool qd = record().Part_Number_Type == QLatin1String("QD_Servo");
        configure({"", "", "", "", "", "", qd ? path.shaft : path.feedback, qd ? path.feedback : path.shaft,
                   path.cableOption, path.motorOption, path.voltage, path.wiring, path.motorCableLengths.value(0),
                   path.feedbackCableLengths.value(0)});
        const AxisRecord& r = record();
        EXPECT_EQ(r.Drive_Part_Number, path.drivePartNumber);
        EXPECT_EQ(r.Curve_Motor_Part_Number, path.curveMotorKey);
        EXPECT_EQ(r.Curve_Drive_Part_Number, path.curveDriveKey);
        EXPECT_FALSE(r.Motor_Cable_Part_Number.isEmpty());
        EXPECT_EQ(r.Feedback_Cable_Part_Number.isEmpty(), path.feedbackCableLengths.isEmpty());

        openOptions();
        for (int i = 1; i <= 4; ++i)
            if (level(i)->listIndex() < 0)
                level(i)->choose(0);
        clickOptions("cmdDone");
        EXPECT_FALSE(Drive_Controller_Part_Number.isEmpty());
        expectRoundTrip(&guard);
    }

    // A stepper in parallel wiring with options of its own.
    main.mnuClose()->trigger();
    main.mnuDrive_Controller()->trigger();
    configure(kSpcSx + QStringList {"48VDC", "PARALLEL", "5"});
    openOptions();
    chooseLevels({"N = Network", "", "16 = 16 I/O"});
    clickOptions("cmdDone");
    ASSERT_EQ(Drive_Controller_Part_Number, "SPC48-N16-6");
    expectRoundTrip(&guard);

    // And a gearhead, which the gearhead dialog hands back as the motor option.
    main.mnuClose()->trigger();
    main.mnuDrive_Controller()->trigger();
    const QStringList gearhead {"Servo", "BSC-230", "KX", "23", "1", "", "", "S = Smooth Shaft", "C = Connectors",
                                "GXX = Gearhead"};
    configure(gearhead);
    chooseGearhead("GR23-020");
    ASSERT_EQ(record().Motor_Part_Number, "KX231AE-KCGR23-020");
    expectRoundTrip(&guard);
    EXPECT_EQ(record().Gearhead_Notes, "20:1 right-angle, 10 arc-min backlash, 25 N-m rated output");

    // The placeholder again, then Cancel: the project is the one before.
    pick("cmbOptions", "GXX = Gearhead");
    closeGearhead("GP23-005", "cmdCancel");
    expectRoundTrip(&guard);
    // Notes typed in the dialog come back from the file.
    main.mnuClose()->trigger();
    main.mnuDrive_Controller()->trigger();
    configure(gearhead);
    closeGearhead("GP23-005", "cmdDone", "Typed notes");
    expectRoundTrip(&guard);
    EXPECT_EQ(record().Gearhead_Notes, "Typed notes");
}

} // namespace
