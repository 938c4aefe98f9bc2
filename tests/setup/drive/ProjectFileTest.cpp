#include "DriveFormTest.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "setup/common/TextBox.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/frmAccessories.h"
#include "shell/mdiMain.h"
#include "support/OfferedBill.h"
#include "support/ProjectRoundTrip.h"

#include <QAction>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace {
const char* const kBoxes[] = {"txtDrive", "txtMotor_Part", "txtMotor", "txtAccessories"};
} // namespace

class DriveProjectFileTest : public DriveFormTest {
protected:
    // What the user sees: every list's entries and choice, every result text.
    QStringList screen()
    {
        QStringList out;
        for (const QString& name : kCascadeLists)
            out << QStringLiteral("%1=%2 [%3]").arg(name, text(name), items(name).join('|'));
        for (const char* name : kBoxes)
            out << QStringLiteral("%1=%2").arg(name, box(name)->text());
        return out;
    }

    void chooseAccessory(int row)
    {
        click("cmdDriveAccessories");
        auto* dialog = Forms::find<frmAccessories>("frmAccessories");
        ASSERT_NE(dialog, nullptr);
        dialog->lstAccessories()->choose(row);
        dialog->cmdDone_Click();
        processEvents();
    }

    // A complete servo system: 460 V, 10 m cables and one accessory.
    void configureServo()
    {
        configure(kLmServo + QStringList {"460VAC", "", "", "10"});
        chooseAccessory(1);
    }

    // Saves, opens the text again as the main window does and checks that the
    // record and the form come back the same.
    void expectRoundTrip()
    {
        const QString saved = form()->Save_String();
        AxisRecord before = record();
        const QStringList shown = screen();
        openProject(saved);
        ASSERT_TRUE(msg->messages().isEmpty()) << msg->prompts().join('|').toStdString() << "\n"
                                               << shown.join('\n').toStdString();
        EXPECT_FALSE(Globals::Loading_Project);
        EXPECT_FALSE(Globals::Loading_Lists);
        EXPECT_EQ(record(), before);
        EXPECT_EQ(screen(), shown);
        EXPECT_EQ(form()->Save_String(), saved);
    }

    static QString withLine(const QString& saved, int number, const QString& value)
    {
        QStringList lines = saved.split('\r');
        lines[number - 1] = value;
        return lines.join('\r');
    }

    QString withLines(const QString& saved, int count)
    {
        QStringList lines = saved.split('\r');
        lines = lines.mid(0, count);
        return lines.join('\r') + '\r';
    }
};

TEST_F(DriveProjectFileTest, SaveStringWritesTheHundredAndThirtyLines)
{
    configureServo();
    QStringList lines {"4",
                       "L7_Servo",
                       "LM802BR-SC0",
                       "7.50 N-m continuous, 3000 rpm max, Resolver",
                       "LM",
                       "80",
                       "2",
                       "B",
                       "R = Resolver",
                       "S = Smooth Shaft",
                       "C = Connectors",
                       "0 = Standard",
                       "BSD-460",
                       "4.0 A continuous, 12.0 A peak (rms), 400/460 VAC three phase",
                       "BSD4604-A0",
                       "MPC-S3",
                       "10",
                       "FBC-R",
                       "10",
                       ""};
    const QStringList offered {"BRK-R100 = 100 Ohm Braking Resistor", "FLT-460 = Line Filter, 460 VAC",
                               "PRG-USB = USB Programming Cable"};
    const auto block = [&lines](const QStringList& first) {
        for (int i = 0; i < 21; ++i)
            lines << first.value(i);
    };
    block({offered.at(1)});
    block({"1"});
    block({"Line Filter, 460 VAC"});
    block({"0", "1", "2"});
    block(offered);
    lines << "" << "" << "460VAC" << "" << "Servo";
    ASSERT_EQ(lines.size(), 130);
    EXPECT_EQ(form()->Save_String(), lines.join('\r') + '\r');
}

