// The controller setup form's project and options dialog on the sample
// catalogue and on one with a hundred times as many rows: the options dialog
// opened on a configured controller (its six levels restored), Save_String of
// sixteen configured axes, and the reopening of that project with the replay
// of every axis.

#include "BenchSession.h"
#include "BenchTable.h"
#include "setup/controller/frmController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <QPushButton>

#include <stdexcept>
#include <string>

namespace {

using namespace BenchSession;

using Path = QList<QPair<const char*, const char*>>;

// Three axes of the sixteen-axis controller; the others copy them.
const QList<Path> kAxes = {
    {{"cmbMotor_Tech", "Servo"},           {"cmbDrive", "BSD-230"},
     {"cmbMotor_Series", "KX"},            {"cmbFrame_size", "16"},
     {"cmbStack_length", "1"},             {"cmbWinding", "A"},
     {"cmbFeedback", "E = Encoder"},       {"cmbShaft_options", "S = Smooth Shaft"},
     {"cmbCable_Option", "C = Connectors"}, {"cmbOptions", "0 = Standard"},
     {"cmbDriveVoltage", "120VAC"},        {"cmbMotor_Cable_Length", "10"}},
    {{"cmbMotor_Tech", "Stepper"},        {"cmbDrive", "SMD-230"},
     {"cmbMotor_Series", "SX"},           {"cmbFrame_size", "23"},
     {"cmbStack_length", "1"},            {"cmbWinding", "H"},
     {"cmbFeedback", "D = Double Shaft"}, {"cmbShaft_options", "F = Flatted Shaft"},
     {"cmbCable_Option", "C = Connector"}, {"cmbOptions", "E = Rear Encoder"},
     {"cmbDriveVoltage", "120VAC"},       {"cmbWiring", "SERIES"},
     {"cmbMotor_Cable_Length", "10"}},
    {{"cmbMotor_Tech", "Direct Drive"},      {"cmbDrive", "BDD-230"},
     {"cmbMotor_Series", "CR"},              {"cmbFrame_size", "02"},
     {"cmbStack_length", "100 = 100 mm"},    {"cmbWinding", "230VAC"},
     {"cmbFeedback", "E = 20-bit Encoder"},  {"cmbShaft_options", "H = Hollow Shaft"},
     {"cmbCable_Option", "C = Connectors"},  {"cmbOptions", "N/A"},
     {"cmbDriveVoltage", "120VAC"},          {"cmbMotor_Cable_Length", "10"}},
};

QWidget* options()
{
    Form* dialog = Forms::find(QStringLiteral("frmControl"));
    if (!dialog)
        throw std::runtime_error("the options dialog is not open");
    return dialog;
}

void click(QWidget* form, const char* button)
{
    auto* b = form->findChild<QPushButton*>(QLatin1String(button));
    if (!b)
        throw std::runtime_error(std::string("no button ") + button);
    b->click();
}

// The controller chosen and its options dialog closed with Done.
frmController_Setup* withController(int catalogue, const char* controller, const QList<const char*>& levels)
{
    QWidget* form = setupForm(SetupKinds::Controller, catalogue);
    choose(form, "cmbController", controller);
    click(form, "cmdController");
    for (int i = 0; i < levels.size(); ++i)
        if (*levels.at(i))
            choose(options(), ("cmb1(" + std::to_string(i) + ")").c_str(), levels.at(i));
    click(options(), "cmdDone");
    return static_cast<frmController_Setup*>(form);
}

// Sixteen axes: three configured, the others copied from them, with breakout.
frmController_Setup* sixteenAxes(int catalogue)
{
    frmController_Setup* form =
        withController(catalogue, "BMC1600", {"16 = 16 Axes", "E = Encoder", "0 = No I/O", "E = Ethernet"});
    for (int a = 1; a <= 16; ++a) {
        choose(form, "cmbAxis", ("Axis " + std::to_string(a)).c_str());
        if (a <= kAxes.size()) {
            for (const auto& [list, entry] : kAxes.at(a - 1))
                choose(form, list, entry);
            choose(form, "cmbController_Cable_Length", "3");
        } else {
            const int source = (a - 1) % static_cast<int>(kAxes.size()) + 1;
            choose(form, "cmbReplicate", ("Axis " + std::to_string(source)).c_str());
        }
    }
    choose(form, "cmbAxis_Number", "16");
    choose(form, "cmbReq_Accessories_length", "2");
    choose(form, "cmbAxis", "Axis 1");
    settle(form);
    return form;
}

// The options dialog opened on a configured KEX200: six levels restored.
void BM_ControllerOptionsOpen(benchmark::State& state)
{
    frmController_Setup* form = withController(static_cast<int>(state.range(0)), "KEX200",
                                               {"P = Panel Mount", "", "8 = 8 Axes", "M = Modbus TCP", "", "1 = Front Display"});
    for (auto _ : state) {
        click(form, "cmdController");
        settle(options());
        state.PauseTiming();
        if (Globals::Controller_Part_Number != QLatin1String("KEX2P-8M1"))
            state.SkipWithError("the options were not restored");
        closeAndSettle(QStringLiteral("frmControl"));
        state.ResumeTiming();
    }
    finish(state);
}

void BM_ControllerSave_String(benchmark::State& state)
{
    frmController_Setup* form = sixteenAxes(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(form->Save_String());
    finish(state);
}

// A sixteen-axis project opened again: Reset, the copy, the replay of every
// axis and the options dialog's restore.
void BM_ControllerReopen(benchmark::State& state)
{
    frmController_Setup* form = sixteenAxes(static_cast<int>(state.range(0)));
    const QString text = form->Save_String();
    for (auto _ : state) {
        Globals::Loading_Project = true;
        form->Reset();
        Globals::Project_Lines = text.split(QLatin1Char('\r'));
        form->Load_Previous_Values();
        settle(form);
        if (Globals::Loading_Project || form->Save_String() != text)
            state.SkipWithError("the reopened project is not the saved one");
    }
    finish(state);
}

[[maybe_unused]] const bool registered = [] {
    const struct {
        const char* name;
        void (*row)(benchmark::State&);
        double budget;
    } rows[] = {
        {"BM_ControllerProject/OptionsDialogOpen", BM_ControllerOptionsOpen, 10},
        {"BM_ControllerProject/Save_String16Axes", BM_ControllerSave_String, 1},
        {"BM_ControllerProject/Reopen16Axes", BM_ControllerReopen, 100},
    };
    for (const auto& r : rows) {
        benchmark::RegisterBenchmark(r.name, r.row)->Arg(Sample)->Arg(Large)->Unit(benchmark::kMillisecond);
        BenchTable::budget(r.name, {r.budget, r.budget, 0});
    }
    return true;
}();

} // namespace
