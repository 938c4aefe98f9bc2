// The seeds of the project-file fuzz target are files the program writes:
// each is configured here through the forms' controls, as a user would, and
// saved with Save As. A seed that is not the file the program writes now
// fails; QUENRO_WRITE_SEEDS=1 writes them afresh into the source tree.

#include "support/AppFixture.h"
#include "support/SessionDriver.h"

#include "shell/mdiMain.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kDrive = QStringLiteral("frmDrive_Setup.");
const QString kDriveController = QStringLiteral("frmDriveController_Setup.");
const QString kDriveControllerOptions = QStringLiteral("frmDriveControl.");
const QString kController = QStringLiteral("frmController_Setup.");
const QString kControllerOptions = QStringLiteral("frmControl.");
const QString kAccessories = QStringLiteral("frmAccessories.");
const QString kGear = QStringLiteral("frmGear.");

// A user's action as SessionDriver performs it: an entry chosen in a list
// (highlighted in a multiple choice list), or a button or option pressed.
QString choose(const QString& window, const QString& control, const QString& entry)
{
    return window + control + QStringLiteral(" = ") + entry;
}

QString press(const QString& window, const QString& control)
{
    return window + control;
}

// The entries of a form's cascade, from the technology to the cable lengths
// (and a controller axis' command cable length); an empty entry leaves its
// list as the cascade left it.
QStringList cascade(const QString& form, const QStringList& entries)
{
    const QString drive = form == kDriveController ? QStringLiteral("cmbDriveController") : QStringLiteral("cmbDrive");
    const QStringList lists {"cmbMotor_Tech",   drive,          "cmbMotor_Series", "cmbFrame_size",
                             "cmbStack_length", "cmbWinding",   "cmbFeedback",     "cmbShaft_options",
                             "cmbCable_Option", "cmbOptions",   "cmbDriveVoltage", "cmbWiring",
                             "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length", "cmbController_Cable_Length"};
    QStringList steps;
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (!entries.at(i).isEmpty())
            steps << choose(form, lists.at(i), entries.at(i));
    return steps;
}

// The levels of an options dialog, from its first list cmb1(first).
QStringList options(const QString& dialog, int first, const QStringList& entries)
{
    QStringList steps;
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (!entries.at(i).isEmpty())
            steps << choose(dialog, QStringLiteral("cmb1(%1)").arg(first + i), entries.at(i));
    return steps;
}

// The accessory dialog: the entries highlighted, then Done.
QStringList accessories(const QStringList& entries)
{
    QStringList steps;
    for (const QString& entry : entries)
        steps << choose(kAccessories, QStringLiteral("lstAccessories"), entry);
    return steps << press(kAccessories, QStringLiteral("cmdDone"));
}

QStringList axis(int number, const QStringList& steps)
{
    return QStringList {choose(kController, QStringLiteral("cmbAxis"), QStringLiteral("Axis %1").arg(number))} + steps;
}

QStringList copyAxis(int number, int from)
{
    return axis(number, {choose(kController, QStringLiteral("cmbReplicate"), QStringLiteral("Axis %1").arg(from))});
}

struct Seed {
    const char* name;
    QAction* (mdiMain::*menu)() const;
    QStringList steps;
    // Targets whose seeds hold the file.
    QStringList targets {QStringLiteral("project_file")};
};

const QStringList kLm {"Servo", "BSD-460", "LM", "80", "2", "", "R = Resolver", "S = Smooth Shaft", "",
                       "0 = Standard", "460VAC", "", "10"};
const QStringList kKex4Axes {"D = DIN Rail", "", "4 = 4 Axes", "E = Ethernet", "", "0 = No Display"};
// Controller axes by their drive and motor, down to the command cable's length.
const QStringList kCrDirectDrive {"Direct Drive", "BDD-230", "CR", "02", "100 = 100 mm", "230VAC",
                                  "E = 20-bit Encoder", "H = Hollow Shaft", "", "N/A", "", "", "10"};
const QStringList kKx16Servo {"Servo", "BSD-230", "KX", "16", "1", "", "", "S = Smooth Shaft", "", "0 = Standard",
                              "120VAC", "", "10", "", "1"};