TEST_F(DriveProjectFileTest, ReopenedServoProjectShowsTheSameForm)
{
    configureServo();
    expectRoundTrip();
    EXPECT_EQ(record().Motor_Cable_Part_Number, "MPC-S3-010");
    EXPECT_FALSE(hidden("txtAccessories"));
}

TEST_F(DriveProjectFileTest, ReopenedQdServoStepperAndDirectDriveProjects)
{
    configure({"Servo", "BSD-230", "QDM", "130 = 130 mm", "2", "", "M2 = NEMA Face", "E = Encoder", "",
               "B = Holding Brake", "", "", "15"});
    ASSERT_EQ(record().Motor_Part_Number, "QDM1302AM2ECB");
    expectRoundTrip();

    configure({"Stepper", "SMD-48", "SX", "23", "1", "B", "S = Single Shaft", "F = Flatted Shaft", "C = Connector",
               "E = Rear Encoder", "48VDC", "PARALLEL", "5"});
    ASSERT_EQ(record().Drive_Part_Number, "SMD48-6");
    expectRoundTrip();
    EXPECT_EQ(record().Motor_Wiring, "PARALLEL");

    configure({"Direct Drive", "BDD-460", "", "40", "", "", "A = Absolute Encoder", "H = Hollow Shaft", "",
               "W = Water Cooling", "460VAC", "", "3"});
    ASSERT_EQ(record().Motor_Part_Number, "CTG3-40210A-HCW");
    expectRoundTrip();
    EXPECT_EQ(record().Bus_Voltage, 650.0);
}

TEST_F(DriveProjectFileTest, ReopenedGearheadOnAKeywayedSize16)
{
    const QStringList gearhead {"Servo", "BSD-230", "KX", "16", "1", "", "", "K", "", "GXX = Gearhead"};
    configure(gearhead);
    chooseGearhead("GP16-005");
    ASSERT_EQ(record().Shaft_Option, "K = Keyway");
    ASSERT_EQ(record().Motor_Part_Number, "KX161AE-KCGP16-005");
    pick("cmbMotor_Cable_Length", "3");

    // The gearhead dialog added "K = Keyway" to this series' list: the replay adds it again.
    // Its notes come back from the file, so the report keeps them.
    expectRoundTrip();
    EXPECT_EQ(items("cmbShaft_options"), (QStringList {"K", "S = Smooth Shaft", "K = Keyway"}));
    EXPECT_EQ(items("cmbOptions").last(), "GP16-005");
    EXPECT_EQ(record().Gearhead_Notes, "5:1 planetary, 12 arc-min backlash, 3 N-m rated output");

    // Notes typed in the dialog are the file's, not the catalogue's.
    configure(gearhead);
    closeGearhead("GP16-010", "cmdDone", "Mounted upside down\nsee drawing 7");
    expectRoundTrip();
    EXPECT_EQ(record().Gearhead_Notes, "Mounted upside down\nsee drawing 7");
}

