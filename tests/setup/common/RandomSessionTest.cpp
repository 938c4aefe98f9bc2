// Random sessions through the real windows: whatever a user does, in any
// order, what is saved reopens as it was left, each list shows what the
// record holds and the bill holds only parts the catalogue offers.

#include "support/AppFixture.h"
#include "support/OfferedBill.h"
#include "support/SessionChecks.h"
#include "support/SessionDriver.h"

#include "platform/Win1252.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>
#include <random>

using namespace Globals;

namespace {

struct Outcome {
    QString fault;  // empty when the session kept every promise
    int reached = 0;  // actions taken before the fault
    QStringList impossible;  // given actions the windows did not offer, skipped
};

class RandomSessionTest : public AppFixture {
protected:
    // A session of the kind: the form opened from the New menu, then the
    // actions given or, with a seed, 5 to 60 drawn ones (written into actions).
    Outcome session(int kind, QStringList& actions, std::optional<unsigned> seed = {}, bool anyWindow = true)
    {
        // A failure that escapes the program's own handling is a fault of the session too.
        try {
            return play(kind, actions, seed, anyWindow);
        } catch (const std::exception& e) {
            return {QStringLiteral("exception: ") + QString::fromUtf8(e.what()), static_cast<int>(actions.size()), {}};
        }
    }

    Outcome play(int kind, QStringList& actions, std::optional<unsigned> seed, bool anyWindow)
    {
        mdiMain& main = mainWindow();
        Forms::unloadAll();
        processEvents();
        Reset_All_State();
        msg->clear();
        SessionDriver driver(main, *msg);
        (kind == SetupKinds::Drive             ? main.mnuDrive()
         : kind == SetupKinds::DriveController ? main.mnuDrive_Controller()
                                               : main.mnuController_Only())
            ->trigger();
        processEvents();

        std::mt19937 rng(seed.value_or(0));
        const int count = seed ? std::uniform_int_distribution<int>(5, 60)(rng) : static_cast<int>(actions.size());
        QStringList impossible;
        for (int i = 0; i < count; ++i) {
            if (seed) {
                const qsizetype before = actions.size();
                driver.step(rng, anyWindow, actions);
                if (actions.size() == before)
                    break;
            } else if (!driver.perform(actions.at(i))) {
                impossible << actions.at(i);
            }
            if (QString fault = sessionFault(); !fault.isEmpty())
                return {fault, i + 1, impossible};
        }
        return {roundTripFault(main, kind), static_cast<int>(actions.size()), impossible};
    }

    // A message that reports a failed handler, or a list that lies.
    QString sessionFault()
    {
        for (const MsgBox::Message& m : msg->messages())
            if (m.icon == MsgBox::Critical)
                return QStringLiteral("message: ") + m.prompt;
        msg->clear();
        const QStringList screen = SessionChecks::screenFaults();
        return screen.isEmpty() ? QString() : QStringLiteral("screen: ") + screen.join(QLatin1String("; "));
    }

    static QString billFault()
    {
        Build_Report();
        const QStringList faults = OfferedBill::faults();
        return faults.isEmpty() ? QString() : QStringLiteral("bill: ") + faults.join(QLatin1String("; "));
    }

    // Opens the file; the options dialog the reopening opens is left by Done or its close box.
    QString reopen(mdiMain& main, const QString& path, SessionChecks::Leaving leaving)
    {
        msg->clear();
        files->queuePath(path);
        main.mnuOpen()->trigger();
        processEvents();
        if (!msg->messages().isEmpty())
            return QStringLiteral("open: ") + msg->prompts().join(QLatin1String(" | "));
        for (Form* window : SessionDriver::windows()) {
            if (window->Name() != SetupKinds::find(System_Type)->optionsDialog)
                continue;
            if (leaving == SessionChecks::ByCloseBox)
                window->close();
            else
                window->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
            processEvents();
        }
        msg->clear();
        return {};
    }

