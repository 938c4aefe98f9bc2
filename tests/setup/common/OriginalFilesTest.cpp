// Project files in shapes the original program writes and ours does not by
// itself, each made from a seed by the lines its writer would hold, and seeds
// on a catalogue holding rows twice: opened through File > Open it shows no
// message and bills only what the catalogue offers, and Save As, with the
// options dialog the opening showed still open or closed by Done, writes it
// back byte for byte.

#include "support/OfferedBill.h"
#include "support/ProjectRoundTrip.h"
#include "support/SetupFormFixture.h"

#include "common/TestFiles.h"

#include "platform/ListControl.h"
#include "setup/common/OptionsLevelsDialog.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QPushButton>

namespace {

// Line `line` (from 1) set to `value`, or, with `from`, `count` lines from line `from` of the seed copied there.
struct Edit {
    int line;
    QByteArray value;
    int from = 0;
    int count = 1;
};

using Edits = QList<Edit>;

QString seedPath(const char* seed)
{
    return QStringLiteral(QUENRO_TEST_SOURCE_DIR "/fuzz/seeds/project_file/%1.dat").arg(QLatin1String(seed));
}

Edits emptied(int first, int last)
{
    Edits edits;
    for (int line = first; line <= last; ++line)
        edits.append(Edit {line, {}});
    return edits;
}

// A controller axis' block and its voltage, wiring and technology lines, as another axis holds them.
Edits axisCopied(int from, int to)
{
    constexpr int block = 129;
    Edits edits {{2 + block * (to - 1), {}, 2 + block * (from - 1), block}};
    for (int first : {1170, 1178, 1186})
        edits.append(Edit {first + to - 1, {}, first + from - 1});
    return edits;
}

// Entry i of a drive/controller file's accessory lists.
Edits driveControllerEntry(int i, const QByteArray& entry, const QByteArray& quantity, const QByteArray& description)
{
    return {{197 + i, entry}, {218 + i, quantity}, {155 + i, description}};
}

// A catalogue whose JTR type has 18 cards, the last "TUQ9-X8".
QStringList eighteenJtrCards()
{
    QStringList cards;
    for (int i = 1; i <= 8; ++i)
        cards << QStringLiteral("INSERT INTO ExpIO VALUES ('JTR','TUQ9-X%1','Extra card %1','0')").arg(i);
    return cards;
}

struct Row {
    const char* name;
    int kind;
    const char* seed;
    Edits edits;
    QStringList catalogue {};
    // The options dialog closed by Done before Save As.
    bool done = false;
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

const Row kRows[] = {
    // A KEX200 of eight axes configured anew as a three-axis BMC300.
    // needs the count to empty no axis
    {"ADriveBeyondALoweredCount", SetupKinds::Controller, "controller-three-axes", axisCopied(2, 4)},
    // Configured for eight axes, axis 6 set up, the options changed to four axes and closed by the close box.
    {"ACountAboveTheControllersOwn", SetupKinds::Controller, "controller-first-axis-empty",
     Edits {{1041, "8"}} + axisCopied(2, 6)},
    // "No Expansion IO" chosen over stored cards, then File > Save: the dialog
    // stores the choice at once and the cards when it closes.
    {"ControllerCardsWithTheExpansionChoiceOff", SetupKinds::Controller, "controller-accessories-cards",
     {{1037, "0"}}},
    {"DriveControllerCardsWithTheExpansionChoiceOff", SetupKinds::DriveController,
     "drive-controller-accessories-cards", {{132, "0"}}},
    // "No Expansion IO" empties card rows 0 to 14 only; the closing stores the others.
    {"DriveControllerCardRows15To17WithTheChoiceOff", SetupKinds::DriveController,
     "drive-controller-accessories-cards",
     Edits {{132, "0"}} + driveControllerEntry(1, "TUQ9-X6", "3", "Extra card 6")
         + driveControllerEntry(2, "TUQ9-X8", "8", "Extra card 8"),
     eighteenJtrCards()},
    // Axis 2, and a drive system's axis, left after their frame size.
    {"APartWayAxis", SetupKinds::Controller, "controller-three-axes",
     emptied(132, 133) + emptied(136, 141) + emptied(143, 148) + Edits {{1171, {}}}},
    {"APartWayDriveSystem", SetupKinds::Drive, "lm-servo",
     emptied(3, 4) + emptied(7, 12) + emptied(14, 19) + Edits {{128, {}}}},
    // Each accessory and card is offered and stored once.
    {"ControllerAccessoriesHeldTwice", SetupKinds::Controller, "controller-accessories-cards", {},
     {"INSERT INTO [Controller Accessories] SELECT * FROM [Controller Accessories]"}, true},
    {"CardsHeldTwice", SetupKinds::DriveController, "drive-controller-accessories-cards", {},
     {"INSERT INTO ExpIO SELECT * FROM ExpIO"}, true},
    // The 12-axis configuration's row names the 16-axis part number too: the counts are the configuration's.
    {"APartNumberHeldTwice", SetupKinds::Controller, "controller-sixteen-axes", {},
     {"UPDATE [All Controllers] SET [Part Number]='BMC16-16E0-E' WHERE [Part Number]='BMC16-12E0-E'"}, true},
};

class OriginalFilesTest : public SetupFormFixture, public ::testing::WithParamInterface<Row> {
public:
    OriginalFilesTest() : SetupFormFixture(GetParam().kind) {}
};

TEST_P(OriginalFilesTest, OpensQuietlyAndWritesBackByteForByte)
{
    const Row& row = GetParam();
    if (!row.catalogue.isEmpty())
        useCatalogueWith(row.catalogue);
    const QList<QByteArray> seed = fileBytes(seedPath(row.seed)).split('\r');
    QList<QByteArray> lines = seed;
    for (const Edit& edit : row.edits)
        for (int i = 0; i < edit.count; ++i)
            lines[edit.line - 1 + i] = edit.from ? seed.at(edit.from - 1 + i) : edit.value;
    const QByteArray original = lines.join('\r');
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("original.dat"));
    writeFileBytes(path, original);

