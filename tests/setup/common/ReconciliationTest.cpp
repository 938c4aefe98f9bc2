// Seed projects opened on catalogues that differ from the one they were saved
// on, and files that differ from what the program writes: each opens as far
// as the catalogue allows, one message names every value the project now
// holds otherwise, the bill holds only what the catalogue offers, Done of the
// options dialog the opening shows changes nothing, and what Save As writes
// opens again with nothing new told.

#include "support/OfferedBill.h"
#include "support/SetupFormFixture.h"

#include "common/TestFiles.h"

#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QPushButton>

namespace {

const QString kDiffer = QStringLiteral("The project file and the database System Databases97.mdb differ; the project "
                                       "now holds what the database offers:");
const QString kDatabase = QStringLiteral("The database System Databases97.mdb ");
const QString kControllerLost =
    QStringLiteral("Previously selected controller option no longer available or restructured.");

struct Row {
    const char* name;
    int kind;
    const char* seed;
    QStringList catalogue;
    // Lines of the seed (from 1) that the file holds otherwise.
    QList<QPair<int, QByteArray>> lines;
    // The messages of the opening: the options dialog's, then one naming every difference.
    QStringList told;
    // Part numbers the reopened bill must and must not hold.
    QStringList billed {};
    QStringList unbilled {};
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

QString told(const QStringList& lines)
{
    return (QStringList {kDiffer} + lines).join(QStringLiteral("\r\n"));
}

const Row kRows[] = {
    // A value no longer offered is left for the user; the project opens.
    {"ACableLengthGone", SetupKinds::Drive, "lm-servo", {"DELETE FROM Cables WHERE Cable='MPC-S3' AND Length='10'"}, {},
     {told({"Motor power cable length: \"10\" in the project file, none now."})}, {"FBC-R-010"}, {"MPC-S3-010"}},
    {"AGearheadGone", SetupKinds::Drive, "kx-gearhead", {"DELETE FROM Gearhead WHERE GXX='GP16-010'"}, {},
     {told({"Motor option: \"GP16-010\" in the project file, none now.",
            "Gearhead: \"GP16-010\" in the project file, none now.",
            "Gearhead notes: \"10:1 planetary, 12 arc-min backlash, 4 N-m rated output\" in the project file, none now.",
            "Motor part number: \"KX161AE-KCGP16-010\" in the project file, none now.",
            "Motor notes: \"0.32 N-m continuous, 6000 rpm max, Encoder\" in the project file, none now.",
            "Drive notes: \"3.0 A continuous, 9.0 A peak (rms), 120/230 VAC single phase\" in the project file, none now.",
            "Motor power cable: \"MPC-S1\" in the project file, none now.",
            "Motor feedback cable: \"FBC-E\" in the project file, none now.",
            "Drive input voltage: \"120VAC\" in the project file, none now.",
            "Drive part number: \"BSD2303-A0\" in the project file, none now."})},
     {},
     {"KX161AE-KCGP16-010", "BSD2303-A0"}},
    // One terminal block of one axis.
    {"DriveAccessoriesEmptied", SetupKinds::Controller, "controller-sixteen-axes", {"DELETE FROM [Drive Accessories]"},
     {},
     {told({"Axis 16 drive accessory: \"CTB-26 = Command Terminal Block\" in the project file, none now."})},
     {"BMC16-16E0-E"},
     {"CTB-26"}},
    // Damage met at a step is named as the catalogue's, and that value is left.
    {"ALengthWithoutItsPartNumber", SetupKinds::Drive, "lm-servo",
     {"UPDATE Cables SET [Cable Part Number]=NULL WHERE Cable='MPC-S3' AND Length='10'"},
     {},
     {told({kDatabase + "has no value in column \"Cables.Cable Part Number\" for \"MPC-S3\", \"10\".",
            "Motor power cable length: \"10\" in the project file, none now."})},
     {"BSD4604-A0"},
     {}},
    // A controller whose every options row is gone: the options' message, and what went with them.
    {"TheControllersOptionsGone", SetupKinds::Controller, "controller-three-axes",
     {"DELETE FROM [All Controllers] WHERE [Controller Name]='BMC300'"},
     {},
     {kControllerLost, told({"Controller breakout: \"BRK-300\" in the project file, none now.",
                             "Controller part number: \"BMC3-E0E\" in the project file, none now."})},
     {"BSD2303-A0"},
     {"BMC3-E0E", "BRK-300", "HMI-7"}},
    // A part number the reopening looks up, from a value the file holds.
    {"ARequiredAccessoryRenamed", SetupKinds::Controller, "controller-three-axes",
     {"UPDATE [All Controllers] SET [Required Accessory]='BRK-300Q' WHERE [Controller Name]='BMC300'"},
     {},
     {told({"Controller breakout: \"BRK-300\" in the project file, \"BRK-300Q\" now."})},
     {"BRK-300Q"},
     {"BRK-300"}},
    // What the catalogue now requires is told at Open, so that Done changes nothing.
    {"ACardRequiredNow", SetupKinds::Controller, "controller-accessories-cards",
     {"UPDATE ExpIO SET [Required Quantity]='1' WHERE [DUW Number]='LUM-AI08'"},
     {},
     {told({"Controller accessory: \"LUM-AI08\" now, not in the project file."})},
     {"LUM-AI08"},
     {}},
    // The same names and placeholders in another case.
    {"ControllerNamesInAnotherCase", SetupKinds::Controller, "controller-accessories-cards",
     {"UPDATE Controllers SET [Controller Name]=lower([Controller Name])"}, {}, {}, {"HX25-08"}, {}},
    {"PlaceholdersInAnotherCase", SetupKinds::Controller, "controller-three-axes",
     {"UPDATE [Controller to Drive] SET ControllerDriveRequired_Accessory='n/a' "
      "WHERE ControllerDriveRequired_Accessory='N/A'"},
     {},
     {},
     {},
     {"n/a"}},
    {"PlaceholdersWithBlanks", SetupKinds::Controller, "controller-three-axes",
     {"UPDATE [Controller to Drive] SET ControllerDriveRequired_Accessory=' N/A ' "
      "WHERE ControllerDriveRequired_Accessory='N/A'"},
     {},
     {},
     {},
     {" N/A "}},
    {"GearheadCodesInAnotherCase", SetupKinds::Drive, "kx-gearhead", {"UPDATE Gearhead SET GXX=lower(GXX)"}, {}, {},
     {}, {}},
    {"AccessoriesInAnotherCase", SetupKinds::Controller, "controller-sixteen-axes",
     {"UPDATE [Controller Accessories] SET [Controller Accessory]=lower([Controller Accessory])",
      "UPDATE [Drive Accessories] SET [Drive Accessory]=lower([Drive Accessory])"},
     {},
     {},
     {},
     {}},
    {"MotorNamesInAnotherCase", SetupKinds::Drive, "lm-servo",
     {"UPDATE [Drive to Motor] SET [Motor Name]=lower([Motor Name])"}, {}, {}, {}, {}},
    {"ADriveSavedInAnotherCase", SetupKinds::Drive, "lm-servo", {}, {{13, "bsd-460"}, {5, "lm"}}, {}, {}, {}},
    // A voltage left for the user stays unchosen when what Save As wrote opens again.
    {"AVoltageGone", SetupKinds::DriveController, "drive-controller-accessories-cards",
     {"UPDATE [Drive to Motor] SET [230VAC_Drive] = NULL"}, {},
     {told({"Drive input voltage: \"230VAC\" in the project file, none now.",
            "Drive part number: \"BSC2306\" in the project file, none now.",
            "Drive/controller part number: \"BSC2306-E20\" in the project file, none now."})},
     {"FLT-230"},
     {"BSC2306-E20"}},
    // Options the catalogue cannot build a part number for: the project opens
    // without them and the fault is told, as the options button tells it.
    {"AConstructionRowWithoutItsName", SetupKinds::DriveController, "drive-controller-accessories-cards",
     {"UPDATE [DriveController Construction] SET [DriveController Name] = NULL"}, {},
     {told({"The database System Databases97.mdb has no row for \"BSC-230\" in column \"DriveController "
            "Construction.DriveController Name\".",
            "Drive/controller part number: \"BSC2306-E20\" in the project file, none now."})},
     {"KX231AE-SC0"},
     {"BSC2306-E20", "TUQ16-IN"}},
    // A withdrawn expansion choice is named by the number the file holds.
    {"ExpansionWithdrawn", SetupKinds::DriveController, "drive-controller-accessories-cards",
     {"UPDATE [All DriveControllers] SET [JTR Ready] = NULL"}, {},
     {told({"Drive/controller expansion I/O: \"-1\" in the project file, none now.",
            "Drive/controller accessory: \"TUQ16-IN\" in the project file, none now."})},
     {"BSC2306-E20"},
     {"TUQ16-IN"}},
    // A line the program cannot know the cause of: the wording blames neither side.
    {"AHandEditedPartNumber", SetupKinds::Drive, "lm-servo", {}, {{15, "BSD4604-A9"}},
     {told({"Drive part number: \"BSD4604-A9\" in the project file, \"BSD4604-A0\" now."})}, {"BSD4604-A0"}, {}},
    // A saved option no longer offered: the cards wait for a configuration that takes them.
    {"AWithdrawnOptionsCardsWait", SetupKinds::Controller, "controller-accessories-cards", {},
     {{1045, "D = DIN Rail "}},
     {kControllerLost, told({"Controller part number: \"KEX2D-4E0\" in the project file, none now."})},
     {},
     {"KEX2D-4E0", "LUM-AI04", "HX25-08"}},
    {"AnEmptiedLastLevel", SetupKinds::Controller, "controller-accessories-cards", {}, {{1050, ""}},
     {told({"Controller part number: \"KEX2D-4E0\" in the project file, none now."})},
     {},
     {"KEX2D-4E0", "LUM-AI04", "HX25-08"}},
    // The original's dialog over a catalogue that held a card's row twice stored it twice.
    {"ACardInTwoRows", SetupKinds::DriveController, "drive-controller-accessories-cards", {},
     {{199, "TUQ16-IN"}, {220, "1"}, {157, "16 Digital Inputs"}},
     {told({"Drive/controller accessory: \"TUQ16-IN\" in several rows in the project file, in one now."})},
     {"TUQ16-IN"},
     {}},
};

class ReconciliationTest : public SetupFormFixture, public ::testing::WithParamInterface<Row> {
public:
    ReconciliationTest() : SetupFormFixture(GetParam().kind) {}

protected:
    QString open(const QString& path)
    {
        msg->clear();
        files->queuePath(path);
        mainWindow().mnuOpen()->trigger();
        return Globals::Project_Path;
    }