// A stored value goes into the part numbers, the report and the price request
// only where the catalogue offers it: a gearhead the gearhead dialog does not
// offer, a drive accessory (its quantity and description as the accessory
// dialog stores them) or a required accessory other than the part number of
// one offered for the drive is left for the user, named in the opening's
// message, and billed by nobody; lists no accessory dialog stores (not packed
// from the first entry) refuse the file, which leaves the form as Reset leaves it.
TEST_F(DriveProjectFileTest, AStoredValueIsTakenOnlyWhereTheCatalogueOffersIt)
{
    const QStringList lm = kLmServo + QStringList {"460VAC"};
    const QString filter = "FLT-460 = Line Filter, 460 VAC";
    const QString gone = " in the project file, none now.";
    const struct {
        QStringList configuration;
        QList<QPair<int, QString>> lines; // line number, forged value
        QString told;                     // empty: opens quietly; "refused": the load error
    } cases[] = {
        {kCtDirectDrive + QStringList {"460VAC"}, {{127, "ZZZ"}}, "Gearhead: \"ZZZ\"" + gone}, // no gearhead option
        {lm, {{127, "G99"}}, "Gearhead: \"G99\"" + gone},
        // KX 16 offers gearheads, but this one is a size-23 gearhead.
        {{"Servo", "BSD-230", "KX", "16", "1", "", "", "S = Smooth Shaft", "", "0 = Standard"},
         {{127, "GP23-005"}},
         "Gearhead: \"GP23-005\"" + gone},
        {lm, {{20, "FORGED-REQ4"}}, "Required drive accessory: \"FORGED-REQ4\"" + gone},
        {lm, {{21, "FORGED-ACC4 = Evil"}, {42, "1"}, {63, "Evil"}}, "Drive accessory: \"FORGED-ACC4 = Evil\"" + gone},
        {lm, {{21, filter}, {42, "999999"}, {63, "Line Filter, 460 VAC"}}, "quantity: \"999999\" in the project file"},
        {lm, {{21, filter}, {42, "1"}, {63, "Free with every drive"}}, "\"Free with every drive\" in the project file"},
        {lm, {{21, QString(1 << 20, 'X')}, {42, "1"}}, QString(1 << 20, 'X') + "\"" + gone},
        // Offered for this drive on the controller form only.
        {lm, {{21, "CTB-26 = Command Terminal Block"}, {42, "1"}, {63, "Command Terminal Block"}},
         "\"CTB-26 = Command Terminal Block\"" + gone},
        {lm, {{20, "FLT-460"}}, {}},
        {lm, {{20, filter}}, "\"" + filter + "\"" + gone}, // the whole entry would be billed as the part number
        {lm, {{22, filter}, {43, "1"}, {64, "Line Filter, 460 VAC"}}, "refused"}, // billed, yet not shown
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.first().second.left(20).toStdString());
        configure(c.configuration);
        QStringList lines = form()->Save_String().split('\r');
        for (const auto& [number, value] : c.lines)
            lines[number - 1] = value;
        form()->Reset();
        const QStringList reset = screen();
        msg->clear();
        openProject(lines.join('\r'));
        EXPECT_FALSE(Globals::Loading_Project);
        if (c.told.isEmpty()) {
            EXPECT_EQ(msg->prompts(), QStringList {});
            EXPECT_EQ(form()->Save_String(), lines.join('\r'));
            continue;
        }
        if (c.told == QLatin1String("refused")) {
            EXPECT_EQ(msg->prompts(), QStringList {kLoadError});
            EXPECT_EQ(record(), AxisRecord {});
            EXPECT_EQ(screen(), reset);
            continue;
        }
        ASSERT_EQ(msg->prompts().size(), 1);
        EXPECT_TRUE(msg->prompts().first().contains(c.told)) << msg->prompts().first().left(300).toStdString();
        Globals::Build_Report();
        EXPECT_EQ(OfferedBill::faults(), QStringList {});
        // What was left for the user stays out of the next file, which opens quietly.
        msg->clear();
        openProject(form()->Save_String());
        EXPECT_EQ(msg->prompts(), QStringList {});
    }
}

// A required accessory, which only a file carries, stays through another
// drive that offers it too and goes with one that does not, so that the
// project reopens.
TEST_F(DriveProjectFileTest, ARequiredAccessoryStaysWhileTheDriveOffersIt)
{
    for (const auto& [required, kept] : {std::pair {"PRG-USB", "PRG-USB"}, {"FLT-460", ""}}) {
        configure(kLmServo + QStringList {"460VAC"});
        openProject(withLine(form()->Save_String(), 20, required));
        pick("cmbDrive", "BSD-230");
        EXPECT_EQ(record().Required_Drive_Accessory, kept);
        const QString saved = form()->Save_String();
        openProject(saved);
        EXPECT_EQ(msg->prompts(), QStringList {});
        EXPECT_EQ(form()->Save_String(), saved);
    }
}

