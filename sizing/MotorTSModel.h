#pragma once

#include "sizing/SaturationCurve.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Pulvane_V4 {

class MotorPerformanceCheck;
class MotorThermalModel;
class SpecWorkbook;

// Torque-speed model of one servo motor on one drive: parameters, torque and force limits with
// magnetic saturation, the compatibility pretest, curve arrays and losses.
// Rotary units: torque oz-in, speed rad/s (top speed in rpm); linear: force N, speed m/s.
// Texts in and out are UTF-8; the spec sheets read a byte that is not part of a UTF-8 sequence
// as Windows-1252 and escape what a work book cannot hold (SheetText).
class MotorTSModel {
public:
    // Parameter sets as the setters store them (public types so that sheet writers can read them).
    struct MotorParameters {
        double Kb = 0, Rm = 0, Lm = 0, Vm = 0, Rthwa = 0, Rthwc = 0, Bm = 0, Tfm = 0, Twr = 0,
               Tamb = 0, Wrmax = 0, Np = 0, Denable = 0, Aenable = 0, SpeedInc = 0, Rptc = 0,
               Pbl = 0, MaxIdIm = 0, MaxImId = 0, MaxTmargin = 0;
    };
    struct DriveParameters {
        double Vs = 0, Vsmax = 0, Vsmin = 0, Sf = 0, Iclim = 0, Iplim = 0, MaxContPower = 0,
               MaxPeakPower = 0, Tmamax = 0, Csf = 0, Rthec = 0, Rthse = 0, Rps = 0;
    };
    struct TransistorParameters {
        double Idsmax = 0, Rdscold = 0, Tjmax = 0, Jtc = 0, Rthjc = 0, Rthce = 0;
    };
    struct RefScalingParameters {
        double OrgTurns = 0, OrgAWG = 0;
        std::string OrgMname;
        double OrgFill = 0, OrgNil = 0, OrgNwih = 0, OrgStatorLength = 0, OrgEndturnLength = 0;
        std::string OrgPhaseOrientation, OrgBundleOrientation;
        double NewTurns = 0, NewAWG = 0, NewFill = 0, NewNil = 0, NewNwih = 0, NewStatorLength = 0,
               NewEndturnLength = 0;
        std::string NewPhaseOrientation, NewBundleOrientation;
    };
    // Names and values that only the spec sheets show.
    struct ReferenceParameters {
        std::string Dname, Mname, WindNum, ThermCondition;
        double Lmax = 0, Lmin = 0, Weight = 0, BrakeWeight = 0, BrakeInertia = 0, TwMax = 0;
    };

    MotorTSModel();
    ~MotorTSModel();
    MotorTSModel(const MotorTSModel&) = delete;
    MotorTSModel& operator=(const MotorTSModel&) = delete;

    // Public member variables.
    double mdblJm = 0;
    double mdblRatedSpeed = 0;
    bool mbolHideSheets = false;

    // Motor type and drive voltage-limit model.
    bool IsaLinearMotor() const;
    bool IsaRotaryMotor() const;
    bool SetMotorTypeString(std::string& MotorType);
    bool SetMotorTypeInt(int MotorType);
    bool SetDriveVLModelString(std::string& DriveVoltageLimitModelType);
    bool IsAnAnalogAmp() const;
    bool IsADigitalAmp() const;
    bool SetDriveVLModelInt(int DriveVoltageLimitModel);
    std::string Version() const;
    void SetRefScalingParmeters(double OrgTurns, double OrgAWG, const std::string& OrgMname,
                                double OrgFill, double OrgNil, double OrgNwih,
                                double OrgStatorLength, double OrgEndturnLength,
                                const std::string& OrgPhaseOrientation,
                                const std::string& OrgBundleOrientation, double NewTurns,
                                double NewAWG, double NewFill, double NewNil, double NewNwih,
                                double NewStatorLength, double NewEndturnLength,
                                const std::string& NewPhaseOrientation,
                                const std::string& NewBundleOrientation);