    QByteArray saveAs(const QString& path)
    {
        files->queuePath(path);
        mainWindow().mnuSave_As()->trigger();
        return fileBytes(path);
    }

    Form* optionsDialog()
    {
        const QString& name = SetupKinds::find(GetParam().kind)->optionsDialog;
        return name.isEmpty() ? nullptr : Forms::find(name);
    }
};

TEST_P(ReconciliationTest, OpensAsFarAsTheCatalogueAllowsAndTellsEveryDifferenceOnce)
{
    const Row& row = GetParam();
    if (!row.catalogue.isEmpty())
        useCatalogueWith(row.catalogue);
    QList<QByteArray> lines =
        fileBytes(QStringLiteral(QUENRO_TEST_SOURCE_DIR "/fuzz/seeds/project_file/%1.dat").arg(row.seed)).split('\r');
    for (const auto& [number, value] : row.lines)
        lines[number - 1] = value;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("original.dat"));
    writeFileBytes(path, lines.join('\r'));

    EXPECT_EQ(open(path), path);
    EXPECT_EQ(msg->prompts(), row.told);
    Globals::Build_Report();
    EXPECT_EQ(OfferedBill::faults(), QStringList {});
    for (const QString& part : row.billed)
        EXPECT_TRUE(Globals::BOM_Part_Number.contains(part)) << part.toStdString();
    for (const QString& part : row.unbilled)
        EXPECT_FALSE(Globals::BOM_Part_Number.contains(part)) << part.toStdString();

