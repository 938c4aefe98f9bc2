// The drive/controller setup form and its options dialog as the user meets
// them, on the sample catalogue and on catalogues with a hundred and a
// thousand times as many rows: one choice per list of a BSC-230 path and per
// option level (with the automatic selections they set off) up to the
// repainted window, the options dialog's opening with its four-level restore,
// Save_String, and a whole File > Open of a saved project, which ends in the
// options dialog.

#include "BenchSession.h"
#include "BenchTable.h"
#include "platform/ListControl.h"
#include "setup/drivecontroller/frmDriveControl.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/ProjectFile.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QPushButton>

#include <stdexcept>
#include <string>

namespace {

using namespace BenchSession;

const QString kForm = QStringLiteral("frmDriveController_Setup");
const QString kDialog = QStringLiteral("frmDriveControl");

// A complete servo system: the path every row starts from.
const QList<QPair<const char*, const char*>> kPath = {
    {"cmbMotor_Tech", "Servo"},
    {"cmbDriveController", "BSC-230"},
    {"cmbMotor_Series", "KX"},
    {"cmbFrame_size", "23"},
    {"cmbStack_length", "1"},
    {"cmbWinding", "A"},
    {"cmbFeedback", "E = Encoder"},
    {"cmbShaft_options", "S = Smooth Shaft"},
    {"cmbCable_Option", "C = Connectors"},
    {"cmbOptions", "0 = Standard"},
    {"cmbDriveVoltage", "230VAC"},
    {"cmbFeedback_Cable_Length", "10"},
};
const char* const kChoiceNames[] = {"Technology", "DriveController", "MotorSeries", "FrameSize",
                                    "StackLength", "Winding",        "Feedback",    "ShaftOption",
                                    "CableOption", "MotorOption",     "Voltage",     "CableLength"};

// The options of the path, level by level (level 2 completes itself).
const QList<QPair<const char*, const char*>> kLevels = {
    {"cmb1(1)", "E = Ethernet"},
    {"cmb1(3)", "2 = 16 DI / 8 DO"},
    {"cmb1(4)", "0 = No Safe Torque Off"},
};
const char* const kLevelNames[] = {"Level1", "Level3", "Level4"};

frmDriveControl* openDialog(frmDriveController_Setup* form)
{
    form->cmdDriveController_Click();
    auto* dialog = Forms::find<frmDriveControl>(kDialog);
    if (!dialog)
        throw std::runtime_error("the options dialog did not open");
    return dialog;
}

// The path with its options chosen and the options dialog open.
frmDriveControl* configured(int catalogue)
{
    auto* form = static_cast<frmDriveController_Setup*>(setupForm(SetupKinds::DriveController, catalogue));
    for (const auto& [list, entry] : kPath)
        choose(form, list, entry);
    frmDriveControl* dialog = openDialog(form);
    for (const auto& [list, entry] : kLevels)
        choose(dialog, list, entry);
    settle(form);
    settle(dialog);
    return dialog;
}

frmDriveController_Setup* setup()
{
    return Forms::find<frmDriveController_Setup>(kForm);
}

void BM_DriveControllerChoice(benchmark::State& state, int step)
{
    configured(static_cast<int>(state.range(0)));
    Forms::unload(kDialog);
    frmDriveController_Setup* form = setup();
    const auto& [list, entry] = kPath.at(step);
    for (auto _ : state) {
        choose(form, list, entry);
        settle(form);
    }
    finish(state);
}

void BM_DriveControllerOption(benchmark::State& state, int level)
{
    frmDriveControl* dialog = configured(static_cast<int>(state.range(0)));
    const auto& [list, entry] = kLevels.at(level);
    for (auto _ : state) {
        choose(dialog, list, entry);
        settle(dialog);
    }
    finish(state);
}

// "Configure Drive/Controller" on a configured form: the dialog restores the
// four saved levels and the part number.
void BM_DriveControllerOptionsOpening(benchmark::State& state)
{
    configured(static_cast<int>(state.range(0)));
    frmDriveController_Setup* form = setup();
    for (auto _ : state) {
        state.PauseTiming();
        closeAndSettle(kDialog);
        state.ResumeTiming();
        settle(openDialog(form));
    }
    if (Globals::Drive_Controller_Part_Number != QLatin1String("BSC2306-E20"))
        state.SkipWithError("the opening did not restore the options");
    finish(state);
}

void BM_DriveControllerSave_String(benchmark::State& state)
{
    configured(static_cast<int>(state.range(0)));
    frmDriveController_Setup* form = setup();
    for (auto _ : state)
        benchmark::DoNotOptimize(form->Save_String());
    finish(state);
}

// File > Open of the saved project with the form open: the file check, Reset,
// the replay, the options dialog's restore and the repainted windows.
void BM_DriveControllerOpen(benchmark::State& state)
{
    configured(static_cast<int>(state.range(0)));
    const QString text = setup()->Save_String();
    const QString path = scratchFolder() + QStringLiteral("/bench-dc.dat");
    if (!Globals::Write_File(path, text, true))
        throw std::runtime_error("cannot write the project file");
    mdiMain& main = mainWindow();
    for (auto _ : state) {
        files().queuePath(path);
        ProjectFile::open(main);
        settle(setup());
        settle(Forms::find(kDialog));
    }
    if (!setup() || Globals::Loading_Project || setup()->Save_String() != text)
        state.SkipWithError("the replay did not give the saved project back");
    finish(state);
}

[[maybe_unused]] const bool registered = [] {
    for (int step = 0; step < kPath.size(); ++step) {
        const std::string name = std::string("BM_DriveControllerChoice/") + kChoiceNames[step];
        onEveryCatalogue(benchmark::RegisterBenchmark(
            name.c_str(), [step](benchmark::State& state) { BM_DriveControllerChoice(state, step); }));
        BenchTable::budget(name, {5, 5, 20});
    }
    for (int level = 0; level < kLevels.size(); ++level) {
        const std::string name = std::string("BM_DriveControllerOption/") + kLevelNames[level];
        onEveryCatalogue(benchmark::RegisterBenchmark(
            name.c_str(), [level](benchmark::State& state) { BM_DriveControllerOption(state, level); }));
        BenchTable::budget(name, {5, 5, 20});
    }
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_DriveControllerOptionsOpening", BM_DriveControllerOptionsOpening));
    BenchTable::budget("BM_DriveControllerOptionsOpening", {5, 5, 20});
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_DriveControllerSave_String", BM_DriveControllerSave_String))
        ->Unit(benchmark::kMicrosecond);
    BenchTable::budget("BM_DriveControllerSave_String", {5, 5, 5});
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_DriveControllerOpen", BM_DriveControllerOpen));
    BenchTable::budget("BM_DriveControllerOpen", {20, 20, 20});
    return true;
}();

} // namespace
