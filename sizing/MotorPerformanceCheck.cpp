#include "sizing/MotorPerformanceCheck.h"

#include "sizing/MessageSink.h"
#include "sizing/MotorTSModel.h"
#include "sizing/NumberText.h"
#include "sizing/SizingError.h"
#include "sizing/SizingMath.h"
#include "sizing/TypeText.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace Pulvane_V4 {

using namespace SizingMath;

namespace {

constexpr const char* kTypeTitle = "Error in Motor type";
constexpr const char* kTsPrefix = "Could Not Meet TS Point: ";

} // namespace

MotorPerformanceCheck::MotorPerformanceCheck() : m_version("05.011.003") {}

std::string MotorPerformanceCheck::GetVersionNumber() const { return m_version; }
bool MotorPerformanceCheck::IsaLinearProfile() const { return m_profileType == 1; }
bool MotorPerformanceCheck::IsaRotaryProfile() const { return m_profileType == 0; }
std::string MotorPerformanceCheck::getErrorMsg() const { return m_status; }
int MotorPerformanceCheck::GetTSPointCount() const { return m_profile.segments; }

double MotorPerformanceCheck::GetRMSTorque() const { return m_results.rmsTorque; }
double MotorPerformanceCheck::GetRMSForce() const { return m_results.rmsForce; }
double MotorPerformanceCheck::GetAvePml() const { return m_results.avePml; }
double MotorPerformanceCheck::GetRMSInertialTorq() const { return m_results.rmsInertialTorq; }
double MotorPerformanceCheck::GetRMSInertialForce() const { return m_results.rmsInertialForce; }
double MotorPerformanceCheck::GetTwAve() const { return m_results.twAve; }
double MotorPerformanceCheck::GetTcAve() const { return m_results.tcAve; }

void MotorPerformanceCheck::SetMotorTSModel(MotorTSModel& DLLMotorIn)
{
    m_motor = &DLLMotorIn;
}

MotorTSModel& MotorPerformanceCheck::Motor() const
{
    if (!m_motor)
        throw SizingError("MotorPerformanceCheck: no torque-speed model is linked");
    return *m_motor;
}

bool MotorPerformanceCheck::SetProfileTypeString(std::string& ProfileType)
{
    TypeText::UpperCase(ProfileType);
    const int type = TypeText::MotionType(ProfileType);
    if (type >= 0) {
        m_profileType = type;
        return true;
    }
    ShowMessage("MotorTSModel: Invalid Profile type Specified: " + ProfileType, kTypeTitle);
    return false;
}

bool MotorPerformanceCheck::SetProfileTypeInt(int ProfileType)
{
    if (ProfileType == 0 || ProfileType == 1) {
        m_profileType = ProfileType;
        return true;
    }
    ShowMessage("MotorTSModel: Invalid Profile type Specified: " + std::to_string(ProfileType),
                kTypeTitle);
    return false;
}

