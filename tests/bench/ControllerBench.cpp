// The controller setup form as the user meets it, on the sample catalogue and
// on catalogues with a hundred and a thousand times as many rows: one choice
// per list of a servo axis under the 16-axis controller (with the automatic
// selections it sets off) up to the repainted form, the switch to a completely
// configured axis, and the copy of axis 1 into each of axes 2 to 16.

#include "BenchSession.h"
#include "BenchTable.h"
#include "setup/controller/frmController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <span>
#include <string>

namespace {

using namespace BenchSession;

constexpr int kAxes = 16;

struct Step {
    const char* name;
    const char* list;
    const char* entry;
    // A list that ignores its last choice picked again takes turns with this entry.
    const char* other = nullptr;
};

// The controller and a complete servo axis: the path every row starts from.
const Step kPath[] = {
    {"Controller", "cmbController", "BMC1600", "KEX200"},
    {"Technology", "cmbMotor_Tech", "Servo"},
    {"Drive", "cmbDrive", "BSD-460", "BSD-230"},
    {"MotorSeries", "cmbMotor_Series", "LM"},
    {"FrameSize", "cmbFrame_size", "80"},
    {"StackLength", "cmbStack_length", "2"},
    {"Winding", "cmbWinding", "B"},
    {"Feedback", "cmbFeedback", "R = Resolver"},
    {"ShaftOption", "cmbShaft_options", "S = Smooth Shaft"},
    {"CableOption", "cmbCable_Option", "C = Connectors"},
    {"MotorOption", "cmbOptions", "0 = Standard"},
    {"Voltage", "cmbDriveVoltage", "460VAC"},
    {"MotorCableLength", "cmbMotor_Cable_Length", "10"},
    {"FeedbackCableLength", "cmbFeedback_Cable_Length", "3"},
    {"ControllerCableLength", "cmbController_Cable_Length", "3"},
    {"BreakoutPorts", "cmbAxis_Number", "16"},
    {"BreakoutLength", "cmbReq_Accessories_length", "2"},
};

void configureAxis(QWidget* form)
{
    // The controller is chosen once for all axes.
    for (const Step& step : std::span(kPath).subspan(1))
        choose(form, step.list, step.entry);
}

void switchTo(QWidget* form, int axis)
{
    choose(form, "cmbAxis", ("Axis " + std::to_string(axis)).c_str());
}

// The 16-axis controller, as its options dialog leaves it, with axis 1 complete.
frmController_Setup* configured(int catalogue)
{
    const QString name = SetupKinds::formName(SetupKinds::Controller);
    if (!Forms::isRegistered(name))
        Forms::registerForm(name, [] { return new frmController_Setup; });
    auto* form = static_cast<frmController_Setup*>(setupForm(SetupKinds::Controller, catalogue));
    choose(form, "cmbController", kPath[0].entry);
    Globals::Total_Axes = kAxes;
    form->Rebuild_Axis_List(kAxes);
    configureAxis(form);
    settle(form);
    return form;
}

// One choice in a list of the path up to the repainted form; the lists below
// it are refilled each time.
void BM_Choice(benchmark::State& state, const Step& step)
{
    frmController_Setup* form = configured(static_cast<int>(state.range(0)));
    bool other = step.other != nullptr;
    for (auto _ : state) {
        choose(form, step.list, other ? step.other : step.entry);
        settle(form);
        other = step.other && !other;
    }
    finish(state);
}

// Back and forth between two complete axes: each switch replays one of them.
void BM_SwitchToConfiguredAxis(benchmark::State& state)
{
    frmController_Setup* form = configured(static_cast<int>(state.range(0)));
    switchTo(form, 2);
    configureAxis(form);
    int axis = 1;
    for (auto _ : state) {
        switchTo(form, axis);
        settle(form);
        axis = 3 - axis;
    }
    finish(state);
}

// Axis 1 copied into each of axes 2 to 16 (the switches between them not counted).
void BM_CopyAxisOneToTheOthers(benchmark::State& state)
{
    frmController_Setup* form = configured(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (int axis = 2; axis <= kAxes; ++axis) {
            state.PauseTiming();
            switchTo(form, axis);
            state.ResumeTiming();
            choose(form, "cmbReplicate", "Axis 1");
            settle(form);
        }
    }
    if (Globals::Axis[kAxes - 1].Drive_Part_Number != Globals::Axis[0].Drive_Part_Number)
        state.SkipWithError("the copy did not give axis 16 the drive of axis 1");
    finish(state);
}

[[maybe_unused]] const bool registered = [] {
    for (const Step& step : kPath) {
        const std::string name = std::string("BM_Controller/") + step.name;
        onEveryCatalogue(
            benchmark::RegisterBenchmark(name.c_str(), [&step](benchmark::State& s) { BM_Choice(s, step); }));
        BenchTable::budget(name, {5, 5, 20});
    }
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_Controller/SwitchToConfiguredAxis", BM_SwitchToConfiguredAxis));
    BenchTable::budget("BM_Controller/SwitchToConfiguredAxis", {10, 10, 40});
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_Controller/CopyAxisOneTo15Axes", BM_CopyAxisOneToTheOthers));
    BenchTable::budget("BM_Controller/CopyAxisOneTo15Axes", {150, 150, 600});
    return true;
}();

} // namespace