// Every complete configuration the form offers on the sample catalogue (every
// list entry, gearhead, voltage and wiring) is saved with Save As and opened
// again through the main window to the same project text, report, record and
// form, with no message. The walk runs in four shards, split at the stack length.
class DriveEveryPathTest : public DriveProjectFileTest, public ::testing::WithParamInterface<int> {};
INSTANTIATE_TEST_SUITE_P(Shards, DriveEveryPathTest, ::testing::Range(0, 4));

TEST_P(DriveEveryPathTest, EveryPathOfTheSampleCatalogueReopens)
{
    mdiMain& main = mainWindow();
    main.mnuDrive()->trigger();
    ProjectRoundTrip guard(main, *files, *msg, GetParam(), 4);
    QSet<QString> partNumbers;
    int gearheads = 0;

    const auto roundTrip = [&] {
        if (!items("cmbMotor_Cable_Length").isEmpty())
            list("cmbMotor_Cable_Length")->choose(0);
        ASSERT_FALSE(record().Motor_Part_Number.isEmpty()) << screen().join('\n').toStdString();
        // The motor options list also holds the gearheads chosen before on this path.
        const auto seen = [this] {
            QStringList s = screen();
            s[9] = "cmbOptions=" + text("cmbOptions");
            return s;
        };
        const AxisRecord before = record();
        const QStringList shown = seen();
        ASSERT_EQ(guard.differences(), QString()) << shown.join('\n').toStdString();
        ASSERT_EQ(record(), before);
        ASSERT_EQ(seen(), shown);
        partNumbers.insert(record().Motor_Part_Number + '/' + record().Drive_Part_Number);
    };
    std::function<void(int)> walk = [&](int level) {
        if (HasFatalFailure())
            return;
        if (level == 10) {
            for (int v = 0; v < list("cmbDriveVoltage")->listCount(); ++v) {
                list("cmbDriveVoltage")->choose(v);
                if (record().Part_Number_Type != "Stepper") {
                    roundTrip();
                    continue;
                }
                for (int w = 0; w < list("cmbWiring")->listCount(); ++w) {
                    list("cmbWiring")->choose(w);
                    roundTrip();
                }
            }
            return;
        }
        // Each round trip opens the project in a new form: the list is looked up afresh.
        const auto l = [&] { return list(kCascadeLists.at(level)); };
        // The user picks each entry; the lists below refill (and may select themselves).
        // The gearhead placeholders go first (a plain option after a gearhead is
        // a path too); entries the gearhead dialog adds are not walked again.
        QStringList entries = l()->items();
        if (level == 9)
            std::stable_partition(entries.begin(), entries.end(),
                                  [](const QString& e) { return e.startsWith("GXX"); });
        for (int i = 0; i < entries.size(); ++i) {
            // A series chosen for the last drive may not fit the next one: start it from its technology.
            if (level == 1 && i > 0)
                list("cmbMotor_Tech")->choose(text("cmbMotor_Tech"));
            const QString entry = entries.at(i);
            // A refused keyway empties the lists below the feedback.
            if (l()->findEntry(entry) < 0)
                break;
            if (level == 4 && !guard.takesBranch())
                continue;
            if (level == 9 && entry.startsWith("GXX")) {
                // Each gearhead the dialog offers, chosen from the placeholder every time.
                l()->choose(entry);
                auto* gear = Forms::find("frmGear");
                ASSERT_NE(gear, nullptr);
                const QStringList offered = gear->findChild<ListControl*>("cmbGear")->items();
                for (int g = 0; g < offered.size(); ++g) {
                    if (g > 0)
                        l()->choose(entry);
                    chooseGearhead(offered.at(g));
                    ++gearheads;
                    walk(level + 1);
                }
                continue;
            }
            l()->choose(entry);
            if (!msg->messages().isEmpty()) {
                // Only the keyway on a size-16 KX is refused.
                ASSERT_EQ(msg->prompts(), QStringList {kKeywayMessage});
                ASSERT_EQ(text("cmbMotor_Series") + '/' + text("cmbFrame_size"), "KX/16");
                msg->clear();
                continue;
            }
            walk(level + 1);
        }
    };
    walk(0);
    // Each shard holds about a quarter of the catalogue's 2700 configurations.
    EXPECT_GT(guard.checked(), 500);
    EXPECT_GT(partNumbers.size(), 150);
    EXPECT_GT(gearheads, 20);
}