bool MotorPerformanceCheck::setArrays(const std::vector<double>& dblTorqueIn,
                                      const std::vector<double>& dblTimeIn,
                                      const std::vector<double>& dblViIn,
                                      const std::vector<double>& dblVfIn, double dblSafteyFactor,
                                      const std::string& dblMotionType)
{
    constexpr const char* where = "MotorPerformanceCheck::setArrays";
    std::string motionType = dblMotionType; // only our own copy is upper-cased
    SetProfileTypeString(motionType);
    m_safetyFactor = dblSafteyFactor;
    const std::size_t size = dblTorqueIn.size();
    if (dblTimeIn.size() != size || dblViIn.size() != size || dblVfIn.size() != size) {
        m_status = "Error in setArrays - the arrays are not the same size";
        return false;
    }
    std::size_t n = size;
    for (std::size_t k = 0; k < size; ++k) {
        if (dblTorqueIn[k] == 0 && dblTimeIn[k] == 0) {
            n = k;
            break;
        }
    }
    if (n == 0) {
        // Nothing to size: keep the profile we have rather than an empty one.
        m_status = "Error in setArrays - the profile has no segments";
        return false;
    }

    const int N = static_cast<int>(n);
    const double sf = dblSafteyFactor;
    MotorTSModel& motor = Motor();
    Profile p;
    p.segments = N;
    p.torque.resize(2 * n);
    p.time.resize(2 * n);
    p.speed.resize(2 * n);
    p.accel.resize(2 * n);
    for (std::size_t i = 0; i < 2 * n; ++i) {
        const std::size_t k = i < n ? i : i - n;
        p.torque[i] = dblTorqueIn[k] * sf;
        p.time[i] = dblTimeIn[k];
        p.speed[i] = i < n ? dblViIn[k] : dblVfIn[k];
        if (dblTimeIn[k] == 0)
            p.accel[i] = 0;
        else if (motor.IsaLinearMotor()) // the motor's type decides, not the profile's
            p.accel[i] = Div((dblVfIn[k] - dblViIn[k]) * sf, dblTimeIn[k], where);
        else // rpm/s to rad/s^2
            p.accel[i] = Div((dblVfIn[k] - dblViIn[k]) * (sf * kPi), dblTimeIn[k], where) / 30;
    }
    p.count = 2 * N;
    for (double& t : p.torque)
        t = std::fabs(t);
    SortBySpeed(p);
    ReduceToEnvelope(p);

    Results r;
    CalcRMS(p, r);
    CalcAvePml(p, r);
    CalcRMSInertial(p, r);
    CalcAveTemps(r);

    m_profile = std::move(p);
    m_results = r;
    m_status = " SetArray Complete - Everything is Okay!";
    return true;
}

// Exchange sort: points of equal speed keep their order.
void MotorPerformanceCheck::SortBySpeed(Profile& p)
{
    const int count = p.count;
    p.order.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        p.order[i] = i;
    for (int pass = 0; pass < count; ++pass)
        for (int j = 0; j <= count - 2 - pass; ++j)
            if (p.speed[p.order[j]] > p.speed[p.order[j + 1]])
                std::swap(p.order[j], p.order[j + 1]);
}

void MotorPerformanceCheck::ReduceToEnvelope(Profile& p)
{
    auto remove = [&p](int position) {
        p.order.erase(p.order.begin() + position);
        --p.count;
    };
    // Of points at one speed only the highest torque stays (the lower position on a tie).
    for (int i = p.count - 2; i >= 0; --i) {
        const int a = p.order[i];
        const int b = p.order[i + 1];
        if (p.speed[a] == p.speed[b])
            remove(p.torque[a] < p.torque[b] ? i : i + 1);
    }
    // Points on or below the line through their neighbours are not corners: one backward pass.
    for (int i = p.count - 3; i >= 0; --i) {
        const int a = p.order[i];
        const int b = p.order[i + 1];
        const int c = p.order[i + 2];
        const double line = p.torque[a]
                            + (p.speed[b] - p.speed[a])
                                  * Div(p.torque[c] - p.torque[a], p.speed[c] - p.speed[a],
                                        "MotorPerformanceCheck: envelope");
        if (p.torque[b] <= line)
            remove(i + 1);
    }
    p.order.resize(static_cast<std::size_t>(p.count));
    p.envTorque.resize(p.order.size());
    p.envSpeed.resize(p.order.size());
    p.envAccel.resize(p.order.size());
    for (std::size_t i = 0; i < p.order.size(); ++i) {
        p.envTorque[i] = p.torque[p.order[i]];
        p.envSpeed[i] = p.speed[p.order[i]];
        p.envAccel[i] = p.accel[p.order[i]];
    }
}

// RMS over the profile time, stored as torque or force by the profile type; a profile without
// duration gives 0 for both.
void MotorPerformanceCheck::StoreRMS(double sum, double St, double& torque, double& force,
                                     const char* where) const
{
    torque = 0;
    force = 0;
    if (St <= 0)
        return;
    (IsaLinearProfile() ? force : torque) = Sqrt(sum / St, where);
}

void MotorPerformanceCheck::CalcRMS(const Profile& p, Results& r) const
{
    double S2 = 0;
    double St = 0;
    for (int k = 0; k < p.segments; ++k) {
        S2 += p.torque[k] * p.torque[k] * p.time[k];
        St += p.time[k];
    }
    StoreRMS(S2, St, r.rmsTorque, r.rmsForce, "MotorPerformanceCheck: RMS torque");
}