    void FillTSCurveArrays();

    // Compatibility pretest.
    void ExitPretestOnErr();
    void DontExitPretestOnErr();
    bool CheckMotorAndAmpFeedbackComp() const;
    void SetMotFeedbackComp(bool bolIncEncFeedback, bool bolResFeedback, bool bolRendat,
                            bool bolEndat, bool bolSincos, bool bolHallOnly);
    void SetAmpFeedbackComp(bool bolIncEncFeedback, bool bolResFeedback, bool bolRendat,
                            bool bolEndat, bool bolSincos, bool bolHallOnly);
    void GetMessages(std::string& strReturnMessage) const;

    // Torque and force limits at a speed.
    double GetContCurrent(double Speed, double Acc);
    double GetPeakCurrent(double Speed, double Acc);
    double GetContTorque(double SpeedRadsps, double AccRadspss);
    double GetPeakTorque(double SpeedRadsps, double AccRadspss);
    double GetDLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss);
    double GetPLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss);
    double GetRLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss);
    double GetCLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss);
    double GetDPPLTorqueAtRadsPerSec(double ShaftTorque, double SpeedRadsps, double AccRadspss);
    double GetVLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss);
    double GetAnalogVLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss);
    double GetDigitalVLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss);
    double GetContForce(double Speed_mps, double Acc_mpss);
    double GetPeakForce(double Speed_mps, double Acc_mpss);
    double GetDLForceAtMPerSec(double Speed_mps, double Acc_mpss);
    double GetPLForceAtMPerSec(double Speed_mps, double Acc_mpss);
    double GetRLForceAtMPerSec(double Speed_mps, double Acc_mpss);
    double GetCLForceAtMPerSec(double Speed_mps, double Acc_mpss);
    double GetDPPLForceAtMPerSec(double carForce, double Speed_mps, double Acc_mpss);
    double GetVLForceAtMPerSec(double Speed_mps, double Acc_mpss);

    bool PretestLimits();

    // Magnetic saturation.
    void SetMagneticSaturationParms(double Isat1, double Isat2, double Isat3,
                                    double TorqueSatPercent2X, double TorqueSatPercent3X,
                                    double SatNt, double effNt);
    double GetSatKtss_Nm(double IsixState) const;
    double GetSatKbss_vpradps(double IsixState) const;
    double GetSatKtsinepeak_Nm(double Isinepeak) const;
    double GetSatKtsinepeak_OzIn(double Isinepeak) const;

    // Parameter setters.
    void SetMotorParameters(double Kb, double Rm, double Lm, double Vm, double Jm, double Rthwa,
                            double Rthwc, double Bm, double Tfm, double Twr, double Tamb,
                            double Wrmax, double Np, int Denable, int Aenable, double SpeedInc,
                            double Rptc, double Pbl, double MaxIdIm, double MaxImId,
                            double MaxTmargin, const std::string& MotorType);
    void SetTransistorParameters(double Idsmax, double Rdscold, double Tjmax, double Jtc,
                                 double Rthjc, double Rthce);
    void SetDriveParametersFull(double Vs, double Sf, double Iclim, double Iplim, double Tmamax,
                                double Csf, double Rthec, double Rthse, double Rps);
    void SetDriveParameters(double Vs, double Vsmax, double Vsmin, double Sf, double Iclim,
                            double Iplim, double MaxContPower, double MaxPeakPower);

    // Rated values and curve points.
    double GetWrated() const;
    double GetTrated() const;
    double GetMaxPeakInputPower() const;
    double GetMaxContInputPower() const;
    double GetIrated() const;
    double GetVlim() const;
    double GetSpeedPoint(int intcnt) const;
    double GetContTorqPoint(int intcnt) const;
    double GetPeakTorqPoint(int intcnt) const;
    double GetPmlPoint(int intcnt) const;
    double GetPrlPoint(int intcnt) const;
    double GetPtlPoint(int intcnt) const;
    double GetPslPoint(int intcnt) const;
    double GetTcPoint(int intcnt) const;
    double GetTwPoint(int intcnt) const;
    double GetTePoint(int intcnt) const;
    double GetTsPoint(int intcnt) const;
    double GetTjPoint(int intcnt) const;
    double GetContIPoint(int intcnt) const;
    double GetPeakIPoint(int intcnt) const;
    void FillTSCurveArrays_old();
    void FillCurrentandPLArraysForStdMotor();

    // Losses and steady state.
    double GetPml(double SpeedRPM_mps) const;
    double GetPrl(double TorqForce_OzIn_N, double TwCel) const;
    double CalcSteadtStateCurrent(double RMSTorqForce_OzIn_N) const;
    double CalcSteadyStateTemp(double& TwAve, double& TcAve, double RMSTorqForce_OzIn_N,
                               double AvePml) const;

    // Links to the sibling models; the control owns all three.
    void SetMotorPerformanceCheck(MotorPerformanceCheck& DLLPerformanceCheckIn);
    void SetMotorThermalModel(MotorThermalModel& DLLThermalModelIn);

    // Spec sheets: .xlsx work books of the motor and drive the model holds. A single export
    // writes one motor; a family run (open, one export per motor, close) gathers several. An
    // export fails (false, no message) when a text is longer than a cell holds.
    bool Load_Excel_App(std::unique_ptr<SpecWorkbook>& objExcelApp);
    bool ExportExcelSpecSheet(const std::string& ValidFileName);
    void OpenExcelFamSpecSheet();
    bool ExportExcelFamSpecSheet();
    void CloseExcelFamSpecSheet(const std::string& ValidFileName);
    void SetReferenceParameters(const std::string& Dname, const std::string& Mname,
                                const std::string& WindNum, const std::string& ThermCondition,
                                double Lmax, double Lmin, double Weight, double BrakeWeight,
                                double BrakeInertia, double TwMax);

