// The sizing model as the servo curve drives it: parameters, a one-segment profile, the
// pretest and 101 speed points; and the curve-array fill.

#include "sizing/MotorModelACX.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using Pulvane_V4::MotorModelACX;

// A 325 V servo motor and drive, loaded in the program's call order.
void LoadServo(MotorModelACX& acx)
{
    auto& motor = acx.DLLMotor();
    motor.SetMotorParameters(0.6, 1.2, (8.0 + 6.0) / 1000 / 2, 560, 0.00012 * 141.612, 0.4 + 0.9,
                             0.4, 1.5, 4, 155, 25.0, 83 * 60, 8, 1, 0, 100.0, 3, 0.0, 1.0E10,
                             1.0E10, 1.0E10, "Rotary");
    motor.SetMotFeedbackComp(true, false, false, true, false, false);
    auto& thermal = acx.DLLThermalModel();
    thermal.SetThermalControls(true, false);
    thermal.SetThermalParameters(0.4 + 0.9, 0.4, 2.5 * 60, 30 * 60);
    thermal.SetTemperatureLimits(155, 25.0, 180, 100, -20);
    thermal.SetThermalConditions(0, 0, 0, 0, 25.0);
    thermal.SetDtRatio(20.0);
    motor.SetDriveParameters(325, 400 * 1.414, 100 * 1.414, 8 * 1000, 10, 30, 0, 0);
    motor.SetAmpFeedbackComp(true, true, false, true, true, false);
    std::vector<double> torque(6, 0.0), time(6, 0.0), vi(6, 0.0), vf(6, 0.0);
    torque[0] = 5.0;
    time[0] = 1.0;
    acx.DLLPerformanceCheck().setArrays(torque, time, vi, vf, 1.0, "Rotary");
}

// Top speed of the curve in rad/s: the back EMF reaches the bus voltage, or the motor's limit.
double TopSpeedRad()
{
    double top = 325 / ((0.6 + 0.6) * 3.14159);
    if (83 < top)
        top = 83;
    return (top + top) * 3.1415927;
}

// One draw: the pretest with its messages, then per row the continuous torque twice (test
// and value) and the peak torque once.
void BM_ServoCurveDraw(benchmark::State& state)
{
    MotorModelACX acx;
    LoadServo(acx);
    const double step = TopSpeedRad() / 99.0;
    for (auto _ : state) {
        bool passed = acx.DLLMotor().PretestLimits();
        std::string messages;
        acx.DLLMotor().GetMessages(messages);
        benchmark::DoNotOptimize(passed);
        benchmark::DoNotOptimize(messages.data());
        double sum = 0;
        for (int i = 0; i <= 100; ++i) {
            const double w = i * step;
            if (!(acx.DLLMotor().GetContTorque(w, 0) > 0))
                break;
            sum += acx.DLLMotor().GetContTorque(w, 0);
            sum += acx.DLLMotor().GetPeakTorque(w, 0);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ServoCurveDraw)->Unit(benchmark::kMicrosecond);

// One pretest and 101 points of continuous and peak torque.
void BM_PretestAnd101Points(benchmark::State& state)
{
    MotorModelACX acx;
    LoadServo(acx);
    const double step = TopSpeedRad() / 99.0;
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
    LoadServo(acx);
    acx.DLLMotor().PretestLimits();
    for (auto _ : state) {
        acx.DLLMotor().FillTSCurveArrays();
        benchmark::DoNotOptimize(acx.DLLMotor().GetTrated());
    }
}
BENCHMARK(BM_FillTSCurveArrays)->Unit(benchmark::kMicrosecond);

} // namespace
