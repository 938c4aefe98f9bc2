#pragma once

#include <string>
#include <vector>

namespace Pulvane_V4 {

class MotorPerformanceCheck;
class MotorTSModel;

// Two-node thermal model of a motor: a case node heated by all losses and cooled to ambient,
// and a winding node above it heated by the copper loss, each with its own time constant.
// Temperatures in degrees C; time in the unit of the time constants.
class MotorThermalModel {
public:
    MotorThermalModel();
    MotorThermalModel(const MotorThermalModel&) = delete;
    MotorThermalModel& operator=(const MotorThermalModel&) = delete;

    // Public member variables.
    double mdblTauwnd = 0;
    double mdblTaumc = 0;
    double mdblTcMax = 0;
    double mdblTcMin = 0;

    void SetThermalControls(bool Denable, bool Aenable);
    void SetThermalParameters(double Rthwa, double Rthwc, double Tauwnd, double Taumc);
    void SetThermalConditions(double Pml, double Prl, double Psl, double Ptl, double Tamb);
    void SetTemperatureLimits(double Twr, double Twostart, double TwMax, double TcMax, double TcMin);
    void SetInterationParameters(double DtRatio, double ConvFraction, int MaxConvLoops);
    void SetDtRatio(double DtRatio);
    void Init();
    void CheckForNonConvergence();
    void DetermineOnOffDuration();
    double GetDutyOnTime() const;
    double GetDutyOffTime() const;

    // Thermal simulation of the linked motion profile.
    bool IsThermallyStable();
    void getTemperatureArrays(std::vector<double>& TwIn, std::vector<double>& TcIn,
                              std::vector<double>& TimeIn) const;
    std::string getErrorMsg() const;

    void SetMotorTSModel(MotorTSModel& DLLMotorIn);
    void SetMotorPerformanceCheck(MotorPerformanceCheck& DLLPerformanceCheckIn);

private:
    friend struct MotorThermalModelProbe; // test seam: reads the internal state

    struct PassExtremes {
        double Wmax;
        double Cmax;
    };

    double BaseTimeStep() const;
    static double DecayFactor(double h, double tau);
    void UpdateLosses();
    void Step(double h);
    double SteadyWindingTemperature(bool loaded);
    void DutyRun(bool heating);
    PassExtremes ProfilePass();
    void SimulateSegment(double torque, double time, double Vo, double Vf);
    void RecordSample();
    void SetCyclicStart();
    MotorTSModel& Motor() const;
    MotorPerformanceCheck& Check() const;

    // Parameters.
    double m_Rthwa = 0, m_Rthwc = 0;
    double m_Pml = 0, m_Prl = 0, m_Psl = 0, m_Ptl = 0, m_Tamb = 0;
    double m_Twr = 0, m_TwMax = 0, m_Twostart = 0;
    double m_DtRatio = 0, m_ConvFraction = 0;
    int m_MaxConvLoops = 0;
    bool m_Denable = false, m_Aenable = false;

    // Model state.
    double m_Tw = 0, m_Tc = 0, m_TwPrev = 0, m_TcPrev = 0;
    double m_caseRise = 0, m_windingRise = 0, m_caseRiseBefore = 0, m_windingRiseBefore = 0;
    double m_resistiveNow = 0, m_otherNow = 0;
    double m_dt = 0;
    double m_elapsed = 0;
    double m_steadyTwOn = 0, m_steadyTwOff = 0;
    double m_TcAfterHeating = 0, m_TcAfterCooling = 0;
    double m_dutyOn = 0, m_dutyOff = 0;
    bool m_loaded = false;
    bool m_nonConvergence = false;
    bool m_runsNeeded = false;

    // Profile simulation.
    std::string m_status;
    std::vector<double> m_historyTw, m_historyTc, m_historyTime;
    int m_historyCount = 0;

    MotorTSModel* m_motor = nullptr;
    MotorPerformanceCheck* m_check = nullptr;
};

} // namespace Pulvane_V4