TEST_F(DriveProjectFileTest, FilesWithoutTheirOptionalLastLinesLoad)
{
    configureServo();
    const QString saved = form()->Save_String();

    openProject(withLines(saved, 127)); // no voltage, wiring or technology
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(text("cmbMotor_Tech"), "Servo"); // from the series' motor type
    EXPECT_EQ(text("cmbDriveVoltage"), "400VAC");
    EXPECT_EQ(record().Bus_Voltage, 565.0);
    QStringList again = form()->Save_String().split('\r');
    EXPECT_EQ(again.at(127), "400VAC");
    EXPECT_EQ(again.at(129), "Servo");

    // Held empty, as an opening that left the voltage for the user saves it:
    // the voltage stays the user's to choose, also when opened again.
    openProject(withLine(saved, 128, ""));
    EXPECT_EQ(text("cmbDriveVoltage"), "");
    EXPECT_EQ(form()->Save_String().split('\r').at(127), "");
    msg->clear();
    expectRoundTrip();

    openProject(withLines(saved, 126)); // the empty text after the last CR stands in for the gearhead
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_TRUE(record().Gearhead_Code.isEmpty());
    EXPECT_EQ(record().Motor_Part_Number, "LM802BR-SC0");

    openProject(withLines(saved, 125));
    EXPECT_EQ(msg->prompts(), QStringList {kLoadError});
    EXPECT_FALSE(Globals::Loading_Project);
}

TEST_F(DriveProjectFileTest, AProductNoLongerOfferedEndsTheLoadAndLeavesTheFormUsable)
{
    configureServo();
    QStringList lines = form()->Save_String().split('\r');
    lines[11] = "X = Discontinued";
    Globals::Project_Path = "/work/jobs/press.dat";
    openProject(lines.join('\r'));

    expectOnlyMessage(kLoadError, MsgBox::OKOnly);
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_FALSE(Globals::Loading_Lists);
    EXPECT_TRUE(Globals::Project_Path.isEmpty());
    // Nothing the replay reached stays to be exported; the form takes a new choice.
    EXPECT_EQ(record(), AxisRecord {});
    EXPECT_EQ(text("cmbCable_Option"), "");
    EXPECT_TRUE(hidden("txtAccessories"));

    configure(kLmServo);
    pick("cmbOptions", "B = Holding Brake");
    EXPECT_EQ(record().Motor_Part_Number, "LM802BR-SCB");
    EXPECT_EQ(record().Drive_Part_Number, "BSD4604-A0");
}

TEST_F(DriveProjectFileTest, OldQdServoFrameCodesAreReadAsTheirItems)
{
    QStringList rows;
    for (const char* table : {"[Drive to Motor]", "[Shaft Options]", "Options"})
        rows << QStringLiteral("INSERT INTO %1 SELECT * FROM %1 WHERE [Motor Name]='QDM' AND Frame_Size='092 = 92 mm'")
                    .arg(QLatin1String(table))
             << QStringLiteral("UPDATE %1 SET Frame_Size='89 = 3 in' WHERE rowid IN (SELECT rowid FROM %1 "
                               "WHERE [Motor Name]='QDM' AND Frame_Size='092 = 92 mm' ORDER BY rowid DESC LIMIT "
                               "(SELECT count(*) / 2 FROM %1 WHERE [Motor Name]='QDM' AND Frame_Size='092 = 92 mm'))")
                    .arg(QLatin1String(table));
    useCatalogueWith(rows);
    configure({"Servo", "BSD-230", "QDM", "89 = 3 in", "1", "", "", "A = Absolute Encoder", "", "0 = Standard"});
    QStringList lines = form()->Save_String().split('\r');
    ASSERT_EQ(lines.at(5), "89 = 3 in");
    lines[5] = "89";
    openProject(lines.join('\r'));
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(text("cmbFrame_size"), "89 = 3 in");
    EXPECT_EQ(record().Motor_Part_Number, "QDM891AM1AC0");
    EXPECT_EQ(form()->Save_String().split('\r').at(5), "89 = 3 in");
}