    mdiMain& main = mainWindow();
    files->queuePath(path);
    main.mnuOpen()->trigger();
    EXPECT_EQ(msg->prompts(), QStringList {});
    EXPECT_EQ(main.windowTitle(), kTitle + QStringLiteral(" - original.dat"));
    Globals::Build_Report();
    EXPECT_EQ(OfferedBill::faults(), QStringList {});
    if (row.done) {
        Form* options = Forms::find(SetupKinds::find(row.kind)->optionsDialog);
        ASSERT_NE(options, nullptr);
        options->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
        processEvents();
        EXPECT_EQ(msg->prompts(), QStringList {});
    }

    const QString saved = folder.filePath(QStringLiteral("saved.dat"));
    files->queuePath(saved);
    main.mnuSave_As()->trigger();
    EXPECT_EQ(ProjectRoundTrip::firstDifference(QString::fromLatin1(original), QString::fromLatin1(fileBytes(saved)),
                                                QStringLiteral("\r")),
              QString());
}

INSTANTIATE_TEST_SUITE_P(Shapes, OriginalFilesTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A seed's saved option the catalogue withdrew, leaving its level one entry.
struct Withdrawn {
    const char* name;
    int kind;
    const char* seed;
    QString statement;
    // The level's system index and the file line of its saved value.
    int level;
    int line;
    // The part number the seed bills for the configuration, which no longer names one.
    QString partNumber;
};

void PrintTo(const Withdrawn& row, std::ostream* out)
{
    *out << row.name;
}

const Withdrawn kWithdrawn[] = {
    {"AnEncoderOption", SetupKinds::Controller, "controller-three-axes",
     "DELETE FROM [All Controllers] WHERE [Controller Name]='BMC300' AND Option2='E = Encoder'", 1, 1046,
     "Controller part number: \"BMC3-E0E\""},
    // Its cards stay until the user configures it anew.
    {"AFirstLevelWithCards", SetupKinds::Controller, "controller-accessories-cards",
     "DELETE FROM [All Controllers] WHERE [Controller Name]='KEX200' AND Option1='D = DIN Rail'", 0, 1045,
     "Controller part number: \"KEX2D-4E0\""},
    // Its breakout ports went with it.
    {"SixteenAxes", SetupKinds::Controller, "controller-sixteen-axes",
     "DELETE FROM [All Controllers] WHERE [Controller Name]='BMC1600' AND Option1='16 = 16 Axes'", 0, 1045,
     "Controller part number: \"BMC16-16E0-E\""},
    {"ASafeTorqueOffOptionWithCards", SetupKinds::DriveController, "drive-controller-accessories-cards",
     "DELETE FROM [All DriveControllers] WHERE [DriveController Name]='BSC-230' AND "
     "Option4='0 = No Safe Torque Off'",
     4, 138, "Drive/controller part number: \"BSC2306-E20\""},
    // The withdrawn options took every row that takes the saved cards.
    {"AnEthernetOptionWithLumioCards", SetupKinds::Controller, "controller-accessories-cards",
     "DELETE FROM [All Controllers] WHERE [Controller Name]='KEX200' AND Option4='E = Ethernet'", 3, 1048,
     "Controller part number: \"KEX2D-4E0\""},
    {"AnIoOptionWithJtrCards", SetupKinds::DriveController, "drive-controller-accessories-cards",
     "DELETE FROM [All DriveControllers] WHERE [DriveController Name]='BSC-230' AND Option3='2 = 16 DI / 8 DO'",
     3, 137, "Drive/controller part number: \"BSC2306-E20\""},
};

class WithdrawnOptionTest : public SetupFormFixture, public ::testing::WithParamInterface<Withdrawn> {
public:
    WithdrawnOptionTest() : SetupFormFixture(GetParam().kind) {}
};

// The file opens, the options dialog tells it and leaves the level to the
// user, the opening tells the part number that went with it, and what Save As
// writes from it, before or after Done, keeps the saved value and opens
// telling only the dialog's message.
TEST_P(WithdrawnOptionTest, IsToldAndNeverReplacedByTheEntryLeft)
{
    const Withdrawn& row = GetParam();
    useCatalogueWith({row.statement});
    const QString seed = seedPath(row.seed);
    const QByteArray savedValue = fileBytes(seed).split('\r').at(row.line - 1);
    mdiMain& main = mainWindow();
    QTemporaryDir folder;
    QString project = seed;
    for (const bool done : {false, true, false}) {
        SCOPED_TRACE(project.toStdString());
        msg->clear();
        files->queuePath(project);
        main.mnuOpen()->trigger();
        const QStringList prompts = msg->prompts();
        EXPECT_EQ(prompts.value(0), QStringLiteral("Previously selected %1 option no longer available or restructured.")
                                        .arg(row.kind == SetupKinds::Controller ? "controller" : "DriveController"));
        if (project == seed) {
            ASSERT_EQ(prompts.size(), 2);
            EXPECT_TRUE(prompts.at(1).contains(row.partNumber + " in the project file, none now."))
                << prompts.at(1).toStdString();
        } else {
            EXPECT_EQ(prompts.size(), 1) << prompts.join('|').toStdString();
        }
        auto* options = Forms::find<OptionsLevelsDialog>(SetupKinds::find(row.kind)->optionsDialog);
        ASSERT_NE(options, nullptr);
        const ListControl* level = options->cmb1(row.level);
        EXPECT_EQ(level->listCount(), 1);
        EXPECT_EQ(level->listIndex(), -1);
        EXPECT_FALSE(level->isHidden());
        if (done) {
            options->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
            processEvents();
        }
        project = folder.filePath(QStringLiteral("saved%1.dat").arg(done));
        files->queuePath(project);
        main.mnuSave_As()->trigger();
        EXPECT_EQ(fileBytes(project).split('\r').value(row.line - 1), savedValue);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, WithdrawnOptionTest, ::testing::ValuesIn(kWithdrawn),
                         [](const auto& info) { return std::string(info.param.name); });

// A seed on a catalogue that now gives another part number for one of its
// lines, from values the catalogue may hold.
struct Rebilled {
    const char* name;
    int kind;
    const char* seed;
    QStringList statements;
    QString message;
    // The changed lines as the reopened project bills them: description and part number (empty: no line).
    QList<std::pair<QString, QString>> billed;
};

void PrintTo(const Rebilled& row, std::ostream* out)
{
    *out << row.name;
}

const QString kDiffer = QStringLiteral("The project file and the database System Databases97.mdb differ; the project "
                                       "now holds what the database offers:\r\n");

const Rebilled kRebilled[] = {
    {"AnEmptyDriveCode", SetupKinds::Drive, "kx-servo", {"UPDATE [Drive to Motor] SET [120VAC_Drive] = ''"},
     kDiffer + "Drive part number: \"BSD2303-A0\" in the project file, \"BSD23-A0\" now.",
     {{"BSD-230 Drive", "BSD23-A0"}}},
    {"AnEmptyControllerPortion", SetupKinds::Drive, "lm-servo",
     {"UPDATE [Drive Construction] SET [DriveOnly_Controller_Portion] = ''"},
     kDiffer + "Drive part number: \"BSD4604-A0\" in the project file, \"BSD4604\" now.",
     {{"BSD-460 Drive", "BSD4604"}}},
    // Every value in one message, the axes' first.
    {"ABreakoutAndAnAxisDriveCode", SetupKinds::Controller, "controller-three-axes",
     {"UPDATE [All Controllers] SET [Required Accessory] = 'BRK-301' WHERE [Controller Name] = 'BMC300'",
      "UPDATE [Drive to Motor] SET [120VAC_Drive] = ''"},
     kDiffer + "Axis 2 drive part number: \"BSD2303-A0\" in the project file, \"BSD23-A0\" now.\r\n"
         + "Controller breakout: \"BRK-300\" in the project file, \"BRK-301\" now.",
     {{"Controller Breakout", "BRK-301"}, {"BSD-230 Drive Axis 2", "BSD23-A0"}}},
    {"ABreakoutWithdrawn", SetupKinds::Controller, "controller-three-axes",
     {"UPDATE [All Controllers] SET [Required Accessory] = 'N/A' WHERE [Controller Name] = 'BMC300'"},
     kDiffer + "Controller breakout: \"BRK-300\" in the project file, \"N/A\" now.", {{"Controller Breakout", ""}}},
    {"ABreakoutAdded", SetupKinds::Controller, "controller-accessories-cards",
     {"UPDATE [All Controllers] SET [Required Accessory] = 'BRK-200' WHERE [Controller Name] = 'KEX200'"},
     kDiffer + "Controller breakout: \"TNL-BKn\" in the project file, \"BRK-200\" now.",
     {{"Controller Breakout", "BRK-200"}}},
    {"NoOptionCode", SetupKinds::DriveController, "drive-controller-kx",
     {"UPDATE [All DriveControllers] SET [PartNumber] = NULL"},
     kDiffer + "Drive/controller part number: \"BSC2306-C10\" in the project file, \"BSC2306\" now.",
     {{"BSC-230 Drive/Controller", "BSC2306"}}},
    {"TheOptionCodeFirst", SetupKinds::DriveController, "drive-controller-accessories-cards",
     {"UPDATE [DriveController Construction] SET [Power Level First] = NULL"},
     kDiffer + "Drive/controller part number: \"BSC2306-E20\" in the project file, \"BSC23-E2006\" now.",
     {{"BSC-230 Drive/Controller", "BSC23-E2006"}}},
    // The part number is built without the empty code, not left out.
    {"AnEmptyDriveCodeOfADriveController", SetupKinds::DriveController, "drive-controller-kx",
     {"UPDATE [Drive to Motor] SET [120VAC_Drive] = ''"},
     kDiffer + "Drive part number: \"BSC2306\" in the project file, \"BSC23\" now.\r\n"
         + "Drive/controller part number: \"BSC2306-C10\" in the project file, \"BSC23-C10\" now.",
     {{"BSC-230 Drive/Controller", "BSC23-C10"}}},
};

class RebilledTest : public SetupFormFixture, public ::testing::WithParamInterface<Rebilled> {
public:
    RebilledTest() : SetupFormFixture(GetParam().kind) {}
};

// The opening tells every changed value in one message; the project bills
// what the catalogue gives, and saved it opens quietly.
TEST_P(RebilledTest, IsToldLineByLineAndBillsWhatTheCatalogueGives)
{
    const Rebilled& row = GetParam();
    useCatalogueWith(row.statements);
    mdiMain& main = mainWindow();
    files->queuePath(seedPath(row.seed));
    main.mnuOpen()->trigger();
    EXPECT_EQ(msg->prompts(), QStringList {row.message});

    const Globals::Bill bill = Globals::Current_Bill();
    for (const auto& [description, partNumber] : row.billed) {
        const auto line = std::ranges::find(bill, description, &Globals::BillLine::description);
        EXPECT_EQ(line == bill.end() ? QString() : line->partNumber, partNumber) << description.toStdString();
    }
    Globals::Build_Report();
    EXPECT_EQ(OfferedBill::faults(), QStringList {});

    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("saved.dat"));
    files->queuePath(saved);
    main.mnuSave_As()->trigger();
    msg->clear();
    files->queuePath(saved);
    main.mnuOpen()->trigger();
    EXPECT_EQ(msg->prompts(), QStringList {});
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RebilledTest, ::testing::ValuesIn(kRebilled),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