    // Done with nothing changed changes neither the bill nor the file.
    const QByteArray opened = saveAs(folder.filePath(QStringLiteral("opened.dat")));
    const Globals::Bill bill = Globals::Current_Bill();
    if (Form* options = optionsDialog()) {
        msg->clear();
        // A configuration left incomplete stays so: the user keeps it.
        msg->queue(MsgBox::Cancel);
        options->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
        processEvents();
        EXPECT_EQ(saveAs(folder.filePath(QStringLiteral("done.dat"))), opened);
        EXPECT_EQ(Globals::Current_Bill().size(), bill.size());
    }

    // What Save As wrote tells nothing new: at most the options dialog's own
    // message again, and the catalogue's faults where a step meets them again.
    const QStringList again = row.told.value(0) == kControllerLost ? QStringList {kControllerLost} : QStringList {};
    QStringList faults;
    for (const QString& message : row.told)
        for (const QString& line : message.split(QStringLiteral("\r\n")))
            if (line.startsWith(kDatabase))
                faults << line;
    EXPECT_EQ(open(folder.filePath(QStringLiteral("opened.dat"))), folder.filePath(QStringLiteral("opened.dat")));
    const QStringList prompts = msg->prompts();
    EXPECT_TRUE(prompts == again || (!faults.isEmpty() && prompts == again + QStringList {told(faults)}))
        << prompts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(saveAs(folder.filePath(QStringLiteral("again.dat"))), opened);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ReconciliationTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