const Seed kSeeds[] = {
    {"lm-servo", &mdiMain::mnuDrive, cascade(kDrive, kLm), {"project_file", "text_files"}},
    {"lm-servo-accessory", &mdiMain::mnuDrive,
     cascade(kDrive, kLm) << press(kDrive, "cmdDriveAccessories") << accessories({"FLT-460 = Line Filter, 460 VAC"})},
    {"kx-servo", &mdiMain::mnuDrive,
     cascade(kDrive, {"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors",
                      "0 = Standard"})},
    {"kx-gearhead", &mdiMain::mnuDrive,
     cascade(kDrive, {"Servo", "BSD-230", "KX", "16", "1", "", "", "K", "", "GXX = Gearhead"})
         << choose(kGear, "cmbGear", "GP16-010") << press(kGear, "cmdDone")},
    {"ct-direct-drive", &mdiMain::mnuDrive,
     cascade(kDrive, {"Direct Drive", "BDD-460", "", "40", "", "", "E = 20-bit Encoder", "S = Solid Shaft", "", "N/A",
                      "400VAC"})},
    {"sx-stepper", &mdiMain::mnuDrive,
     cascade(kDrive, {"Stepper", "SMD-48", "SX", "23", "1", "A", "S = Single Shaft", "R = Round Shaft",
                      "C = Connector", "None", "24VDC", "SERIES"})},
    {"drive-controller-kx", &mdiMain::mnuDrive_Controller,
     cascade(kDriveController, {"Servo", "BSC-230", "KX", "16", "1", "", "", "S = Smooth Shaft", "C = Connectors",
                                "0 = Standard", "120VAC", "", "10"})
         << press(kDriveController, "cmdDriveController")
         << options(kDriveControllerOptions, 1, {"C = CAN Bus", "", "1 = 8 DI / 4 DO", "0 = No Safe Torque Off"})
         << press(kDriveControllerOptions, "cmdDone")},
    {"drive-controller-accessories-cards", &mdiMain::mnuDrive_Controller,
     cascade(kDriveController, {"Servo", "BSC-230", "KX", "23", "1", "", "", "S = Smooth Shaft", "C = Connectors",
                                "0 = Standard", "230VAC", "", "10"})
         << press(kDriveController, "cmdDriveController")
         << options(kDriveControllerOptions, 1, {"E = Ethernet", "", "2 = 16 DI / 8 DO", "0 = No Safe Torque Off"})
         << press(kDriveControllerOptions, "cmdAccessories")
         << choose(kAccessories, "lstAccessories", "FLT-230 = Line Filter, 230 VAC") << press(kAccessories, "optExp(1)")
         << choose(kAccessories, "cmbTuq(1)", "1") << press(kAccessories, "cmdDone")
         << press(kDriveControllerOptions, "cmdDone")},
    {"controller-three-axes", &mdiMain::mnuController_Only,
     QStringList {choose(kController, "cmbController", "BMC300"), press(kController, "cmdController")}
         << options(kControllerOptions, 0, {"3 = 3 Axes", "E = Encoder", "0 = No I/O", "E = Ethernet"})
         << press(kControllerOptions, "cmdAccessories") << accessories({"HMI-7 = 7 in Touch Panel"})
         << press(kControllerOptions, "cmdDone")
         << cascade(kController, kCrDirectDrive) << axis(2, cascade(kController, kKx16Servo)) << copyAxis(3, 1)},
    {"controller-first-axis-empty", &mdiMain::mnuController_Only,
     QStringList {choose(kController, "cmbController", "KEX200"), press(kController, "cmdController")}
         << options(kControllerOptions, 0, kKex4Axes) << press(kControllerOptions, "cmdDone")
         << axis(2, cascade(kController, kCrDirectDrive))
         // The breakout's ports, its length still to be chosen.
         << choose(kController, "cmbAxis_Number", "4")},
    {"controller-accessories-cards", &mdiMain::mnuController_Only,
     QStringList {choose(kController, "cmbController", "KEX200"), press(kController, "cmdController")}
         << options(kControllerOptions, 0, kKex4Axes) << press(kControllerOptions, "cmdAccessories")
         << choose(kAccessories, "lstAccessories", "HX25-08 = 25-pin Breakout Module")
         << press(kAccessories, "optExp(1)") << choose(kAccessories, "cmbTuq(0)", "2")
         << press(kAccessories, "cmdDone") << press(kControllerOptions, "cmdDone")
         << cascade(kController, kKx16Servo) << press(kController, "cmdDriveAccessories")
         << accessories({"BRK-R50 = 50 Ohm Braking Resistor"}) << copyAxis(2, 1)},
    {"controller-sixteen-axes", &mdiMain::mnuController_Only,
     QStringList {choose(kController, "cmbController", "BMC1600"), press(kController, "cmdController")}
         << options(kControllerOptions, 0, {"16 = 16 Axes", "E = Encoder", "0 = No I/O", "E = Ethernet"})
         << press(kControllerOptions, "cmdDone") << cascade(kController, kCrDirectDrive)
         << choose(kController, "cmbAxis_Number", "16") << choose(kController, "cmbReq_Accessories_length", "2")
         << axis(2, cascade(kController, {"Direct Drive", "BDD-230", "CT", "06", "150 = 150 mm", "230VAC",
                                          "A = Absolute Encoder", "H = Hollow Shaft", "", "N/A", "", "", "10"}))
         << axis(3, cascade(kController, kKx16Servo))
         << axis(4, cascade(kController, {"Servo", "BSD-230", "LM", "60", "2", "", "R = Resolver", "K = Keyway", "",
                                          "0 = Standard", "120VAC", "", "10", "", "1"}))
         << axis(5, cascade(kController, {"Servo", "BSD-230", "QDM", "092 = 92 mm", "1", "", "M1 = IEC Flange",
                                          "A = Absolute Encoder", "", "0 = Standard", "120VAC", "", "10", "", "1"}))
         << axis(6, cascade(kController, {"Stepper", "SMD-230", "ST", "34", "1", "H", "S = Single Shaft",
                                          "F = Flatted Shaft", "", "None", "230VAC", "PARALLEL", "10", "", "1"}))
         << axis(7, cascade(kController, {"Stepper", "SMD-230", "SX", "23", "1", "H", "D = Double Shaft",
                                          "F = Flatted Shaft", "C = Connector", "E = Rear Encoder", "120VAC", "SERIES",
                                          "10", "", "1"}))
         << copyAxis(8, 1) << copyAxis(9, 2) << copyAxis(10, 3) << copyAxis(11, 4) << copyAxis(12, 5)
         << copyAxis(13, 6) << copyAxis(14, 7) << copyAxis(15, 1)
         << axis(16, cascade(kController, kCrDirectDrive)) << press(kController, "cmdDriveAccessories")
         << accessories({"CTB-26 = Command Terminal Block"})},
};

