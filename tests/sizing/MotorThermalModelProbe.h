#pragma once

#include "sizing/MotorThermalModel.h"

#include <vector>

namespace Pulvane_V4 {

// Reads and drives the thermal model's internal state, which no public member exposes.
struct MotorThermalModelProbe {
    static double Tw(const MotorThermalModel& m) { return m.m_Tw; }
    static double Tc(const MotorThermalModel& m) { return m.m_Tc; }
    static double Dt(const MotorThermalModel& m) { return m.m_dt; }
    static double Elapsed(const MotorThermalModel& m) { return m.m_elapsed; }
    static double ResistiveNow(const MotorThermalModel& m) { return m.m_resistiveNow; }
    static double OtherNow(const MotorThermalModel& m) { return m.m_otherNow; }
    static double SteadyTwOn(const MotorThermalModel& m) { return m.m_steadyTwOn; }
    static double SteadyTwOff(const MotorThermalModel& m) { return m.m_steadyTwOff; }
    static double TcAfterHeating(const MotorThermalModel& m) { return m.m_TcAfterHeating; }
    static double TcAfterCooling(const MotorThermalModel& m) { return m.m_TcAfterCooling; }
    static bool NonConvergence(const MotorThermalModel& m) { return m.m_nonConvergence; }
    static bool RunsNeeded(const MotorThermalModel& m) { return m.m_runsNeeded; }

    static void SetTemperatures(MotorThermalModel& m, double Tw, double Tc)
    {
        m.m_Tw = Tw;
        m.m_Tc = Tc;
    }
    static void SetLoaded(MotorThermalModel& m, bool loaded) { m.m_loaded = loaded; }
    static void UpdateLosses(MotorThermalModel& m) { m.UpdateLosses(); }
    static void Step(MotorThermalModel& m, double h) { m.Step(h); }
    static void HeatingRun(MotorThermalModel& m) { m.DutyRun(true); }
    static void CoolingRun(MotorThermalModel& m) { m.DutyRun(false); }

    // Replaces the recorded history and derives the cyclic start temperatures from it.
    static void CyclicStartFrom(MotorThermalModel& m, const std::vector<double>& Tw,
                                const std::vector<double>& Tc, const std::vector<double>& time)
    {
        m.m_historyTw = Tw;
        m.m_historyTc = Tc;
        m.m_historyTime = time;
        m.m_historyCount = static_cast<int>(Tw.size());
        m.SetCyclicStart();
    }
};

} // namespace Pulvane_V4
