// The drive setup form as the user meets it, on the sample catalogue and on
// catalogues with a hundred and a thousand times as many rows: one choice per
// list of a servo path (with the automatic selections it sets off) up to the
// repainted form, Save_String, and a whole File > Open of a saved project.

#include "BenchSession.h"
#include "BenchTable.h"
#include "platform/ListControl.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/ProjectFile.h"
#include "shell/mdiMain.h"

#include <QFile>

#include <stdexcept>
#include <string>

namespace {

using namespace BenchSession;

const QString kForm = QStringLiteral("frmDrive_Setup");

frmDrive_Setup* formOn(int catalogue)
{
    return static_cast<frmDrive_Setup*>(setupForm(4, catalogue));
}

// A complete servo system: the path every row starts from.
const QList<QPair<const char*, const char*>> kPath = {
    {"cmbMotor_Tech", "Servo"},
    {"cmbDrive", "BSD-460"},
    {"cmbMotor_Series", "LM"},
    {"cmbFrame_size", "80"},
    {"cmbStack_length", "2"},
    {"cmbWinding", "B"},
    {"cmbFeedback", "R = Resolver"},
    {"cmbShaft_options", "S = Smooth Shaft"},
    {"cmbCable_Option", "C = Connectors"},
    {"cmbOptions", "0 = Standard"},
    {"cmbDriveVoltage", "460VAC"},
    {"cmbFeedback_Cable_Length", "10"},
};

const char* const kChoiceNames[] = {"Technology", "Drive",       "MotorSeries", "FrameSize",
                                    "StackLength", "Winding",    "Feedback",    "ShaftOption",
                                    "CableOption", "MotorOption", "Voltage",    "CableLength"};

frmDrive_Setup* configured(int catalogue)
{
    frmDrive_Setup* form = formOn(catalogue);
    for (const auto& [list, entry] : kPath)
        choose(form, list, entry);
    settle(form);
    return form;
}

// One choice in a list of the path up to the repainted form; the lists below
// it are refilled each time.
void BM_Choice(benchmark::State& state, int step)
{
    frmDrive_Setup* form = configured(static_cast<int>(state.range(0)));
    const auto& [list, entry] = kPath.at(step);
    for (auto _ : state) {
        choose(form, list, entry);
        settle(form);
    }
    finish(state);
}

// A frame size whose one-entry lists select themselves down to the motor
// options, the voltage and the drive part number.
void BM_ChainFromFrameSize(benchmark::State& state)
{
    frmDrive_Setup* form = formOn(static_cast<int>(state.range(0)));
    choose(form, "cmbMotor_Tech", "Servo");
    choose(form, "cmbMotor_Series", "ZU");
    choose(form, "cmbDrive", "ZU"); // the large catalogues pair ZU with many drives
    for (auto _ : state) {
        choose(form, "cmbFrame_size", "34");
        settle(form);
    }
    finish(state);
}

// A series chosen before a drive lists every drive paired with it: a hundred
// or a thousand times as many on the large catalogues.
void BM_SeriesBeforeDrive(benchmark::State& state)
{
    frmDrive_Setup* form = formOn(static_cast<int>(state.range(0)));
    choose(form, "cmbMotor_Tech", "Servo");
    for (auto _ : state) {
        choose(form, "cmbMotor_Series", "LM");
        settle(form);
    }
    state.counters["drives"] = form->findChild<ListControl*>(QStringLiteral("cmbDrive"))->listCount();
    finish(state);
}

void BM_Save_String(benchmark::State& state)
{
    frmDrive_Setup* form = configured(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(form->Save_String());
    finish(state);
}

// File > Open of the saved project: the file check, Reset, the replay and the
// repainted form; with the form open, or from the start dialog.
void BM_Open(benchmark::State& state, bool fromStartDialog)
{
    frmDrive_Setup* form = configured(static_cast<int>(state.range(0)));
    const QString text = form->Save_String();
    const QString path = scratchFolder() + QStringLiteral("/bench.dat");
    if (!Globals::Write_File(path, text, true))
        throw std::runtime_error("cannot write the project file");
    mdiMain& main = mainWindow();
    for (auto _ : state) {
        if (fromStartDialog) {
            state.PauseTiming();
            closeAndSettle(kForm);
            state.ResumeTiming();
        }
        files().queuePath(path);
        ProjectFile::open(main);
        form = Forms::find<frmDrive_Setup>(kForm);
        settle(form);
    }
    if (!form || Globals::Loading_Project || form->Save_String() != text)
        state.SkipWithError("the replay did not give the saved project back");
    finish(state);
}

[[maybe_unused]] const bool registered = [] {
    for (int step = 0; step < kPath.size(); ++step) {
        const std::string name = std::string("BM_Choice/") + kChoiceNames[step];
        onEveryCatalogue(benchmark::RegisterBenchmark(name.c_str(),
                                                      [step](benchmark::State& state) { BM_Choice(state, step); }));
        BenchTable::budget(name, {5, 5, 20});
    }
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_ChainFromFrameSize", BM_ChainFromFrameSize));
    BenchTable::budget("BM_ChainFromFrameSize", {5, 5, 20});
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_SeriesBeforeDrive", BM_SeriesBeforeDrive));
    BenchTable::budget("BM_SeriesBeforeDrive", {5, 5, 20});
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_Save_String", BM_Save_String))->Unit(benchmark::kMicrosecond);
    BenchTable::budget("BM_Save_String", {1, 1, 1});
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_Open/Reopen", [](benchmark::State& s) { BM_Open(s, false); }));
    BenchTable::budget("BM_Open/Reopen", {10, 10, 16});
    onEveryCatalogue(
        benchmark::RegisterBenchmark("BM_Open/FromStartDialog", [](benchmark::State& s) { BM_Open(s, true); }));
    BenchTable::budget("BM_Open/FromStartDialog", {16, 16, 16});
    return true;
}();

} // namespace