void MotorPerformanceCheck::CalcAvePml(const Profile& p, Results& r) const
{
    const MotorTSModel& motor = Motor();
    const int N = p.segments;
    double Sp = 0;
    double St = 0;
    for (int k = 0; k < N; ++k) {
        const double mean = (p.speed[N + k] + p.speed[k]) / 2;
        Sp += motor.GetPml(mean) * p.time[k];
        St += p.time[k];
    }
    r.avePml = St <= 0 ? 0 : Sp / St;
}

void MotorPerformanceCheck::CalcRMSInertial(const Profile& p, Results& r) const
{
    const MotorTSModel& motor = Motor();
    double Si = 0;
    double St = 0;
    for (int k = 0; k < p.segments; ++k) {
        const double Ja = motor.mdblJm * p.accel[k];
        Si += p.time[k] * (Ja * Ja);
        St += p.time[k];
    }
    StoreRMS(Si, St, r.rmsInertialTorq, r.rmsInertialForce,
             "MotorPerformanceCheck: RMS inertial torque");
}

void MotorPerformanceCheck::CalcAveTemps(Results& r) const
{
    const double load = IsaLinearProfile() ? r.rmsForce + r.rmsInertialForce
                                           : r.rmsTorque + r.rmsInertialTorq;
    Motor().CalcSteadyStateTemp(r.twAve, r.tcAve, load, r.avePml);
}

void MotorPerformanceCheck::MotorChanged_Update()
{
    Results r = m_results;
    CalcAvePml(m_profile, r);
    CalcRMSInertial(m_profile, r);
    CalcAveTemps(r);
    m_results = r;
}

bool MotorPerformanceCheck::VerifyTSPoints()
{
    m_status.clear();
    if (m_profile.segments == 0) {
        m_status = " Error - SetArrays has not been called";
        return false;
    }
    const Profile& p = m_profile;
    if (p.segments >= 5)
        return CheckPoints(p.envTorque, p.envSpeed, p.envAccel, "Could Not Meet FS Point: ");
    return CheckPoints(p.torque, p.speed, p.accel, kTsPrefix);
}

bool MotorPerformanceCheck::CheckPoints(const std::vector<double>& torque,
                                        const std::vector<double>& speed,
                                        const std::vector<double>& accel,
                                        const char* linearPrefix)
{
    MotorTSModel& motor = Motor();
    for (std::size_t i = 0; i < torque.size(); ++i) {
        const bool linear = IsaLinearProfile();
        const double peak = linear ? motor.GetPeakForce(speed[i], accel[i])
                                   : motor.GetPeakTorque(speed[i] * 0.104719755, accel[i]);
        if (torque[i] > peak) {
            m_status = std::string(linear ? linearPrefix : kTsPrefix)
                       + NumberText::DefaultDouble(torque[i]) + ", "
                       + NumberText::DefaultDouble(speed[i]);
            return false;
        }
    }
    m_status = "Okay.";
    return true;
}

void MotorPerformanceCheck::GetEnvArrays(std::vector<double>& Torque, std::vector<double>& Speed) const
{
    Torque = m_profile.envTorque;
    Speed = m_profile.envSpeed;
}

void MotorPerformanceCheck::ResetIterator(int IteratorStart)
{
    m_iteratorPosition = 0;
    m_iteratorStart = IteratorStart;
}

bool MotorPerformanceCheck::NextTSPoint(double& dblTorqueOut, double& dblTimeOut, double& dblVoOut,
                                        double& dblVfOut)
{
    const int N = m_profile.segments;
    if (m_iteratorPosition >= N) {
        dblTorqueOut = 0;
        dblTimeOut = 0;
        dblVoOut = 0;
        dblVfOut = 0;
        return false;
    }
    // Any start is taken modulo the segment count.
    const std::int64_t raw = static_cast<std::int64_t>(m_iteratorPosition) + m_iteratorStart;
    const int segment = static_cast<int>(((raw % N) + N) % N);
    dblTorqueOut = m_profile.torque[segment];
    dblTimeOut = m_profile.time[segment];
    dblVoOut = m_profile.speed[segment];
    dblVfOut = m_profile.speed[N + segment];
    ++m_iteratorPosition;
    return true;
}

} // namespace Pulvane_V4
