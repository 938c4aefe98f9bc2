#include "sizing/MotorThermalModel.h"

#include "sizing/MotorPerformanceCheck.h"
#include "sizing/MotorTSModel.h"
#include "sizing/NumberText.h"
#include "sizing/SizingError.h"
#include "sizing/SizingMath.h"

#include <cmath>
#include <cstdint>

namespace Pulvane_V4 {

using namespace SizingMath;

namespace {

constexpr int kInitialHistory = 51;
constexpr int kHistoryGrowth = 50;
// The duty decision's "forever" and "never" (a day in minutes, in the caller's time unit).
constexpr double kWholeDay = 1440;

} // namespace

MotorThermalModel::MotorThermalModel()
    : m_historyTw(kInitialHistory, 0.0),
      m_historyTc(kInitialHistory, 0.0),
      m_historyTime(kInitialHistory, 0.0)
{
}

void MotorThermalModel::SetThermalControls(bool Denable, bool Aenable)
{
    m_Denable = Denable;
    m_Aenable = Aenable;
}

void MotorThermalModel::SetThermalParameters(double Rthwa, double Rthwc, double Tauwnd, double Taumc)
{
    m_Rthwa = Rthwa;
    m_Rthwc = Rthwc;
    mdblTauwnd = Tauwnd;
    mdblTaumc = Taumc;
}

void MotorThermalModel::SetThermalConditions(double Pml, double Prl, double Psl, double Ptl, double Tamb)
{
    m_Pml = Pml;
    m_Prl = Prl;
    m_Psl = Psl;
    m_Ptl = Ptl;
    m_Tamb = Tamb;
}

void MotorThermalModel::SetTemperatureLimits(double Twr, double Twostart, double TwMax, double TcMax,
                                             double TcMin)
{
    m_Twr = Twr;
    m_Twostart = Twostart;
    m_TwMax = TwMax;
    mdblTcMax = TcMax;
    mdblTcMin = TcMin;
}

void MotorThermalModel::SetInterationParameters(double DtRatio, double ConvFraction, int MaxConvLoops)
{
    m_DtRatio = DtRatio;
    m_ConvFraction = ConvFraction;
    m_MaxConvLoops = MaxConvLoops;
}

void MotorThermalModel::SetDtRatio(double DtRatio)
{
    m_DtRatio = DtRatio;
}

void MotorThermalModel::SetMotorTSModel(MotorTSModel& DLLMotorIn)
{
    m_motor = &DLLMotorIn;
}

void MotorThermalModel::SetMotorPerformanceCheck(MotorPerformanceCheck& DLLPerformanceCheckIn)
{
    m_check = &DLLPerformanceCheckIn;
}

MotorTSModel& MotorThermalModel::Motor() const
{
    if (!m_motor)
        throw SizingError("MotorThermalModel: no torque-speed model is linked");
    return *m_motor;
}

MotorPerformanceCheck& MotorThermalModel::Check() const
{
    if (!m_check)
        throw SizingError("MotorThermalModel: no performance check is linked");
    return *m_check;
}

double MotorThermalModel::GetDutyOnTime() const { return m_dutyOn; }
double MotorThermalModel::GetDutyOffTime() const { return m_dutyOff; }
std::string MotorThermalModel::getErrorMsg() const { return m_status; }

// ---- Time stepping ------------------------------------------------------------------------

double MotorThermalModel::BaseTimeStep() const
{
    double T = 1000;
    if (mdblTauwnd != 0)
        T = mdblTauwnd;
    else if (mdblTaumc != 0)
        T = mdblTaumc;
    return Div(T, m_DtRatio, "MotorThermalModel: time step");
}

// A node without a time constant settles within one step.
double MotorThermalModel::DecayFactor(double h, double tau)
{
    return tau == 0 ? 0.0 : std::exp(-h / tau);
}

void MotorThermalModel::Init()
{
    m_Tw = m_Twostart;
    m_Tc = m_Twostart;
    m_TwPrev = m_Twostart;
    m_TcPrev = m_Twostart;
    m_TcAfterHeating = m_Tamb;
    m_TcAfterCooling = m_Tamb;
    m_elapsed = 0;
    m_loaded = true;
    m_nonConvergence = false;
    m_dt = BaseTimeStep();
}

void MotorThermalModel::UpdateLosses()
{
    if (m_loaded) {
        m_resistiveNow = ((m_Tw - 25) * kCopperCoeff + 1) * m_Prl;
        m_otherNow = m_Psl + m_Ptl;
        if (m_Denable)
            m_otherNow += m_Pml;
    } else {
        m_resistiveNow = 0;
        m_otherNow = m_Psl;
    }
}

void MotorThermalModel::Step(double h)
{
    m_windingRiseBefore = m_Tw - m_Tc;
    m_caseRiseBefore = m_Tc - m_Tamb;
    UpdateLosses();
    const double eC = DecayFactor(h, mdblTaumc);
    const double eW = DecayFactor(h, mdblTauwnd);
    m_caseRise = (m_otherNow + m_resistiveNow) * (m_Rthwa - m_Rthwc) * (1 - eC) + eC * m_caseRiseBefore;
    m_windingRise = m_resistiveNow * m_Rthwc * (1 - eW) + eW * m_windingRiseBefore;
    m_TwPrev = m_Tw;
    m_TcPrev = m_Tc;
    m_Tw = m_caseRise + m_windingRise + m_Tamb;
    m_Tc = m_caseRise + m_Tamb;
    m_elapsed += h;
}

// ---- Steady state and duty cycle ----------------------------------------------------------

double MotorThermalModel::SteadyWindingTemperature(bool loaded)
{
    m_loaded = loaded;
    m_Tw = m_Tamb;
    int counter = 0;
    do {
        const double previous = m_Tw;
        UpdateLosses();
        m_caseRise = (m_otherNow + m_resistiveNow) * (m_Rthwa - m_Rthwc);
        m_windingRise = m_resistiveNow * m_Rthwc;
        m_Tw = m_Tamb + m_caseRise + m_windingRise;
        ++counter;
        if ((1 + m_ConvFraction) * previous > m_Tw && (1 - m_ConvFraction) * previous < m_Tw)
            break;
    } while (counter <= m_MaxConvLoops);
    if (counter > m_MaxConvLoops)
        m_nonConvergence = true;
    return m_Tw;
}

void MotorThermalModel::CheckForNonConvergence()
{
    // Each check decides afresh whether heating and cooling runs are needed.
    m_runsNeeded = false;
    const bool loaded = m_loaded;
    m_steadyTwOn = SteadyWindingTemperature(true);
    m_steadyTwOff = SteadyWindingTemperature(false);
    m_loaded = loaded;

    if (mdblTauwnd == 0 && mdblTaumc == 0) {
        m_dutyOn = 0;
        m_dutyOff = 0;
    } else if (m_steadyTwOn < m_Twr) {
        m_dutyOn = kWholeDay;
        m_dutyOff = 0;
    } else if (m_steadyTwOff > m_Twostart) {
        m_dutyOn = 0;
        m_dutyOff = kWholeDay;
    } else {
        m_runsNeeded = true;
    }
}

// Heating (load on, up to Twr) or cooling (load off, down to Twostart): coarse steps past the
// target, then secant steps back onto it.
void MotorThermalModel::DutyRun(bool heating)
{
    m_elapsed = 0;
    m_loaded = heating;
    if (!m_runsNeeded)
        return;
    const double target = heating ? m_Twr : m_Twostart;
    // Wide on purpose: the square of a large loop limit must not overflow.
    const std::int64_t coarseLimit = static_cast<std::int64_t>(m_MaxConvLoops) * m_MaxConvLoops;
    std::int64_t count = 0;
    do {
        Step(m_dt);
        ++count;
    } while (count <= coarseLimit && (heating ? m_Tw <= target : m_Tw >= target));
    if (count > coarseLimit) {
        m_dutyOn = 0;
        m_dutyOff = 0;
        m_nonConvergence = true;
        return;
    }

    double s = m_dt;
    int refinements = 0;
    double e0;
    do {
        e0 = m_elapsed;
        s = Div(s * (target - m_Tw), m_Tw - m_TwPrev, "MotorThermalModel: duty refinement");
        Step(s);
        ++refinements;
    } while (refinements <= m_MaxConvLoops
             && !((1 - m_ConvFraction) * m_elapsed < e0 && e0 < (1 + m_ConvFraction) * m_elapsed));
    if (refinements > m_MaxConvLoops)
        m_nonConvergence = true;

    if (heating) {
        m_dutyOn = m_elapsed;
        m_TcAfterHeating = m_Tc;
    } else {
        m_dutyOff = m_elapsed;
        m_TcAfterCooling = m_Tc;
    }
}

void MotorThermalModel::DetermineOnOffDuration()
{
    Init();
    CheckForNonConvergence();
    m_Tw = 60; // the search always starts from a warm motor
    m_Tc = 60;
    const double f = m_ConvFraction;
    int c = 0;
    for (;;) {
        const double H0 = m_TcAfterHeating;
        const double C0 = m_TcAfterCooling;
        DutyRun(true);
        DutyRun(false);
        const double H = m_TcAfterHeating;
        const double C = m_TcAfterCooling;
        const bool settled = (1 - f) * C0 < C && C < (1 + f) * C0 && (1 - f) * H0 < H && H < (1 + f) * H0;
        if (c > m_MaxConvLoops || settled)
            break;
        ++c;
    }
    if (c > m_MaxConvLoops) {
        m_nonConvergence = true;
        m_TcAfterHeating = 0;
        m_TcAfterCooling = 0;
    } else if (m_dutyOn + m_dutyOff == 0) {
        m_TcAfterHeating = 0;
        m_TcAfterCooling = 0;
    }
}

// ---- Thermal simulation of the profile ------------------------------------------------------

bool MotorThermalModel::IsThermallyStable()
{
    if (mdblTauwnd == 0 && mdblTaumc == 0) {
        m_status = "Warning - Both motor time constants are zero. Thermal testing was skipped.";
        return true;
    }
    MotorTSModel& motor = Motor();
    const MotorPerformanceCheck& check = Check();
    // The motor's type decides torque or force here, not the profile's.
    const double load = motor.IsaLinearMotor() ? check.GetRMSForce() + check.GetRMSInertialForce()
                                               : check.GetRMSTorque() + check.GetRMSInertialTorq();
    const double avePml = check.GetAvePml();
    Init();
    double twAve = 0;
    double tcAve = 0;
    motor.CalcSteadyStateTemp(twAve, tcAve, load, avePml);
    m_Tw = twAve;
    m_Tc = tcAve;

    m_historyCount = 0;
    ProfilePass();
    PassExtremes extremes{};
    for (int pass = 0; pass < 2; ++pass) {
        SetCyclicStart();
        m_elapsed = 0;
        m_historyCount = 0;
        extremes = ProfilePass();
    }

    if (extremes.Wmax < m_TwMax && extremes.Cmax < mdblTcMax) {
        m_status = "Okay.";
        return true;
    }
    if (extremes.Cmax > mdblTcMax)
        m_status = "Motor Case Temperature Exceeds its Max Temperature of "
                   + NumberText::GroupedTwoDecimals(mdblTcMax) + ".";
    else
        m_status = "Motor Winding Temperature Exceeds its Rated Temperature of "
                   + NumberText::GroupedTwoDecimals(m_TwMax) + ".";
    return false;
}

MotorThermalModel::PassExtremes MotorThermalModel::ProfilePass()
{
    MotorPerformanceCheck& check = Check();
    const MotorTSModel& motor = Motor();
    check.ResetIterator(0);
    m_elapsed = 0;
    PassExtremes e{-375, -375};
    RecordSample();
    double torque, time, Vo, Vf;
    while (check.NextTSPoint(torque, time, Vo, Vf)) {
        // Inertial term from the stored speeds as they are (rpm for a rotary profile, no
        // safety factor), added to the torque unconverted.
        torque = torque + Div(motor.mdblJm * (Vf - Vo), time, "MotorThermalModel: segment time");
        SimulateSegment(torque, time, Vo, Vf);
        RecordSample();
        if (m_Tw > e.Wmax)
            e.Wmax = m_Tw;
        if (m_Tc > e.Cmax)
            e.Cmax = m_Tc;
    }
    return e;
}

void MotorThermalModel::SimulateSegment(double torque, double time, double Vo, double Vf)
{
    constexpr const char* where = "MotorThermalModel: segment steps";
    const MotorTSModel& motor = Motor();
    m_dt = BaseTimeStep();
    const std::int64_t n = RoundHalfEven(Div(time, m_dt, where), where);
    const double h = Div(time, static_cast<double>(n + 1), where);
    m_dt = h;
    for (std::int64_t k = 1; k <= n + 1; ++k) {
        m_Prl = motor.GetPrl(torque, 25);
        m_Pml = motor.GetPml(Vo + (Vf - Vo) * (static_cast<double>(k) - 0.5) / static_cast<double>(n + 1));
        Step(h);
    }
}

void MotorThermalModel::RecordSample()
{
    if (static_cast<int>(m_historyTw.size()) - 1 < m_historyCount + 1) {
        const std::size_t size = m_historyTw.size() + kHistoryGrowth;
        m_historyTw.resize(size, 0.0);
        m_historyTc.resize(size, 0.0);
        m_historyTime.resize(size, 0.0);
    }
    m_historyTw[m_historyCount] = m_Tw;
    m_historyTc[m_historyCount] = m_Tc;
    m_historyTime[m_historyCount] = m_elapsed;
    ++m_historyCount;
}

// Start temperatures of a periodic pass, from the first and last samples of the last one.
void MotorThermalModel::SetCyclicStart()
{
    const int last = m_historyCount - 1;
    const double P = m_historyTime[last];
    const double c0 = m_historyTc[0] - m_Tamb;
    const double c1 = m_historyTc[last] - m_Tamb;
    const double w0 = m_historyTw[0] - m_historyTc[0];
    const double w1 = m_historyTw[last] - m_historyTc[last];
    const double eC = DecayFactor(P, mdblTaumc);
    const double eW = DecayFactor(P, mdblTauwnd);
    const double caseRise = eC <= 0.9 ? (c1 - c0 * eC) / (1 - eC) : (c0 + c1) / 2;
    const double windingRise = eW <= 0.9 ? (w1 - eW * w0) / (1 - eW) : (w0 + w1) / 2;
    m_Tc = m_Tamb + caseRise;
    m_Tw = m_Tc + windingRise;
}

void MotorThermalModel::getTemperatureArrays(std::vector<double>& TwIn, std::vector<double>& TcIn,
                                             std::vector<double>& TimeIn) const
{
    if (m_historyCount == 0) {
        TwIn.assign(2, 0.0);
        TcIn.assign(2, 0.0);
        TimeIn.assign(2, 0.0);
        return;
    }
    const auto n = static_cast<std::ptrdiff_t>(m_historyCount);
    TwIn.assign(m_historyTw.begin(), m_historyTw.begin() + n);
    TcIn.assign(m_historyTc.begin(), m_historyTc.begin() + n);
    TimeIn.assign(m_historyTime.begin(), m_historyTime.begin() + n);
}

} // namespace Pulvane_V4