void PrintTo(const Seed& seed, std::ostream* out)
{
    *out << seed.name;
}

class SeedFilesTest : public AppFixture, public ::testing::WithParamInterface<Seed> {};

TEST_P(SeedFilesTest, EachSeedIsTheFileTheProgramWrites)
{
    const Seed& seed = GetParam();
    mdiMain& main = mainWindow();
    (main.*seed.menu)()->trigger();
    SessionDriver driver(main, *msg);
    for (const QString& step : seed.steps) {
        ASSERT_TRUE(driver.perform(step)) << step.toStdString();
        ASSERT_EQ(msg->prompts(), QStringList {}) << step.toStdString();
    }
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("saved.dat"));
    files->queuePath(saved);
    main.mnuSave_As()->trigger();
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();

    const bool rewrite = qEnvironmentVariableIsSet("QUENRO_WRITE_SEEDS");
    for (const QString& target : seed.targets) {
        const QString path =
            QStringLiteral(QUENRO_TEST_SOURCE_DIR "/fuzz/seeds/%1/%2.dat").arg(target, QLatin1String(seed.name));
        QFile seedFile(path);
        if (rewrite) {
            ASSERT_TRUE(seedFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
            seedFile.write(written);
            continue;
        }
        ASSERT_TRUE(seedFile.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(seedFile.readAll() == written)
            << path.toStdString() << " is not what the program writes; QUENRO_WRITE_SEEDS=1 writes it afresh";
    }
}

INSTANTIATE_TEST_SUITE_P(ProjectFiles, SeedFilesTest, ::testing::ValuesIn(kSeeds), [](const auto& info) {
    QString name = QLatin1String(info.param.name);
    return name.remove(QLatin1Char('-')).toStdString();
});

} // namespace
