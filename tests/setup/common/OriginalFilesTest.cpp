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
};

void PrintTo(const Withdrawn& row, std::ostream* out)
{
    *out << row.name;
}

const Withdrawn kWithdrawn[] = {
    {"AnEncoderOption", SetupKinds::Controller, "controller-three-axes",
     "DELETE FROM [All Controllers] WHERE [Controller Name]='BMC300' AND Option2='E = Encoder'", 1, 1046},
    // Its cards stay until the user configures it anew.
    {"AFirstLevelWithCards", SetupKinds::Controller, "controller-accessories-cards",
     "DELETE FROM [All Controllers] WHERE [Controller Name]='KEX200' AND Option1='D = DIN Rail'", 0, 1045},
    // Its breakout ports went with it.
    {"SixteenAxes", SetupKinds::Controller, "controller-sixteen-axes",
     "DELETE FROM [All Controllers] WHERE [Controller Name]='BMC1600' AND Option1='16 = 16 Axes'", 0, 1045},
    {"ASafeTorqueOffOptionWithCards", SetupKinds::DriveController, "drive-controller-accessories-cards",
     "DELETE FROM [All DriveControllers] WHERE [DriveController Name]='BSC-230' AND "
     "Option4='0 = No Safe Torque Off'",
     4, 138},
};

class WithdrawnOptionTest : public SetupFormFixture, public ::testing::WithParamInterface<Withdrawn> {
public:
    WithdrawnOptionTest() : SetupFormFixture(GetParam().kind) {}
};

// The file opens, the options dialog tells it and leaves the level to the
// user as one of several entries, and Save As keeps the saved value.
TEST_P(WithdrawnOptionTest, IsToldAndNeverReplacedByTheEntryLeft)
{
    const Withdrawn& row = GetParam();
    useCatalogueWith({row.statement});
    const QString seed = seedPath(row.seed);
    mdiMain& main = mainWindow();
    files->queuePath(seed);
    main.mnuOpen()->trigger();
    EXPECT_EQ(msg->prompts(), QStringList {QStringLiteral("Previously selected %1 option no longer available or "
                                                          "restructured.")
                                               .arg(row.kind == SetupKinds::Controller ? "controller"
                                                                                       : "DriveController")});
    auto* options = Forms::find<OptionsLevelsDialog>(SetupKinds::find(row.kind)->optionsDialog);
    ASSERT_NE(options, nullptr);
    const ListControl* level = options->cmb1(row.level);
    EXPECT_EQ(level->listCount(), 1);
    EXPECT_EQ(level->listIndex(), -1);
    EXPECT_FALSE(level->isHidden());

    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("saved.dat"));
    files->queuePath(saved);
    main.mnuSave_As()->trigger();
    EXPECT_EQ(fileBytes(saved).split('\r').value(row.line - 1), fileBytes(seed).split('\r').at(row.line - 1));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, WithdrawnOptionTest, ::testing::ValuesIn(kWithdrawn),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
