#pragma once

#include <string>
#include <vector>

namespace Pulvane_V4 {

class MotorTSModel;

// The motion profile: segments turned into speed points, reduced to a speed/torque envelope,
// checked against the motor's peak curve and handed out one by one to the thermal model.
// Profile speeds are rpm (rotary) or m/s (linear); torques oz-in, forces N, times s.
class MotorPerformanceCheck {
public:
    MotorPerformanceCheck();
    MotorPerformanceCheck(const MotorPerformanceCheck&) = delete;
    MotorPerformanceCheck& operator=(const MotorPerformanceCheck&) = delete;

    std::string GetVersionNumber() const;
    bool IsaLinearProfile() const;
    bool IsaRotaryProfile() const;
    bool SetProfileTypeString(std::string& ProfileType);
    bool SetProfileTypeInt(int ProfileType);
    double GetRMSTorque() const;
    double GetRMSForce() const;
    double GetAvePml() const;
    double GetRMSInertialTorq() const;
    double GetRMSInertialForce() const;
    double GetTwAve() const;
    double GetTcAve() const;
    bool VerifyTSPoints();
    void GetEnvArrays(std::vector<double>& Torque, std::vector<double>& Speed) const;
    std::string getErrorMsg() const;
    bool setArrays(const std::vector<double>& dblTorqueIn, const std::vector<double>& dblTimeIn,
                   const std::vector<double>& dblViIn, const std::vector<double>& dblVfIn,
                   double dblSafteyFactor, const std::string& dblMotionType);
    void MotorChanged_Update();
    void ResetIterator(int IteratorStart);
    bool NextTSPoint(double& dblTorqueOut, double& dblTimeOut, double& dblVoOut, double& dblVfOut);
    int GetTSPointCount() const;
    void SetMotorTSModel(MotorTSModel& DLLMotorIn);

private:
    // Points k and N + k belong to segment k: same torque, time and acceleration, the first
    // with the start speed, the second with the end speed.
    struct Profile {
        int segments = 0;
        std::vector<double> torque, time, speed, accel;
        std::vector<int> order; // point numbers by speed; the first `count` are the envelope
        int count = 0;
        std::vector<double> envTorque, envSpeed, envAccel;
    };

    struct Results {
        double rmsTorque = 0, rmsForce = 0, avePml = 0, rmsInertialTorq = 0,
               rmsInertialForce = 0, twAve = 0, tcAve = 0;
    };

    static void SortBySpeed(Profile& p);
    static void ReduceToEnvelope(Profile& p);
    void StoreRMS(double sum, double St, double& torque, double& force, const char* where) const;
    void CalcRMS(const Profile& p, Results& r) const;
    void CalcAvePml(const Profile& p, Results& r) const;
    void CalcRMSInertial(const Profile& p, Results& r) const;
    void CalcAveTemps(Results& r) const;
    bool CheckPoints(const std::vector<double>& torque, const std::vector<double>& speed,
                     const std::vector<double>& accel, const char* linearPrefix);
    MotorTSModel& Motor() const;

    std::string m_version;
    int m_profileType = 0; // 0 rotary, 1 linear
    std::string m_status;
    double m_safetyFactor = 0;
    Profile m_profile;
    Results m_results;
    int m_iteratorPosition = 0;
    int m_iteratorStart = 0;
    MotorTSModel* m_motor = nullptr;
};

} // namespace Pulvane_V4