TEST_F(DriveProjectFileTest, OpenFileReadsTheChosenFile)
{
    configureServo();
    const QString saved = form()->Save_String();
    QTemporaryDir dir;
    const QString path = dir.filePath("press.dat");
    ASSERT_TRUE(Globals::Write_File(path, saved, true));

    files->queueCancel();
    form()->Open_File();
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_EQ(text("cmbDriveVoltage"), "460VAC");

    form()->Reset();
    files->queuePath(path);
    form()->Open_File();
    ASSERT_EQ(files->calls().size(), 2);
    EXPECT_EQ(files->calls().at(1).settings.filter, "All Files (*.*)|*.*|Dat Files (*.Dat)|*.dat");
    EXPECT_EQ(files->calls().at(1).settings.filterIndex, 2);
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(Globals::Project_Path, path);
    EXPECT_EQ(Globals::System_Type, 4);
    EXPECT_EQ(form()->Save_String(), saved);

    // A kind no setup form loads: the form is reset, nothing is loaded, no flag stays set.
    const QString other = dir.filePath("other.dat");
    ASSERT_TRUE(Globals::Write_File(other, "3" + saved.mid(1), true));
    files->queuePath(other);
    form()->Open_File();
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_EQ(Globals::System_Type, 3);
    EXPECT_EQ(Globals::Project_Path, path);
    EXPECT_TRUE(Forms::isLoaded("frmDrive_Setup"));
    EXPECT_EQ(list("cmbMotor_Tech")->listIndex(), -1);
    EXPECT_EQ(record(), AxisRecord {});
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(DriveProjectFileTest, ReportOfAConfiguredDriveSystem)
{
    configureServo();
    const auto line = [](const QString& part, const QString& description) {
        return QStringLiteral("1") + QString(23, ' ') + part + QString(24 - part.size(), ' ') + description + "\r\n";
    };
    const QString expected =
        QStringLiteral("Brevan Quenro Results\r\nUse Courier Font for best display\r\n\r\n"
                       "DRIVE: BSD4604-A0\r\n"
                       "NOTES: 4.0 A continuous, 12.0 A peak (rms), 400/460 VAC three phase\r\n"
                       "DRIVE INPUT VOLTAGE: 460VAC\r\n"
                       "MOTOR: LM802BR-SC0\r\n"
                       "NOTES: 7.50 N-m continuous, 3000 rpm max, Resolver\r\n"
                       "\r\n\r\n\r\n"
                       "Bill of Material\r\n")
        + QString(77, '*') + "\r\n" + "Quantity" + QString(16, ' ') + "Part Number" + QString(13, ' ')
        + "Description\r\n\r\n" + line("BSD4604-A0", "BSD-460 Drive") + line("FLT-460", "Line Filter, 460 VAC")
        + line("LM802BR-SC0", "LM Series Motor") + line("MPC-S3-010", "Motor Power Cable")
        + line("FBC-R-010", "Motor Feedback Cable");
    EXPECT_EQ(Globals::Build_Report(), expected);
    EXPECT_EQ(Globals::BOM_Count, 5);
    EXPECT_EQ(Globals::BOM_Part_Number.value(2), "FLT-460");
    EXPECT_EQ(Globals::BOM_Quantity.value(2), 1);
}