    QString roundTripFault(mdiMain& main, int kind)
    {
        if (QString fault = billFault(); !fault.isEmpty())
            return fault;
        const QString saved = SessionChecks::projectText();
        const QString path = m_dir.filePath(QStringLiteral("session.dat"));
        QFile::remove(path);
        files->queuePath(path);
        main.mnuSave_As()->trigger();
        QFile written(path);
        if (!written.open(QIODevice::ReadOnly) || written.readAll() != Win1252::encode(saved))
            return QStringLiteral("save: the file is not the project text");
        main.mnuClose()->trigger();
        processEvents();
        if (QString fault = sessionFault(); !fault.isEmpty())
            return QStringLiteral("save: ") + fault;
        for (const SessionChecks::Leaving leaving : {SessionChecks::ByDone, SessionChecks::ByCloseBox}) {
            const QString how = leaving == SessionChecks::ByDone ? QStringLiteral("Done") : QStringLiteral("close box");
            if (QString fault = reopen(main, path, leaving); !fault.isEmpty())
                return fault;
            if (const QStringList changed =
                    SessionChecks::differences(saved, SessionChecks::projectText(), kind, leaving);
                !changed.isEmpty())
                return QStringLiteral("reopened (%1): ").arg(how) + changed.join(QLatin1String("; "));
            if (QString fault = sessionFault(); !fault.isEmpty())
                return QStringLiteral("reopened: ") + fault;
            if (QString fault = billFault(); !fault.isEmpty())
                return QStringLiteral("reopened: ") + fault;
        }
        return {};
    }

    static QString category(const QString& fault) { return fault.section(QLatin1Char('"'), 0, 0); }

    QStringList shrink(int kind, QStringList actions, const QString& fault)
    {
        for (bool removed = true; removed;) {
            removed = false;
            for (qsizetype i = actions.size() - 1; i >= 0; --i) {
                QStringList shorter = actions;
                shorter.removeAt(i);
                QStringList replayed = shorter;
                const Outcome outcome = session(kind, replayed);
                if (category(outcome.fault) == category(fault)) {
                    actions = shorter;
                    removed = true;
                }
            }
        }
        return actions;
    }

    // Runs the seeds; each failure is shrunk and printed. The number of failing sessions.
    int runSeeds(int kind, bool anyWindow, unsigned first, unsigned count, qint64 budgetMs = -1)
    {
        QElapsedTimer clock;
        clock.start();
        int failed = 0;
        unsigned ran = 0;
        for (unsigned seed = first; seed < first + count; ++seed, ++ran) {
            if (budgetMs >= 0 && clock.elapsed() > budgetMs)
                break;
            QStringList actions;
            const Outcome outcome = session(kind, actions, seed, anyWindow);
            if (outcome.fault.isEmpty())
                continue;
            ++failed;
            const QStringList shortest = shrink(kind, actions.mid(0, outcome.reached), outcome.fault);
            QStringList replayed = shortest;
            std::printf("FAILED kind %d seed %u%s: %s\n  shortest:\n    \"%s\"\n  which fails: %s\n", kind, seed,
                        anyWindow ? " (any window)" : "", qPrintable(outcome.fault),
                        qPrintable(shortest.join(QLatin1String("\",\n    \""))),
                        qPrintable(session(kind, replayed).fault));
            std::fflush(stdout);
        }
        std::printf("kind %d%s: %u sessions, %d failed\n", kind, anyWindow ? " (any window)" : "", ran, failed);
        return failed;
    }