private:
    // The sheet writers read the parameters as the setters stored them.
    friend class MotorDataSheet;
    friend class DriveDataSheet;
    friend struct MotorTSModelProbe; // test seam: reads the limit records

    static constexpr int kCurvePoints = 42;
    using CurveArray = std::array<double, kCurvePoints>;

    enum class Kind { Rotary, Linear };

    // Speed, acceleration and their sign after the rules every limit starts with.
    struct Terms {
        double w;    // |speed|
        double a;    // |acceleration|
        double s;    // direction sign
        double acc;  // inertial term, -Jm * a
        double fric; // friction term
    };

    // Records the limits leave behind for the current queries and the curve fill.
    struct LimitRecords {
        double vlCurrent = 0, vlTw = 0, vlTc = 0;
        double plCurrent = 0, plTw = 0, plTc = 0;
        double dlCurrent = 0, dlTw = 0, dlTc = 0;
        double clCurrent = 0;
        double rlCurrent = 0;
        double contCurrent = 0, contTw = 0, contTc = 0;
        double peakCurrent = 0;
        double lastContTorque = 0, lastPeakTorque = 0;
    };

    struct CurveArrays {
        CurveArray speed{}, cont{}, peak{}, contPower{}, peakPower{}, pml{}, prl{}, ptl{}, psl{},
            tc{}, tw{}, te{}, ts{}, tj{}, contI{}, peakI{}, friction{}, contCurrentTorque{},
            peakCurrentTorque{}, vlTorque{};
    };

    // The voltage limit last worked out, with every value it read: the continuous and the peak
    // torque at one speed share it. It is taken again only when all of them are bit for bit the
    // same, so a result never differs from a fresh calculation.
    static constexpr std::size_t kVLInputs = 18;
    using VLInputs = std::array<double, kVLInputs>;
    struct VLMemo {
        VLInputs inputs{};
        bool valid = false;
        double torque = 0, current = 0, tw = 0, tc = 0;
    };

    struct RatedValues {
        double speed = 0, torque = 0, power = 0, current = 0, tw = 0, tc = 0;
        double maxContInputPower = 0, maxPeakInputPower = 0;
    };

    void Init_Messages_And_Defaults();
    void Add_Message(int key);
    bool Finding(int key, bool& result);

    Terms CommonTerms(double speed, double acc, bool accelFlipsSign, Kind kind) const;
    double HotResistance() const;
    double PmlDriveAndVoltage(const Terms& t, Kind kind) const;
    double PmlThermal(double w, Kind kind) const;
    void Temperatures(double I, double R, double Pml, double& Tw, double& Tc) const;
    double ThermalCurrent6(double budgetTemp, double Pml, double Rhot) const;
    double ThermalTorque(double I6, Kind kind) const;
    double Capability(double current, Kind kind) const;

    double DLLimit(double speed, double acc, Kind kind);
    double CLLimit(double speed, double acc, Kind kind);
    double PLLimit(double speed, double acc, Kind kind);
    double RLLimit(double speed, double acc, Kind kind);
    double SixStateVLLimit(double speed, double acc, Kind kind);
    double SineVLLimit(double speed, double acc);
    VLInputs VLInputsAt(double speed, double acc, Kind kind) const;
    double VLLimit(double speed, double acc, Kind kind);
    double PowerLimit(double value, double speed, double acc, double maxPower, Kind kind) const;
    double Limit_Cont_Power_Torque(double Torque, double SpeedRadsps, double AccRadspss) const;
    double Limit_Cont_Power_Force(double Force, double Speed_mps, double Acc_mpss) const;
    bool TopSpeedExceeded(double speed, Kind kind) const;
    double ContLimit(double speed, double acc, Kind kind);
    double PeakLimit(double speed, double acc, Kind kind);

    double DriveCurrent(double torqueOrForce) const;
    void FillCurvePass(double step);
    void FillCurrentandPLArraysForDrive();
    static double Point(const CurveArray& values, int intcnt);

    MotorPerformanceCheck& LinkedCheck() const;
    MotorThermalModel& LinkedThermal() const;

    void Add_Motor_Sheets(SpecWorkbook& book, int before, const std::string& number);
    void Write_Data_Sheets(SpecWorkbook& book, const std::string& MotorDataName,
                           const std::string& DriveDataName, const std::string& TSDataName,
                           const std::string& SpecsName);
    static void Set_Data_Sheets_Visible(SpecWorkbook& book, int motors);
    static bool Save_Spec_Workbook(const SpecWorkbook& book, const std::string& ValidFileName);

    int m_motorType = 0;    // 0 rotary, 1 linear, -1 rejected
    int m_driveVLModel = 0; // 0 analog six-state, 1 digital sine, -1 rejected

    MotorParameters m_motor;
    DriveParameters m_drive;
    TransistorParameters m_transistor;
    RefScalingParameters m_refScaling;
    SaturationCurve m_saturation;

    // Working values of the limit calculations.
    double m_voltageLimit = 0;
    double m_hotFactor = 0;
    double m_workFriction = 0;
    double m_workDamping = 0;

    LimitRecords m_rec;
    VLMemo m_vlMemo;
    CurveArrays m_curve;
    RatedValues m_rated;

    std::vector<int> m_messages;
    bool m_exitPretestOnErr = true;
    std::array<bool, 6> m_motFeedback{};
    std::array<bool, 6> m_ampFeedback{};

    MotorPerformanceCheck* m_check = nullptr;
    MotorThermalModel* m_thermal = nullptr;

    // Spec sheets. The family run's book and numbering; a single export keeps its own.
    ReferenceParameters m_reference;
    std::unique_ptr<SpecWorkbook> mobjExcelApp;
    std::int16_t mintFamSheetNumber = 0;
};

} // namespace Pulvane_V4
