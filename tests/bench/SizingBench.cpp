// The sizing model as the servo curve drives it: parameters, a one-segment profile, the
// pretest and the torque calls of one draw; and the curve-array fill.

#include "sizing/MotorModelACX.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using Pulvane_V4::MotorModelACX;

// The catalogue's KX232AE on BSD2303 at 4 kHz and a 325 V bus, the pair whose curve the curve
// tests work out by hand, with the values the program derives from its rows.
constexpr double kKb = 0.620704278;
constexpr double kBus = 325;
constexpr double kMaxSpeed = 87.5; // rps

void LoadMotor(MotorModelACX& acx)
{
    auto& motor = acx.DLLMotor();
    motor.SetMotorParameters(kKb, 4.181655594, (11.288332831 + 9.23590868) / 1000 / 2, 400, 6.9815e-05 * 141.612,
                             0.548986486 + 1.646959459, 0.548986486, 1.3452, 2.6904, 155, 25.0, kMaxSpeed * 60, 8, 1,
                             0, 100.0, 3, 0.0, 1.0E10, 1.0E10, 1.0E10, "Rotary");
    motor.SetMotFeedbackComp(true, false, false, false, false, false);
    auto& thermal = acx.DLLThermalModel();
    thermal.SetThermalControls(true, false);
    thermal.SetThermalParameters(0.548986486 + 1.646959459, 0.548986486, 0.69 * 60, 20.7 * 60);
    thermal.SetTemperatureLimits(155, 25.0, 155, 100, -20);
    thermal.SetThermalConditions(0, 0, 0, 0, 25.0);
    thermal.SetDtRatio(20.0);
}

void LoadDrive(MotorModelACX& acx)
{
    acx.DLLMotor().SetDriveParameters(kBus, 264 * 1.414, 85 * 1.414, 4 * 1000, 4.2, 12.7, 750, 2200);
    acx.DLLMotor().SetAmpFeedbackComp(true, true, false, true, true, false);
}

void LoadProfile(MotorModelACX& acx)
{
    std::vector<double> torque(6, 0.0), time(6, 0.0);
    const std::vector<double> vi(6, 0.0), vf(6, 0.0);
    torque[0] = 5.0;
    time[0] = 1.0;
    acx.DLLPerformanceCheck().setArrays(torque, time, vi, vf, 1.0, "Rotary");
}

// Curve step in rad/s: a 99th of the speed where the back EMF reaches the bus, or of the motor's limit.
double Step()
{
    double top = kBus / ((kKb + kKb) * 3.14159);
    if (kMaxSpeed < top)
        top = kMaxSpeed;
    return (top + top) * 3.1415927 / 99.0;
}

// What one redraw of the curve window asks of the model: motor, drive and profile, the pretest
// with its messages, the drive again at the frequency shown with its pretest, the standstill
// test, then the continuous torque per row until it ends and the peak torque beside it.
void BM_ServoCurveDraw(benchmark::State& state)
{
    MotorModelACX acx;
    auto& motor = acx.DLLMotor();
    const double step = Step();
    for (auto _ : state) {
        LoadMotor(acx);
        LoadDrive(acx);
        LoadProfile(acx);
        bool passed = motor.PretestLimits();
        std::string messages;
        motor.GetMessages(messages);
        LoadDrive(acx);
        passed = motor.PretestLimits() && passed;
        benchmark::DoNotOptimize(passed);
        benchmark::DoNotOptimize(messages.data());
        const double c0 = motor.GetContTorque(0, 0);
        const double p0 = motor.GetPeakTorque(0, 0);
        double sum = c0 + p0;
        for (int i = 1; i <= 100; ++i) {
            const double c = motor.GetContTorque(i * step, 0);
            if (!(c > 0))
                break;
            sum += c + motor.GetPeakTorque(i * step, 0);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ServoCurveDraw)->Unit(benchmark::kMicrosecond);

// One pretest and 101 points of continuous and peak torque.
void BM_PretestAnd101Points(benchmark::State& state)
{
    MotorModelACX acx;
    LoadMotor(acx);
    LoadDrive(acx);
    LoadProfile(acx);
    const double step = Step();
    for (auto _ : state) {
        benchmark::DoNotOptimize(acx.DLLMotor().PretestLimits());
        double sum = 0;
        for (int i = 0; i <= 100; ++i) {
            sum += acx.DLLMotor().GetContTorque(i * step, 0);
            sum += acx.DLLMotor().GetPeakTorque(i * step, 0);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_PretestAnd101Points)->Unit(benchmark::kMicrosecond);

void BM_FillTSCurveArrays(benchmark::State& state)
{
    MotorModelACX acx;
    LoadMotor(acx);
    LoadDrive(acx);
    LoadProfile(acx);
    acx.DLLMotor().PretestLimits();
    for (auto _ : state) {
        acx.DLLMotor().FillTSCurveArrays();
        benchmark::DoNotOptimize(acx.DLLMotor().GetTrated());
    }
}
BENCHMARK(BM_FillTSCurveArrays)->Unit(benchmark::kMicrosecond);

} // namespace