    QTemporaryDir m_dir;
};

struct Shard {
    int kind;
    bool anyWindow;
    unsigned firstSeed;
};

class RandomSessions : public RandomSessionTest, public ::testing::WithParamInterface<Shard> {};

// A fixed set of seeds per kind and way of working; the long run
// (scripts/sessions) draws sessions for QUENRO_SESSION_SECONDS instead, from
// the seed QUENRO_SESSION_SEED on (the shard's own range by default).
TEST_P(RandomSessions, KeepEveryPromise)
{
    const Shard& s = GetParam();
    const qint64 seconds = qEnvironmentVariableIntValue("QUENRO_SESSION_SECONDS");
    if (seconds <= 0) {
        EXPECT_EQ(runSeeds(s.kind, s.anyWindow, s.firstSeed, 20), 0);
        return;
    }
    bool given = false;
    const unsigned seed = qEnvironmentVariable("QUENRO_SESSION_SEED").toUInt(&given);
    EXPECT_EQ(runSeeds(s.kind, s.anyWindow, given ? seed : s.firstSeed * 1000, 100000000, seconds * 1000), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessions,
                         ::testing::Values(Shard {SetupKinds::Drive, false, 1}, Shard {SetupKinds::Drive, true, 1001},
                                           Shard {SetupKinds::DriveController, false, 2001},
                                           Shard {SetupKinds::DriveController, true, 3001},
                                           Shard {SetupKinds::Controller, false, 4001},
                                           Shard {SetupKinds::Controller, true, 5001}),
                         [](const ::testing::TestParamInfo<Shard>& info) {
                             return std::string(SetupKinds::find(info.param.kind)->form.toStdString())
                                 + (info.param.anyWindow ? "_AnyWindow" : "_FrontWindow");
                         });

// Sessions that once broke a promise, shrunk to their shortest action list.
struct Regression {
    const char* name;
    int kind;
    QStringList actions;
    // Actions the fixed program no longer offers (a dialog it closed).
    int impossible = 0;
};

void PrintTo(const Regression& row, std::ostream* out)
{
    *out << row.name;
}

class RegressionSessions : public RandomSessionTest, public ::testing::WithParamInterface<Regression> {};

TEST_P(RegressionSessions, KeepEveryPromise)
{
    // Actions on the kind's setup form unless they name their window.
    QStringList actions;
    for (const QString& action : GetParam().actions)
        actions << (action.startsWith(QLatin1String("frm")) || action.startsWith(QLatin1String("main."))
                        ? action
                        : SetupKinds::find(GetParam().kind)->form + QLatin1Char('.') + action);
    const Outcome outcome = session(GetParam().kind, actions);
    EXPECT_EQ(outcome.fault, QString());
    EXPECT_EQ(outcome.impossible.size(), GetParam().impossible) << qPrintable(outcome.impossible.join(QLatin1String(" | ")));
}


INSTANTIATE_TEST_SUITE_P(
    Rows, RegressionSessions,
    ::testing::Values(
        // A drive or a series offered only after the other, a controller before its options.
        Regression {"DriveAfterItsSeries", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbMotor_Series = QDM",
            "cmbDrive = BSC-230"}},
        Regression {"DriveControllerAfterItsSeries", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = KX", "cmbDriveController = BSD-460"}},
        Regression {"ControllerAlone", SetupKinds::Controller, {"cmbController = BMC100"}},
        Regression {"ControllerDriveAfterItsSeries", SetupKinds::Controller, {"cmbMotor_Tech = Direct Drive",
            "cmbMotor_Series = CT", "cmbDrive = BDD-230"}},
        Regression {"ControllerAfterTheTechnology", SetupKinds::Controller, {"cmbMotor_Tech = Direct Drive",
            "cmbController = BMC100", "cmbDrive = SMD-48"}},
        Regression {"OnlyFrameChosenAgain", SetupKinds::Drive, {"cmbMotor_Tech = Stepper", "cmbMotor_Series = ST",
            "cmbDrive = SMD-48", "cmbStack_length = 3", "cmbShaft_options = R = Round Shaft", "cmbFrame_size = 34"}},
        Regression {"OptionsChangedWithoutDone", SetupKinds::Controller, {"cmbController = BMC300", "cmdController",
            "frmControl.cmb1(1) = R = Resolver", "frmControl.cmb1(2) = 1 = 16 I/O",
            "frmControl.cmb1(3) = S = Serial RS-485"}},
        // Nothing of a motor that is gone stays in the record.
        Regression {"DriveChosenAgain", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbDrive = ZU",
            "cmbFrame_size = 34", "cmbDrive = ZU"}},
        Regression {"DriveAfterFrame", SetupKinds::Drive, {"cmbMotor_Tech = Direct Drive", "cmbMotor_Series = CR",
            "cmbFrame_size = 02", "cmbFeedback_Cable_Length = 10", "cmbDrive = BDD-230"}},
        Regression {"StackChosenAgainAfterTheWiring", SetupKinds::Drive, {"cmbMotor_Tech = Stepper",
            "cmbMotor_Series = SX", "cmbDrive = SMD-230", "cmbFrame_size = 23", "cmbStack_length = 3",
            "cmbFeedback = S = Single Shaft", "cmbShaft_options = F = Flatted Shaft",
            "cmbCable_Option = C = Connector", "cmbOptions = E = Rear Encoder", "cmbStack_length = 2"}},
        Regression {"DriveControllerFrameChosenAgain", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbDriveController = BSC-230", "cmbMotor_Series = QDM", "cmbFrame_size = 092 = 92 mm",
            "cmbStack_length = 2", "cmbShaft_options = E = Encoder", "cmdDriveController",
            "frmDriveControl.cmb1(1) = C = CAN Bus", "frmDriveControl.cmb1(3) = 1 = 8 DI / 4 DO",
            "frmDriveControl.cmb1(4) = S = Safe Torque Off", "cmbOptions = 0 = Standard",
            "cmbFrame_size = 092 = 92 mm"}},
        Regression {"ControllerChosenAgainAfterTheCableLength", SetupKinds::Controller, {"cmbController = BMC1600",
            "cmbMotor_Tech = Servo", "cmbDrive = BSD-460", "cmbController_Cable_Length = 1",
            "cmbController = BMC1600"}},
        // No placeholder in the bill.
        Regression {"BreakoutOfTheFormerController", SetupKinds::Controller, {"cmbMotor_Tech = Direct Drive",
            "cmbMotor_Series = CR", "cmbController = BMC1600", "cmbAxis_Number = 12", "main.ResetAxis",
            "cmbController = BMC300", "cmdController", "frmControl.close"}},
        // Each list shows what the record holds.
        Regression {"TechnologyAfterResetAxis", SetupKinds::Controller, {"cmbMotor_Tech = Servo", "main.ResetAxis"}},
        Regression {"OneFrameSizeUnderASeries", SetupKinds::Controller, {"cmbMotor_Tech = Stepper",
            "cmbMotor_Series = ST", "cmbDrive = SMD-48"}},
        Regression {"ControllerTakenAfterYes", SetupKinds::Controller, {"cmbController = BMC300",
            "cmbMotor_Tech = Direct Drive", "cmdDriveAccessories", "frmAccessories.close",
            "cmbController = 9Q10 => Yes"}},
        // A reopening chooses nothing the user left unchosen.
        Regression {"OneFrameSizeLeftUnchosen", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = iQO", "cmbDriveController = iQO"}},
        Regression {"UnitPartNumberWithoutOptions", SetupKinds::DriveController, {"cmbMotor_Tech = Servo",
            "cmbDriveController = iQO", "cmbStack_length = 2", "cmbShaft_options = S = Smooth Shaft",
            "cmbOptions = 0 = Standard"}},
        // A dialog left open for what the form no longer holds.
        Regression {"GearheadForAMotorThatWentAway", SetupKinds::Drive, {"cmbMotor_Tech = Servo",
            "cmbDrive = BSD-48", "cmbFrame_size = 23", "cmbStack_length = 3", "cmbShaft_options = S = Smooth Shaft",
            "cmbOptions = GXX = Gearhead", "frmGear.cmbGear = GP23-005", "cmbFeedback = E = Encoder",
            "frmGear.close"}, 1},
        Regression {"OptionsOfADriveControllerChosenAgain", SetupKinds::DriveController, {"cmbMotor_Tech = Stepper",
            "cmdDriveController", "frmDriveControl.cmb1(1) = S = Step/Direction", "cmbDriveController = SPC-48",
            "frmDriveControl.cmb1(3) = 08 = 8 I/O"}, 1},
        Regression {"OptionsOfAControllerThatWentAway", SetupKinds::Controller, {"cmbController = BMC100",
            "cmdController", "cmbController = KEX200", "frmControl.cmb1(0) = 1 = 1 Axis"}, 1},
        Regression {"OptionsLevelOfAnotherController", SetupKinds::Controller, {"cmbController = 9Q10",
            "cmdController", "cmbController = BMC1600", "frmControl.cmb1(1) = 4 = 4 Axes"}, 1},
        Regression {"DriveChosenBehindTheOptionsDialog", SetupKinds::Controller, {"cmbMotor_Tech = Stepper",
            "cmbController = BMC300", "cmdController", "cmbDrive = BSD-48", "frmControl.cmdDone"}},
        // Mounting and feedback of "QD_Servo" motors exchange their lists.
        Regression {"MountingChosenAgain", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbMotor_Series = QDM",
            "cmbDrive = BSD-460", "cmbFrame_size = 092 = 92 mm", "cmbStack_length = 1",
            "cmbShaft_options = E = Encoder", "cmbFeedback = M1 = IEC Flange"}},
        // Saved with the gearhead dialog open, a gearhead highlighted or none.
        Regression {"GearheadHighlightedAtClose", SetupKinds::Controller, {"cmbController = BMC300",
            "cmbMotor_Tech = Servo", "cmbDrive = BSD-48", "cmbFrame_size = 16", "cmbStack_length = 2",
            "cmbShaft_options = S = Smooth Shaft", "cmbOptions = GXX = Gearhead", "frmGear.cmbGear = GP16-005"}},
        Regression {"GearheadPlaceholderSaved", SetupKinds::Controller, {"cmbMotor_Tech = Stepper",
            "cmbController = BMC300", "cmbDrive = BSD-48", "cmbFrame_size = 16", "cmbStack_length = 2",
            "cmbShaft_options = S = Smooth Shaft", "cmbOptions = GXX = Gearhead"}},
        // Saved while the gearhead dialog is open over another option: as Cancel would leave it.
        Regression {"GearheadDialogOverAnOption", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbDrive = BSD-48",
            "cmbFrame_size = 16", "cmbStack_length = 1", "cmbShaft_options = S = Smooth Shaft",
            "cmbOptions = B = Holding Brake", "cmbOptions = GXX = Gearhead"}},
        // Saved with the gearhead dialog open again over a chosen gearhead.
        Regression {"GearheadDialogOpenAgain", SetupKinds::Drive, {"cmbMotor_Tech = Servo", "cmbDrive = BSD-48",
            "cmbFrame_size = 16", "cmbStack_length = 1", "cmbShaft_options = S = Smooth Shaft",
            "cmbOptions = GXX = Gearhead", "frmGear.cmbGear = GP16-010", "frmGear.close",
            "cmbOptions = GXX = Gearhead"}},
        // The accessory dialog stores into the context it was opened for.
        Regression {"AxisAccessoriesUnderTheGearheadDialog", SetupKinds::Controller, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = KX", "cmbDrive = BSD-48", "cmdDriveAccessories", "cmbFrame_size = 16",
            "cmbStack_length = 2", "cmbShaft_options = S = Smooth Shaft",
            "frmAccessories.lstAccessories = CTB-26 = Command Terminal Block", "cmbOptions = GXX = Gearhead",
            "cmbController = KEX200", "cmdController", "frmControl.close"}},
        // A controller chosen on one axis holds for the drives of the others.
        Regression {"ControllerThatRefusesAnotherAxisDrive", SetupKinds::Controller, {"cmbController = BMC1600",
            "cmdController", "frmControl.cmb1(0) = 16 = 16 Axes", "frmControl.cmb1(1) = E = Encoder",
            "frmControl.cmb1(2) = 0 = No I/O", "frmControl.cmdDone", "cmbMotor_Tech = Stepper",
            "cmbDrive = SMD-230", "cmbAxis = Axis 3", "cmbController = BMC100 => Yes"}},
        Regression {"ControllerKeptForAnotherAxisDrive", SetupKinds::Controller, {"cmbController = BMC1600",
            "cmdController", "frmControl.cmb1(0) = 16 = 16 Axes", "frmControl.cmb1(1) = E = Encoder",
            "frmControl.cmb1(2) = 0 = No I/O", "frmControl.cmdDone", "cmbMotor_Tech = Stepper",
            "cmbDrive = SMD-230", "cmbAxis = Axis 3", "cmbController = BMC100 => No"}},
        Regression {"SameControllerOnAnotherAxis", SetupKinds::Controller, {"cmbController = 9Q10", "cmdController",
            "frmControl.cmb1(1) = 8 = 8 Axes", "frmControl.cmb1(2) = 16 = 16 I/O",
            "frmControl.cmb1(4) = C = CAN Bus", "frmControl.cmdDone", "cmbMotor_Tech = Servo", "cmbDrive = BSD-230",
            "cmbAxis = Axis 7", "cmbController = 9Q10"}},
        // An empty axis copied over a configured one leaves nothing of it.
        Regression {"CopyOfAnEmptyAxis", SetupKinds::Controller, {"cmbController = KEX200",
            "cmbMotor_Tech = Direct Drive", "cmbDrive = BDD-460", "cmbAxis_Number = 6", "cmdController",
            "frmControl.cmb1(0) = D = DIN Rail", "frmControl.cmb1(2) = 6 = 6 Axes",
            "frmControl.cmb1(3) = E = Ethernet", "cmbReq_Accessories_length = 2",
            "frmControl.cmb1(5) = 0 = No Display", "frmControl.cmdDone", "cmbReplicate = Axis 2"}},
        // The expansion choice goes with the cards it keeps, when the dialog stores them.
        Regression {"NoExpansionChosenOverStoredCards", SetupKinds::DriveController, {"cmbMotor_Tech = Stepper",
            "cmdDriveController", "frmDriveControl.cmb1(1) = S = Step/Direction",
            "frmDriveControl.cmb1(3) = 16 = 16 I/O", "frmDriveControl.cmdAccessories", "frmAccessories.optExp(1)",
            "frmAccessories.cmbTuq(0) = 6", "frmAccessories.cmdDone", "frmDriveControl.cmdAccessories",
            "frmAccessories.optExp(0)"}},
        // The connection of a refused drive goes whole.
        Regression {"BreakoutOfARefusedDrive", SetupKinds::Controller, {"cmbMotor_Tech = Servo",
            "cmbMotor_Series = KX", "cmbDrive = BSD-230", "cmbController = 9Q10", "cmbDrive = BSC-230 => Yes"}}),
    [](const ::testing::TestParamInfo<Regression>& info) { return std::string(info.param.name); });

} // namespace
