// The curve window as the user meets it: "Show Speed/Torque Curve" up to the
// drawn window, and one redraw after a unit choice (motor load, pretest, the
// 202 torque calls and the chart) with the motor of the sizing tests'
// reference model.

#include "../sizing/ServoSet.h"
#include "BenchSession.h"
#include "BenchTable.h"
#include "curves/ServoCurveData.h"
#include "curves/frmCurve.h"
#include "platform/ListControl.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"

#include <QChartView>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace {

using namespace BenchSession;

const QString kCurve = QStringLiteral("frmCurve");

// The servo system every row draws (a 230 V drive, whose bus the reference
// motor takes): the cascade's choices up to a complete axis.
frmDrive_Setup* servoAxis(int catalogue)
{
    auto* form = static_cast<frmDrive_Setup*>(setupForm(4, catalogue));
    const char* const path[][2] = {{"cmbMotor_Tech", "Servo"},         {"cmbDrive", "BSD-230"},
                                   {"cmbMotor_Series", "LM"},          {"cmbFrame_size", "60"},
                                   {"cmbStack_length", "2"},           {"cmbWinding", "A"},
                                   {"cmbFeedback", "R = Resolver"},    {"cmbShaft_options", "S = Smooth Shaft"},
                                   {"cmbCable_Option", "C = Connectors"}, {"cmbOptions", "0 = Standard"},
                                   {"cmbDriveVoltage", "230VAC"}};
    for (const auto& [list, entry] : path)
        choose(form, list, entry);
    settle(form);
    return form;
}

frmCurve* showCurve(frmDrive_Setup* form)
{
    form->findChild<QPushButton*>(QStringLiteral("cmdCurve"))->click();
    frmCurve* window = Forms::find<frmCurve>(kCurve);
    if (!window)
        throw std::runtime_error("no curve window");
    settle(window);
    return window;
}

bool drawn(const frmCurve* window)
{
    return window && window->Chart_Visible();
}

void BM_CurveShow(benchmark::State& state)
{
    frmDrive_Setup* form = servoAxis(static_cast<int>(state.range(0)));
    bool allDrawn = true;
    for (auto _ : state) {
        const frmCurve* window = showCurve(form);
        state.PauseTiming();
        allDrawn = allDrawn && drawn(window);
        closeAndSettle(kCurve);
        state.ResumeTiming();
    }
    if (!allDrawn)
        state.SkipWithError("the curve was not drawn");
    finish(state);
}

// The reference model's set A as the servo curve database would hold it.
ServoMotorRecord referenceMotor()
{
    const ServoSet set;
    ServoMotorRecord m;
    m.ProductKey = QStringLiteral("REFERENCE-A");
    m.MotorKb = set.Kb;
    m.WindingResistance = set.Rm;
    m.MaxInductance = m.MinInductance = set.Lm * 1000;
    m.MotorMaxBusVoltage = set.Vm;
    m.Inertia = set.Jm / 141.612;
    m.WindingThermalResistance = set.Rthwc;
    m.MotorThermalResistance = set.Rthwa - set.Rthwc;
    m.WindingThermalTimeConstant = set.Tauwnd / 60;
    m.MotorThermalTimeConstant = set.Taumc / 60;
    m.Damping = set.Bm;
    m.Friction = set.Tfm;
    m.RatedWindingTemp = set.Twr;
    m.MotorMaxWindingTemp = set.TwMax;
    m.MotorMaxCaseTemp = set.TcMax;
    m.MotorMinCaseTemp = set.TcMin;
    m.MotorPoles = static_cast<int>(set.Np);
    m.MaxSpeed = m.EncoderMaxSpeed = set.Wrmax / 60;
    m.MotorRptc = set.Rptc;
    m.Feedback = {true, true, true, true, true, true};
    return m;
}

// A torque unit chosen in the open window: one redraw of the servo curve.
void BM_ServoCurve(benchmark::State& state)
{
    frmCurve* window = showCurve(servoAxis(static_cast<int>(state.range(0))));
    ServoCurveData::Servo_Motor = referenceMotor();
    const double bus = ServoSet().Vs;
    Globals::Current_Record().Bus_Voltage = bus;
    window->BusVoltage = bus;
    const QString units[] = {QStringLiteral("N-m"), QStringLiteral("oz-in")};
    int turn = 0;
    for (auto _ : state) {
        window->cmbTorque_Units()->choose(units[turn]);
        turn = 1 - turn;
        settle(window);
    }
    if (!drawn(window))
        state.SkipWithError("the reference motor's curve was not drawn");
    finish(state);
}

[[maybe_unused]] const bool registered = [] {
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_CurveShow", BM_CurveShow));
    BenchTable::budget("BM_CurveShow", {16, 16, 16});
    onEveryCatalogue(benchmark::RegisterBenchmark("BM_ServoCurve", BM_ServoCurve));
    BenchTable::budget("BM_ServoCurve", {16, 16, 16});
    return true;
}();

} // namespace
