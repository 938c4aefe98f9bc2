#include "sizing/MotorTSModel.h"

#include "sizing/DriveDataSheet.h"
#include "sizing/MessageSink.h"
#include "sizing/MotorDataSheet.h"
#include "sizing/MotorPerformanceCheck.h"
#include "sizing/MotorThermalModel.h"
#include "sizing/SizingError.h"
#include "sizing/SizingMath.h"
#include "sizing/SpecTemplate.h"
#include "sizing/SpecWorkbook.h"
#include "sizing/TypeText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>

namespace Pulvane_V4 {

using namespace SizingMath;

namespace {

constexpr const char* kTypeTitle = "Error in Motor type";

const std::array<const char*, 14> kPretestMessages = {
    " Fatal - The motor has a lower rated voltage than the Drive bus voltage.",
    " Fatal - The amplifier is too large for the motor.",
    " (FYI: The amplifier continuous current is lower than the motor rated current.)",
    " Fatal - The motor is too large for the amplifier.",
    " Fatal - The amplifier switching frequency is too low.",
    " Fatal - The required RMS torque is too high for this motor.",
    " Okay.",
    " Fatal - Motor and Drive Feedback is not Compatible.",
    " Fatal - Bus voltage too large for the amplifier.",
    " Fatal - Bus voltage too low for the amplifier.",
    " Fatal - Maximum torque margin was exceeded.",
    "Fatal - Ambient Temp is too Low.",
    "Fatal - Ambient Temp is too High.",
    "Fatal - Motor Type and Motion Type does not match",
};

enum PretestKey {
    kMotorVoltage = 0,
    kAmpTooLarge = 1,
    kFyiContCurrent = 2,
    kMotorTooLarge = 3,
    kSwitchingFrequency = 4,
    kRmsTooHigh = 5,
    kOkay = 6,
    kFeedback = 7,
    kBusTooLarge = 8,
    kBusTooLow = 9,
    kTorqueMargin = 10,
    kAmbientLow = 11,
    kAmbientHigh = 12,
    kMotionType = 13,
};

// Iterations of the older curve fill stop at this many passes per point.
constexpr int kMaxFillPasses = 10000;

constexpr const char* kSpecErrorTitle = "Error";
constexpr const char* kSpecCreationFailed =
    "Excel object creation failed in Pulvane.MotorTSModel.ExportExcelSpecSheet";
constexpr const char* kSpecSaveFailed = "A file of the same name is already open.\r\n"
                                        "This is preventing Pirkanda from Saving your file.\r\n"
                                        "Please close the file and try again.";

} // namespace

MotorTSModel::MotorTSModel()
{
    Init_Messages_And_Defaults();
}

MotorTSModel::~MotorTSModel() = default;

void MotorTSModel::Init_Messages_And_Defaults()
{
    m_motFeedback.fill(true);
    m_ampFeedback.fill(true);
    m_exitPretestOnErr = true;
    m_motorType = 0;
    m_driveVLModel = 0;
    m_messages.reserve(16);
}

// ---- Motor type and drive model ---------------------------------------------------------

bool MotorTSModel::IsaLinearMotor() const { return m_motorType == 1; }
bool MotorTSModel::IsaRotaryMotor() const { return m_motorType == 0; }
bool MotorTSModel::IsAnAnalogAmp() const { return m_driveVLModel == 0; }
bool MotorTSModel::IsADigitalAmp() const { return m_driveVLModel == 1; }

bool MotorTSModel::SetMotorTypeString(std::string& MotorType)
{
    TypeText::UpperCase(MotorType);
    m_motorType = TypeText::MotionType(MotorType);
    if (m_motorType >= 0)
        return true;
    ShowMessage("MotorTSModel: Invalid motor type Specified: " + MotorType, kTypeTitle);
    return false;
}

bool MotorTSModel::SetMotorTypeInt(int MotorType)
{
    if (MotorType == 0 || MotorType == 1) {
        m_motorType = MotorType;
        return true;
    }
    m_motorType = -1;
    ShowMessage("MotorTSModel: Invalid motor type Specified: " + std::to_string(MotorType), kTypeTitle);
    return false;
}

bool MotorTSModel::SetDriveVLModelString(std::string& DriveVoltageLimitModelType)
{
    std::string& t = DriveVoltageLimitModelType;
    TypeText::UpperCase(t);
    // "SINUSIODAL" is the spelling clients send.
    if (t == "WDL" || t == "DIGITAL" || t == "SINE" || t == "SINUSIODAL") {
        m_driveVLModel = 1;
        return true;
    }
    if (t == "VLK" || t == "VELMARIK" || t == "SIXSTATE" || t == "ANALOG") {
        m_driveVLModel = 0;
        return true;
    }
    m_driveVLModel = -1;
    ShowMessage("MotorTSModel: Invalid Drive Voltage Limit Model type Specified: " + t, kTypeTitle);
    return false;
}

bool MotorTSModel::SetDriveVLModelInt(int DriveVoltageLimitModel)
{
    if (DriveVoltageLimitModel == 0 || DriveVoltageLimitModel == 1) {
        m_driveVLModel = DriveVoltageLimitModel;
        return true;
    }
    m_driveVLModel = -1;
    ShowMessage("MotorTSModel: Invalid Drive Voltage Limit Model type Specified: "
                    + std::to_string(DriveVoltageLimitModel),
                kTypeTitle);
    return false;
}

std::string MotorTSModel::Version() const
{
    return "Servo Motor Torque-Speed and Thermal Model";
}

void MotorTSModel::SetRefScalingParmeters(
    double OrgTurns, double OrgAWG, const std::string& OrgMname, double OrgFill, double OrgNil,
    double OrgNwih, double OrgStatorLength, double OrgEndturnLength,
    const std::string& OrgPhaseOrientation, const std::string& OrgBundleOrientation,
    double NewTurns, double NewAWG, double NewFill, double NewNil, double NewNwih,
    double NewStatorLength, double NewEndturnLength, const std::string& NewPhaseOrientation,
    const std::string& NewBundleOrientation)
{
    m_refScaling = RefScalingParameters{OrgTurns, OrgAWG, OrgMname, OrgFill, OrgNil, OrgNwih,
                                        OrgStatorLength, OrgEndturnLength, OrgPhaseOrientation,
                                        OrgBundleOrientation, NewTurns, NewAWG, NewFill, NewNil,
                                        NewNwih, NewStatorLength, NewEndturnLength,
                                        NewPhaseOrientation, NewBundleOrientation};
}

// ---- Parameter setters --------------------------------------------------------------------

void MotorTSModel::SetMotorParameters(double Kb, double Rm, double Lm, double Vm, double Jm,
                                      double Rthwa, double Rthwc, double Bm, double Tfm, double Twr,
                                      double Tamb, double Wrmax, double Np, int Denable,
                                      int Aenable, double SpeedInc, double Rptc, double Pbl,
                                      double MaxIdIm, double MaxImId, double MaxTmargin,
                                      const std::string& MotorType)
{
    m_motor = MotorParameters{Kb, Rm, Lm, Vm, Rthwa, Rthwc, Bm, Tfm, Twr, Tamb, Wrmax, Np,
                              static_cast<double>(Denable), static_cast<double>(Aenable),
                              SpeedInc, Rptc, Pbl, MaxIdIm, MaxImId, MaxTmargin};
    mdblJm = Jm;
    m_voltageLimit = Vm;
    m_hotFactor = (Twr - Tamb) * kCopperCoeff + 1;
    std::string type = MotorType; // the caller's text stays as it was
    SetMotorTypeString(type);
}

void MotorTSModel::SetTransistorParameters(double Idsmax, double Rdscold, double Tjmax, double Jtc,
                                           double Rthjc, double Rthce)
{
    m_transistor = TransistorParameters{Idsmax, Rdscold, Tjmax, Jtc, Rthjc, Rthce};
}

void MotorTSModel::SetDriveParametersFull(double Vs, double Sf, double Iclim, double Iplim,
                                          double Tmamax, double Csf, double Rthec, double Rthse,
                                          double Rps)
{
    m_drive.Vs = Vs;
    m_drive.Sf = Sf;
    m_drive.Iclim = Iclim;
    m_drive.Iplim = Iplim;
    m_drive.Tmamax = Tmamax;
    m_drive.Csf = Csf;
    m_drive.Rthec = Rthec;
    m_drive.Rthse = Rthse;
    m_drive.Rps = Rps;
    m_voltageLimit = Vs;
}

void MotorTSModel::SetDriveParameters(double Vs, double Vsmax, double Vsmin, double Sf,
                                      double Iclim, double Iplim, double MaxContPower,
                                      double MaxPeakPower)
{
    m_drive.Vs = Vs;
    m_drive.Vsmax = Vsmax;
    m_drive.Vsmin = Vsmin;
    m_drive.Sf = Sf;
    m_drive.Iclim = Iclim;
    m_drive.Iplim = Iplim;
    m_drive.MaxContPower = MaxContPower;
    m_drive.MaxPeakPower = MaxPeakPower;
    m_voltageLimit = Vs;
}

void MotorTSModel::SetMotorPerformanceCheck(MotorPerformanceCheck& DLLPerformanceCheckIn)
{
    m_check = &DLLPerformanceCheckIn;
}

void MotorTSModel::SetMotorThermalModel(MotorThermalModel& DLLThermalModelIn)
{
    m_thermal = &DLLThermalModelIn;
}

MotorPerformanceCheck& MotorTSModel::LinkedCheck() const
{
    if (!m_check)
        throw SizingError("MotorTSModel: no performance check is linked");
    return *m_check;
}

MotorThermalModel& MotorTSModel::LinkedThermal() const
{
    if (!m_thermal)
        throw SizingError("MotorTSModel: no thermal model is linked");
    return *m_thermal;
}

// ---- Magnetic saturation ------------------------------------------------------------------

void MotorTSModel::SetMagneticSaturationParms(double Isat1, double Isat2, double Isat3,
                                              double TorqueSatPercent2X,
                                              double TorqueSatPercent3X, double SatNt,
                                              double effNt)
{
    m_saturation.Set(Isat1, Isat2, Isat3, TorqueSatPercent2X, TorqueSatPercent3X, SatNt, effNt);
}

double MotorTSModel::GetSatKtss_Nm(double IsixState) const
{
    return m_saturation.Ktss(m_motor.Kb, IsixState);
}

double MotorTSModel::GetSatKbss_vpradps(double IsixState) const
{
    return GetSatKtss_Nm(IsixState);
}

double MotorTSModel::GetSatKtsinepeak_Nm(double Isinepeak) const
{
    const double r = std::sqrt(3.0);
    return GetSatKtss_Nm(r * Isinepeak / 2) * r / 2;
}

double MotorTSModel::GetSatKtsinepeak_OzIn(double Isinepeak) const
{
    const double r = std::sqrt(3.0);
    return GetSatKtss_Nm(r * Isinepeak / 2) * (r * kOzInPerNm) / 2;
}

// ---- Torque and force limits ----------------------------------------------------------------

MotorTSModel::Terms MotorTSModel::CommonTerms(double speed, double acc, bool accelFlipsSign,
                                              Kind kind) const
{
    Terms t{speed, acc, 1.0, 0.0, 0.0};
    if (t.w < 0) {
        t.w = std::fabs(t.w);
        t.s = -1;
    }
    if (accelFlipsSign && t.a < 0)
        t.s = -t.s;
    if (t.a < 0)
        t.a = std::fabs(t.a);
    t.acc = -mdblJm * t.a;
    if (kind == Kind::Linear)
        t.fric = -t.s * (t.w * m_workDamping + m_workFriction);
    else // 3 w / (100 pi) is the speed in thousands of rpm
        t.fric = -t.s * (m_workDamping * 3 * t.w / 100 / kPi + m_workFriction);
    return t;
}

double MotorTSModel::HotResistance() const
{
    return (m_motor.Twr - 25) * (m_motor.Rm * kCopperCoeff) + m_motor.Rm;
}

double MotorTSModel::PmlDriveAndVoltage(const Terms& t, Kind kind) const
{
    if (kind == Kind::Linear)
        return std::fabs(t.fric * t.w) + m_motor.Pbl;
    return std::fabs(t.fric * t.w) / kOzInPerNm + m_motor.Pbl;
}

double MotorTSModel::PmlThermal(double w, Kind kind) const
{
    if (kind == Kind::Linear)
        return (w * m_workDamping + m_workFriction) * m_motor.Denable * w + m_motor.Pbl;
    return (m_workDamping * 30 * w / 1000 / kPi + m_workFriction) * m_motor.Denable * 30 * w
               / kOzInRpmPerW / kPi
           + m_motor.Pbl;
}

void MotorTSModel::Temperatures(double I, double R, double Pml, double& Tw, double& Tc) const
{
    const double Pcu = 3 * I * I * R / 4;
    Tc = (m_motor.Rthwa - m_motor.Rthwc) * (Pcu + Pml) + m_motor.Tamb;
    Tw = Pcu * m_motor.Rthwc + Tc;
}

// Six-state current that a thermal budget allows; a negative budget gives 0.
double MotorTSModel::ThermalCurrent6(double budgetTemp, double Pml, double Rhot) const
{
    constexpr const char* where = "MotorTSModel: thermal limit";
    double P = Div(Div(budgetTemp - (m_motor.Rthwa - m_motor.Rthwc) * Pml, Rhot, where),
                   m_motor.Rthwa, where);
    if (P < 0)
        P = 0;
    return std::sqrt(P);
}

// What the motor or drive can deliver at a sine-peak current: torque (rotary) or force (linear).
double MotorTSModel::Capability(double current, Kind kind) const
{
    if (kind == Kind::Linear) {
        const double Is = current * kSqrt3 / 2;
        return GetSatKbss_vpradps(Is) * Is;
    }
    return GetSatKtsinepeak_OzIn(current) * current;
}

double MotorTSModel::DLLimit(double speed, double acc, Kind kind)
{
    const Terms t = CommonTerms(speed, acc, true, kind);
    const double I = m_drive.Iclim;
    const double Tem = Capability(I, kind);
    m_rec.dlCurrent = I;
    Temperatures(I, HotResistance(), PmlDriveAndVoltage(t, kind), m_rec.dlTw, m_rec.dlTc);
    return Tem + t.fric + t.acc;
}

double MotorTSModel::CLLimit(double speed, double acc, Kind kind)
{
    const Terms t = CommonTerms(speed, acc, true, kind);
    const double I = m_drive.Iplim;
    const double Tem = Capability(I, kind);
    m_rec.clCurrent = I;
    return Tem + t.fric + t.acc;
}

// Torque (oz-in) or force of a six-state current in the thermal limits.
double MotorTSModel::ThermalTorque(double I6, Kind kind) const
{
    const double Tem = GetSatKbss_vpradps(I6) * I6;
    return kind == Kind::Rotary ? Tem * kOzInPerNm : Tem;
}

double MotorTSModel::PLLimit(double speed, double acc, Kind kind)
{
    const Terms t = CommonTerms(speed, acc, true, kind);
    const double Rhot = HotResistance();
    const double Pml = PmlThermal(t.w, kind);
    const double I6 = ThermalCurrent6(m_motor.Twr - m_motor.Tamb, Pml, Rhot);
    const double Tem = ThermalTorque(I6, kind);
    m_rec.plCurrent = 2 * I6 / kSqrt3;
    Temperatures(m_rec.plCurrent, Rhot, Pml, m_rec.plTw, m_rec.plTc);
    return Tem + t.fric + t.acc;
}

double MotorTSModel::RLLimit(double speed, double acc, Kind kind)
{
    const Terms t = CommonTerms(speed, acc, true, kind);
    const double Pml = PmlThermal(t.w, kind);
    const double I6 = ThermalCurrent6((m_motor.Twr - m_motor.Tamb) * m_motor.Rptc * m_motor.Rptc,
                                      Pml, HotResistance());
    const double Tem = ThermalTorque(I6, kind);
    m_rec.rlCurrent = 2 * I6 / kSqrt3;
    return Tem + t.fric + t.acc;
}

// Analog (six-state) voltage limit; a linear motor always uses it. No field weakening: the
// back EMF simply eats into the bus voltage. Four fixed-point passes, no convergence test.
double MotorTSModel::SixStateVLLimit(double speed, double acc, Kind kind)
{
    constexpr const char* where = "MotorTSModel: voltage limit";
    const Terms t = CommonTerms(speed, acc, false, kind);
    const double V = m_voltageLimit;
    const double hot = m_hotFactor;
    const double Rm = m_motor.Rm;
    m_rec.vlCurrent = 0;
    double x;
    if (kind == Kind::Linear)
        x = Div(Div(Div(m_motor.Lm * 2 * kPi * 1000 * t.w, m_motor.Np, where) / 4 / kPi, Rm, where),
                hot, where);
    else
        x = Div(Div(m_motor.Np * m_motor.Lm * t.w / 4 / kPi, Rm, where), hot, where);
    const double b = x * x + 1;
    double T = 0;
    for (int pass = 0; pass < 4; ++pass) {
        const double I = m_rec.vlCurrent;
        const double kb = GetSatKbss_vpradps(I);
        const double k = kind == Kind::Linear ? kb : GetSatKtsinepeak_OzIn(I);
        T = Div(Div(k * ((V - t.s * kb * t.w) / b), Rm, where), hot, where) + t.fric + t.acc;
        const double I6 = Div(2 * (T - t.fric - t.acc) / kSqrt3, kb, where);
        m_rec.vlCurrent = kind == Kind::Linear ? I6 : I6 / kOzInPerNm;
    }
    Temperatures(m_rec.vlCurrent, Rm * hot, PmlDriveAndVoltage(t, kind), m_rec.vlTw, m_rec.vlTc);
    return T;
}

// Digital (sine) voltage limit: the quadratic in the current, four fixed-point passes.
double MotorTSModel::SineVLLimit(double speed, double acc)
{
    constexpr const char* where = "MotorTSModel::GetDigitalVLTorqueAtRadsPerSec";
    const Terms t = CommonTerms(speed, acc, false, Kind::Rotary);
    const double V = m_voltageLimit;
    const double hot = m_hotFactor;
    const double Rm = m_motor.Rm;
    const double Np = m_motor.Np;
    const double Lm = m_motor.Lm;
    const double w = t.w;
    const double Rh = Rm * hot;
    m_rec.vlCurrent = 0;
    const double q = Np * Np * w * w * Lm * Lm / 16 + Rm * Rm * hot * hot / 4;
    double T = 0;
    for (int pass = 0; pass < 4; ++pass) {
        const double I = m_rec.vlCurrent;
        const double kb = GetSatKbss_vpradps(I);
        const double kt = GetSatKtsinepeak_OzIn(I);
        const double m = kb * Rh * t.s * w / std::sqrt(3.0);
        const double c = (kb * kb * w * w - V * V) / 3;
        const double d = m * m - 4 * q * c;
        if (d < 0)
            T = t.acc + t.fric;
        else
            T = Div(kt * (std::sqrt(d) - m) / 2, q, where) + t.fric + t.acc;
        m_rec.vlCurrent = Div(2 * (T - t.fric - t.acc) / kSqrt3, kb, where) / kOzInPerNm;
    }
    Temperatures(m_rec.vlCurrent, Rh, PmlDriveAndVoltage(t, Kind::Rotary), m_rec.vlTw, m_rec.vlTc);
    return T;
}

// Everything the voltage limits read (the saturation curve by its revision).
MotorTSModel::VLInputs MotorTSModel::VLInputsAt(double speed, double acc, Kind kind) const
{
    const MotorParameters& mp = m_motor;
    return {speed, acc, kind == Kind::Linear ? 1.0 : 0.0, static_cast<double>(m_driveVLModel), m_voltageLimit,
            m_hotFactor, mp.Rm, mp.Lm, mp.Np, mp.Kb, mdblJm, m_workDamping, m_workFriction, mp.Rthwa, mp.Rthwc,
            mp.Tamb, mp.Pbl, static_cast<double>(m_saturation.Revision())};
}

double MotorTSModel::VLLimit(double speed, double acc, Kind kind)
{
    const bool sixState = kind == Kind::Linear || IsAnAnalogAmp();
    if (!sixState && !IsADigitalAmp()) {
        ShowMessage("Error - Amplifier VoltageLimitModel Type is not set properly", "");
        return 0;
    }
    const VLInputs inputs = VLInputsAt(speed, acc, kind);
    // Bit for bit, so that 0 and -0 differ and a NaN matches itself.
    if (m_vlMemo.valid && std::memcmp(inputs.data(), m_vlMemo.inputs.data(), sizeof inputs) == 0) {
        m_rec.vlCurrent = m_vlMemo.current;
        m_rec.vlTw = m_vlMemo.tw;
        m_rec.vlTc = m_vlMemo.tc;
        return m_vlMemo.torque;
    }
    const double T = sixState ? SixStateVLLimit(speed, acc, kind) : SineVLLimit(speed, acc);
    m_vlMemo = VLMemo{inputs, true, T, m_rec.vlCurrent, m_rec.vlTw, m_rec.vlTc};
    return T;
}

double MotorTSModel::PowerLimit(double value, double speed, double acc, double maxPower,
                                Kind kind) const
{
    if (maxPower < 1)
        return value;
    constexpr const char* where = "MotorTSModel: power limit";
    const double scale = kind == Kind::Linear ? 1.0 : kOzInPerNm;
    const double Pacc = acc * mdblJm * speed / scale;
    const double Pa = maxPower - Pacc;
    const double Po = value * speed / scale;
    if (Po > Pa)
        return Div(Pa * scale, speed, where);
    return value;
}

double MotorTSModel::Limit_Cont_Power_Torque(double Torque, double SpeedRadsps,
                                             double AccRadspss) const
{
    return PowerLimit(Torque, SpeedRadsps, AccRadspss, m_drive.MaxContPower, Kind::Rotary);
}

double MotorTSModel::Limit_Cont_Power_Force(double Force, double Speed_mps, double Acc_mpss) const
{
    return PowerLimit(Force, Speed_mps, Acc_mpss, m_drive.MaxContPower, Kind::Linear);
}

bool MotorTSModel::TopSpeedExceeded(double speed, Kind kind) const
{
    const double top = kind == Kind::Linear ? m_motor.Wrmax + 0.00001
                                            : m_motor.Wrmax * kTwoPi / 60 + 0.00001;
    return top < std::fabs(speed);
}

double MotorTSModel::ContLimit(double speed, double acc, Kind kind)
{
    if (TopSpeedExceeded(speed, kind)) {
        m_rec.contCurrent = 0;
        m_rec.contTw = 0;
        m_rec.contTc = 0;
        m_rec.lastContTorque = 0;
        return 0;
    }
    const double vl = VLLimit(speed, acc, kind);
    const double pl = PLLimit(speed, acc, kind);
    const double dl = DLLimit(speed, acc, kind);
    double taken;
    if (vl < pl) {
        taken = vl;
        m_rec.contCurrent = m_rec.vlCurrent;
        m_rec.contTw = m_rec.vlTw;
        m_rec.contTc = m_rec.vlTc;
    } else {
        taken = pl;
        m_rec.contCurrent = m_rec.plCurrent;
        m_rec.contTw = m_rec.plTw;
        m_rec.contTc = m_rec.plTc;
    }
    if (dl < taken) {
        taken = dl;
        m_rec.contCurrent = m_rec.dlCurrent;
        m_rec.contTw = m_rec.dlTw;
        m_rec.contTc = m_rec.dlTc;
    }
    taken = kind == Kind::Linear ? Limit_Cont_Power_Force(taken, speed, acc)
                                 : Limit_Cont_Power_Torque(taken, speed, acc);
    m_rec.lastContTorque = taken;
    return taken;
}

double MotorTSModel::PeakLimit(double speed, double acc, Kind kind)
{
    if (TopSpeedExceeded(speed, kind)) {
        m_rec.lastPeakTorque = 0;
        return 0;
    }
    const double vl = VLLimit(speed, acc, kind);
    const double cl = CLLimit(speed, acc, kind);
    const double rl = RLLimit(speed, acc, kind);
    double taken = cl;
    double current = m_rec.clCurrent;
    if (vl < cl) {
        taken = vl;
        current = m_rec.vlCurrent;
    }
    if (rl < taken) {
        taken = rl;
        current = m_rec.rlCurrent;
    }
    m_rec.peakCurrent = current;
    taken = PowerLimit(taken, speed, acc, m_drive.MaxPeakPower, kind);
    m_rec.lastPeakTorque = taken;
    return taken;
}

double MotorTSModel::GetContCurrent(double Speed, double Acc)
{
    if (IsaLinearMotor())
        GetContForce(Speed, Acc);
    else
        GetContTorque(Speed, Acc);
    return m_rec.contCurrent;
}

double MotorTSModel::GetPeakCurrent(double Speed, double Acc)
{
    if (IsaLinearMotor())
        GetPeakForce(Speed, Acc);
    else
        GetPeakTorque(Speed, Acc);
    return m_rec.peakCurrent;
}

double MotorTSModel::GetContTorque(double SpeedRadsps, double AccRadspss)
{
    return ContLimit(SpeedRadsps, AccRadspss, Kind::Rotary);
}

double MotorTSModel::GetPeakTorque(double SpeedRadsps, double AccRadspss)
{
    return PeakLimit(SpeedRadsps, AccRadspss, Kind::Rotary);
}

double MotorTSModel::GetDLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss)
{
    return DLLimit(SpeedRadsps, AccRadspss, Kind::Rotary);
}

double MotorTSModel::GetPLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss)
{
    return PLLimit(SpeedRadsps, AccRadspss, Kind::Rotary);
}

double MotorTSModel::GetRLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss)
{
    return RLLimit(SpeedRadsps, AccRadspss, Kind::Rotary);
}

double MotorTSModel::GetCLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss)
{
    return CLLimit(SpeedRadsps, AccRadspss, Kind::Rotary);
}

double MotorTSModel::GetDPPLTorqueAtRadsPerSec(double ShaftTorque, double SpeedRadsps,
                                               double AccRadspss)
{
    return PowerLimit(ShaftTorque, SpeedRadsps, AccRadspss, m_drive.MaxPeakPower, Kind::Rotary);
}

double MotorTSModel::GetVLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss)
{
    return VLLimit(SpeedRadsps, AccRadspss, Kind::Rotary);
}

double MotorTSModel::GetAnalogVLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss)
{
    return SixStateVLLimit(SpeedRadsps, AccRadspss, Kind::Rotary);
}

double MotorTSModel::GetDigitalVLTorqueAtRadsPerSec(double SpeedRadsps, double AccRadspss)
{
    return SineVLLimit(SpeedRadsps, AccRadspss);
}

double MotorTSModel::GetContForce(double Speed_mps, double Acc_mpss)
{
    return ContLimit(Speed_mps, Acc_mpss, Kind::Linear);
}

double MotorTSModel::GetPeakForce(double Speed_mps, double Acc_mpss)
{
    return PeakLimit(Speed_mps, Acc_mpss, Kind::Linear);
}

double MotorTSModel::GetDLForceAtMPerSec(double Speed_mps, double Acc_mpss)
{
    return DLLimit(Speed_mps, Acc_mpss, Kind::Linear);
}

double MotorTSModel::GetPLForceAtMPerSec(double Speed_mps, double Acc_mpss)
{
    return PLLimit(Speed_mps, Acc_mpss, Kind::Linear);
}

double MotorTSModel::GetRLForceAtMPerSec(double Speed_mps, double Acc_mpss)
{
    return RLLimit(Speed_mps, Acc_mpss, Kind::Linear);
}

double MotorTSModel::GetCLForceAtMPerSec(double Speed_mps, double Acc_mpss)
{
    return CLLimit(Speed_mps, Acc_mpss, Kind::Linear);
}

double MotorTSModel::GetDPPLForceAtMPerSec(double carForce, double Speed_mps, double Acc_mpss)
{
    return PowerLimit(carForce, Speed_mps, Acc_mpss, m_drive.MaxPeakPower, Kind::Linear);
}

double MotorTSModel::GetVLForceAtMPerSec(double Speed_mps, double Acc_mpss)
{
    return SixStateVLLimit(Speed_mps, Acc_mpss, Kind::Linear);
}

// ---- Compatibility pretest ----------------------------------------------------------------

void MotorTSModel::ExitPretestOnErr() { m_exitPretestOnErr = true; }
void MotorTSModel::DontExitPretestOnErr() { m_exitPretestOnErr = false; }

bool MotorTSModel::CheckMotorAndAmpFeedbackComp() const
{
    for (std::size_t k = 0; k < m_motFeedback.size(); ++k)
        if (m_motFeedback[k] && m_ampFeedback[k])
            return true;
    return false;
}

void MotorTSModel::SetMotFeedbackComp(bool bolIncEncFeedback, bool bolResFeedback, bool bolRendat,
                                      bool bolEndat, bool bolSincos, bool bolHallOnly)
{
    m_motFeedback = {bolIncEncFeedback, bolResFeedback, bolRendat, bolEndat, bolSincos, bolHallOnly};
}

void MotorTSModel::SetAmpFeedbackComp(bool bolIncEncFeedback, bool bolResFeedback, bool bolRendat,
                                      bool bolEndat, bool bolSincos, bool bolHallOnly)
{
    m_ampFeedback = {bolIncEncFeedback, bolResFeedback, bolRendat, bolEndat, bolSincos, bolHallOnly};
}

void MotorTSModel::GetMessages(std::string& strReturnMessage) const
{
    std::string text;
    for (int key : m_messages) {
        text += kPretestMessages[static_cast<std::size_t>(key)];
        text += "\r\n";
    }
    strReturnMessage = text;
}

void MotorTSModel::Add_Message(int key)
{
    m_messages.push_back(key);
}

// Records a fatal finding; true when the pretest has to stop here.
bool MotorTSModel::Finding(int key, bool& result)
{
    Add_Message(key);
    result = false;
    return m_exitPretestOnErr;
}

bool MotorTSModel::PretestLimits()
{
    constexpr const char* where = "MotorTSModel::PretestLimits";
    const MotorParameters& mp = m_motor;
    const DriveParameters& dp = m_drive;

    const double hot = 1 + kCopperCoeff * (mp.Twr - 25);
    m_hotFactor = hot;
    m_workFriction = mp.Tfm;
    m_workDamping = mp.Bm;
    m_voltageLimit = dp.Vs;
    m_rec.lastContTorque = 0;
    m_rec.lastPeakTorque = 0;
    m_messages.clear();
    bool result = true;

    if (!CheckMotorAndAmpFeedbackComp() && Finding(kFeedback, result))
        return false;
    MotorPerformanceCheck& check = LinkedCheck();
    if (IsaLinearMotor() != check.IsaLinearProfile() && Finding(kMotionType, result))
        return false;
    if (mp.Vm * 1.1 < dp.Vs && Finding(kMotorVoltage, result))
        return false;

    // Thermal current at an ambient, from the budget left after the average mechanical loss.
    auto thermalCurrent = [&](double Ta) {
        double P = Div((mp.Twr - Ta) - (mp.Rthwa - mp.Rthwc) * check.GetAvePml(), mp.Rthwa, where);
        if (P < 0)
            P = 0;
        return Sqrt(Div(4 * P, 3 * hot * mp.Rm, where), where);
    };
    const bool linear = IsaLinearMotor();
    const Kind kind = linear ? Kind::Linear : Kind::Rotary;
    const double I1 = thermalCurrent(mp.Tamb);
    const double I2 = thermalCurrent(25);
    const double Mc = Capability(I1, kind);
    const double Mp = Capability(I1 * mp.Rptc, kind);
    const double Mc25 = Capability(I2, kind);
    const double Dc = Capability(dp.Iclim, kind);
    const double Dp = Capability(dp.Iplim, kind);
    const double R = linear ? check.GetRMSForce() + check.GetRMSInertialForce()
                            : check.GetRMSTorque() + check.GetRMSInertialTorq();

    if (!linear)
        m_rec.lastPeakTorque = std::min(Mp, Dp);
    if (Dp > Mp) {
        if (Mp * mp.MaxIdIm < Dp && Finding(kAmpTooLarge, result))
            return false;
    } else if (Dp * mp.MaxImId < Mp && Finding(kMotorTooLarge, result)) {
        return false;
    }

    double Cc;
    if (Dc > Mc) {
        Cc = Mc;
        if (!linear)
            m_rec.lastContTorque = Cc;
        if (Mc * mp.MaxIdIm < Dc && Mc25 * mp.MaxIdIm < Dc && Finding(kAmpTooLarge, result))
            return false;
    } else {
        Cc = Dc;
        if (!linear)
            m_rec.lastContTorque = Cc;
        Add_Message(kFyiContCurrent); // informs only, never stops the pretest
        if (Dc * mp.MaxImId < Mc && Dc * mp.MaxImId < Mc25 && Finding(kMotorTooLarge, result))
            return false;
    }

    if (R > Cc && Finding(kRmsTooHigh, result))
        return false;
    if (!linear && R != 0 && Div(Cc, mp.MaxTmargin, where) > R && Finding(kTorqueMargin, result))
        return false;
    if (Div(Div(Div(dp.Vs, I1, where), mp.Lm, where), 2.8, where) > dp.Sf
        && Finding(kSwitchingFrequency, result))
        return false;
    if (dp.Vs > dp.Vsmax && Finding(kBusTooLarge, result))
        return false;
    if (dp.Vs < dp.Vsmin && Finding(kBusTooLow, result))
        return false;
    const MotorThermalModel& thermal = LinkedThermal();
    if (mp.Tamb > thermal.mdblTcMax && Finding(kAmbientHigh, result))
        return false;
    if (mp.Tamb < thermal.mdblTcMin && Finding(kAmbientLow, result))
        return false;
    if (result)
        Add_Message(kOkay);
    return result;
}

// ---- Curve arrays and rated values ----------------------------------------------------------

void MotorTSModel::FillCurvePass(double step)
{
    const bool linear = IsaLinearMotor();
    for (int i = 0; i < 40; ++i) {
        const double w = i * step;
        m_curve.speed[i] = w;
        if (linear) {
            m_curve.cont[i] = GetContForce(w, 0);
            m_curve.peak[i] = GetPeakForce(w, 0);
            m_curve.contPower[i] = w * m_curve.cont[i];
        } else {
            m_curve.cont[i] = GetContTorque(w, 0);
            m_curve.peak[i] = GetPeakTorque(w, 0);
            m_curve.contPower[i] = w * m_curve.cont[i] / kOzInPerNm;
        }
    }
}

void MotorTSModel::FillTSCurveArrays()
{
    const bool linear = IsaLinearMotor();
    if (m_motor.Wrmax < 0.0001)
        m_motor.Wrmax = linear ? 5 : 5000;
    const double Wrmax = m_motor.Wrmax;
    FillCurvePass(linear ? Wrmax / 38 : Wrmax / 38 * kPi / 30);

    // Last grid speed with positive peak torque (rpm, or m/s).
    double lastPositive = 0;
    for (int i = 0; i < 40; ++i)
        if (m_curve.peak[i] > 0)
            lastPositive = linear ? m_curve.speed[i] : m_curve.speed[i] * 30 / kPi;
    // A peak curve that ends below two thirds of the top speed gets a finer grid.
    if (lastPositive > 0 && 2 * Wrmax / 3 > lastPositive)
        FillCurvePass(linear ? lastPositive / 36 : lastPositive / 36 * kPi / 30);

    const double topSpeed = linear ? Wrmax : Wrmax * kPi / 30;
    int k = 0;
    double best = m_curve.contPower[0];
    for (int i = 0; i < 40; ++i) {
        if (m_curve.contPower[i] > best && m_curve.speed[i] < topSpeed) {
            k = i;
            best = m_curve.contPower[i];
        }
    }
    m_rated.torque = linear ? GetContForce(m_curve.speed[k], 0) : GetContTorque(m_curve.speed[k], 0);
    m_rated.speed = m_curve.speed[k];
    mdblRatedSpeed = m_rated.speed;
    m_rated.power = m_curve.contPower[k];
    m_rated.current = m_rec.contCurrent;
    m_rated.tw = m_rec.contTw;
    m_rated.tc = m_rec.contTc;
}

void MotorTSModel::FillTSCurveArrays_old()
{
    constexpr const char* where = "MotorTSModel::FillTSCurveArrays_old";
    CurveArrays& c = m_curve;
    for (int i = 0; i <= 40; ++i)
        c.speed[i] = i * m_motor.SpeedInc * kPi / 30;
    if (m_motor.Aenable == 1)
        FillCurrentandPLArraysForDrive();
    else
        FillCurrentandPLArraysForStdMotor();

    const double Kb = m_motor.Kb;
    const double topSpeed = m_motor.Wrmax * kTwoPi / 60;
    int k = 0;
    int j = 0;
    double bestCont = 0;
    double bestPeak = 0;
    for (int i = 0; i <= 40; ++i) {
        const double w = c.speed[i];
        c.friction[i] = m_workDamping * 30 * w / 1000 / kPi + m_workFriction;
        c.contCurrentTorque[i] = Kb * 122.6256 * c.contI[i]; // 122.6256 = 141.6 x 0.866
        c.peakCurrentTorque[i] = Kb * 122.6256 * c.peakI[i];
        // Voltage headroom over the loop impedance, turned into torque with the same sine-peak
        // torque constant as the current torques.
        const double x = Div(m_motor.Np * m_motor.Lm * w,
                             m_motor.Rm * 12.5663708 * m_hotFactor + m_drive.Rps, where);
        const double headroom = (m_voltageLimit - w * Kb) / (1 + x * x);
        c.vlTorque[i] = Div(Kb * 122.6256 * headroom, m_motor.Rm * m_hotFactor + m_drive.Rps, where);
        c.cont[i] = (c.vlTorque[i] < c.contCurrentTorque[i] ? c.vlTorque[i] : c.contCurrentTorque[i])
                    - c.friction[i];
        c.peak[i] = (c.vlTorque[i] < c.peakCurrentTorque[i] ? c.vlTorque[i] : c.peakCurrentTorque[i])
                    - c.friction[i];
        c.contPower[i] = w * 60 * c.cont[i] / 1352.18 / 2 / kPi;
        c.peakPower[i] = w * 60 * c.peak[i] / 1352.18 / 2 / kPi;
        if (w <= topSpeed) {
            if (c.contPower[i] > bestCont) {
                bestCont = c.contPower[i];
                k = i;
            }
            if (c.peakPower[i] > bestPeak) {
                bestPeak = c.peakPower[i];
                j = i;
            }
        }
    }
    m_rated.speed = c.speed[k] * 60 / 2 / kPi;
    m_rated.torque = c.cont[k];
    m_rated.maxContInputPower = c.contPower[k] + c.pml[k] + c.psl[k] + c.ptl[k] + c.prl[k];
    m_rated.maxPeakInputPower = c.peakPower[j] + c.pml[j] + c.psl[j]
                                + (c.prl[j] + c.ptl[j]) * (m_motor.Rptc * m_motor.Rptc);
}

// Continuous and peak current per grid point from a winding-temperature iteration; each point
// starts from the previous point's current and resistance.
void MotorTSModel::FillCurrentandPLArraysForStdMotor()
{
    constexpr const char* where = "MotorTSModel::FillCurrentandPLArraysForStdMotor";
    const MotorParameters& mp = m_motor;
    CurveArrays& c = m_curve;
    double R = m_hotFactor * mp.Rm;
    double I = 0;
    for (int i = 0; i < kCurvePoints; ++i) {
        const double w = c.speed[i];
        c.pml[i] = PmlThermal(w, Kind::Rotary);
        c.psl[i] = 0;
        double Iold, Prl, Tw, Ipk;
        int passes = 0;
        do {
            if (++passes > kMaxFillPasses)
                Fail(where, "the winding temperature does not settle");
            Iold = I;
            Prl = Iold * Iold * R;
            Tw = (Prl + c.pml[i]) * (mp.Rthwa - mp.Rthwc) + Prl * mp.Rthwc + mp.Tamb;
            R = mp.Rm * kCopperCoeff * (Tw - 25) + mp.Rm;
            double P = Div(Div((mp.Twr - mp.Tamb) - (mp.Rthwa - mp.Rthwc) * c.pml[i], R, where),
                           mp.Rthwa, where);
            if (P < 0)
                P = 0;
            I = std::sqrt(P);
            Ipk = std::sqrt(P) * mp.Rptc;
            if (I > m_drive.Iclim * 0.866)
                I = m_drive.Iclim * 0.866;
        } while (!(0.99999 * Iold <= I && I <= 1.00001 * Iold));
        c.contI[i] = I / 0.866;
        c.peakI[i] = Ipk > m_drive.Iplim * 0.866 ? m_drive.Iplim : Ipk / 0.866;
        c.prl[i] = Prl;
        c.tw[i] = Tw;
        c.tc[i] = (mp.Rthwa - mp.Rthwc) * (Prl + c.pml[i]) + mp.Tamb;
        c.ptl[i] = 0;
        c.te[i] = 0;
        c.ts[i] = 0;
        c.tj[i] = 0;
    }
}

// The same per-point iteration with the drive's output transistors in the heat balance: the
// continuous current is the one at which the drive reaches its highest temperature.
void MotorTSModel::FillCurrentandPLArraysForDrive()
{
    constexpr const char* where = "MotorTSModel::FillCurrentandPLArraysForDrive";
    const MotorParameters& mp = m_motor;
    const DriveParameters& dp = m_drive;
    const TransistorParameters& tp = m_transistor;
    CurveArrays& c = m_curve;
    double R = mp.Rm;
    double Rds = tp.Rdscold;
    double I = 0;
    for (int i = 0; i < kCurvePoints; ++i) {
        const double w = c.speed[i];
        c.pml[i] = PmlThermal(w, Kind::Rotary);
        c.psl[i] = dp.Csf * (m_voltageLimit * m_voltageLimit) * dp.Sf;
        const double Psl = c.psl[i];
        double Iold, Pcu, Pt, Tw, Tj, Ipk;
        int passes = 0;
        do {
            if (++passes > kMaxFillPasses)
                Fail(where, "the drive temperature does not settle");
            Iold = I;
            Pcu = Iold * Iold * R;
            Pt = Iold * Iold * Rds;
            Tw = dp.Tmamax + Pcu * mp.Rthwc - 2 * dp.Rthec * (Pt + Psl);
            Tj = dp.Tmamax + (Pt + Psl) * (tp.Rthjc + tp.Rthce);
            R = mp.Rm * (1 + kCopperCoeff * (Tw + 25));
            Rds = tp.Rdscold * (1 + tp.Jtc * (Tj + 25));
            double P = Div(Div(dp.Tmamax - mp.Tamb - 2 * dp.Rthec * (Pt + Psl), mp.Rthwa - mp.Rthwc, where)
                               - c.pml[i] - 2 * Psl,
                           R + 2 * Rds, where);
            if (P < 0)
                P = 0;
            I = std::sqrt(P);
            Ipk = std::sqrt(P) * mp.Rptc;
            if (I > dp.Iclim * 0.866)
                I = dp.Iclim * 0.866;
        } while (!(0.9999 * Iold <= I && I <= 1.0001 * Iold));
        c.contI[i] = I / 0.866;
        c.peakI[i] = Ipk > dp.Iplim * 0.866 ? dp.Iplim : Ipk / 0.866;
        c.prl[i] = Pcu;
        c.ptl[i] = Pt;
        c.tc[i] = mp.Tamb + (mp.Rthwa - mp.Rthwc) * (Pcu + c.pml[i] + 2 * Pt + 2 * Psl);
        c.tw[i] = Tw;
        c.te[i] = c.tc[i] + 2 * dp.Rthec * (Pt + Psl);
        c.ts[i] = c.tc[i] + 2 * (dp.Rthec + dp.Rthse) * (Pt + Psl);
        c.tj[i] = Tj;
    }
}

double MotorTSModel::Point(const CurveArray& values, int intcnt)
{
    if (intcnt < 0 || intcnt > 40)
        return -1;
    return values[static_cast<std::size_t>(intcnt)];
}

double MotorTSModel::GetWrated() const { return m_rated.speed; }
double MotorTSModel::GetTrated() const { return m_rated.torque; }
double MotorTSModel::GetMaxPeakInputPower() const { return m_rated.maxPeakInputPower; }
double MotorTSModel::GetMaxContInputPower() const { return m_rated.maxContInputPower; }
double MotorTSModel::GetIrated() const { return m_rated.current; }
double MotorTSModel::GetVlim() const { return m_voltageLimit; }
double MotorTSModel::GetSpeedPoint(int intcnt) const { return Point(m_curve.speed, intcnt); }
double MotorTSModel::GetContTorqPoint(int intcnt) const { return Point(m_curve.cont, intcnt); }
double MotorTSModel::GetPeakTorqPoint(int intcnt) const { return Point(m_curve.peak, intcnt); }
double MotorTSModel::GetPmlPoint(int intcnt) const { return Point(m_curve.pml, intcnt); }
double MotorTSModel::GetPrlPoint(int intcnt) const { return Point(m_curve.prl, intcnt); }
double MotorTSModel::GetPtlPoint(int intcnt) const { return Point(m_curve.ptl, intcnt); }
double MotorTSModel::GetPslPoint(int intcnt) const { return Point(m_curve.psl, intcnt); }
double MotorTSModel::GetTcPoint(int intcnt) const { return Point(m_curve.tc, intcnt); }
double MotorTSModel::GetTwPoint(int intcnt) const { return Point(m_curve.tw, intcnt); }
double MotorTSModel::GetTePoint(int intcnt) const { return Point(m_curve.te, intcnt); }
double MotorTSModel::GetTsPoint(int intcnt) const { return Point(m_curve.ts, intcnt); }
double MotorTSModel::GetTjPoint(int intcnt) const { return Point(m_curve.tj, intcnt); }
double MotorTSModel::GetContIPoint(int intcnt) const { return Point(m_curve.contI, intcnt); }
double MotorTSModel::GetPeakIPoint(int intcnt) const { return Point(m_curve.peakI, intcnt); }

// ---- Losses and steady state --------------------------------------------------------------

// Mechanical loss from the parameters themselves (not the pretest's working copies).
double MotorTSModel::GetPml(double SpeedRPM_mps) const
{
    const double s = SpeedRPM_mps;
    if (IsaLinearMotor())
        return (m_motor.Bm * s + m_motor.Tfm) * m_motor.Denable * s + m_motor.Pbl;
    return ((m_motor.Bm * s / 1000 + m_motor.Tfm) * m_motor.Denable * s) / kOzInRpmPerW + m_motor.Pbl;
}

// Current for a torque or force: six passes, each with the constant at the previous estimate.
double MotorTSModel::DriveCurrent(double torqueOrForce) const
{
    const bool linear = IsaLinearMotor();
    double I = 0;
    for (int pass = 0; pass < 6; ++pass) {
        const double K = linear ? GetSatKbss_vpradps(I) : kOzInPerNm * GetSatKbss_vpradps(I);
        I = Div(torqueOrForce, K, "MotorTSModel: current for a load");
    }
    return I;
}

double MotorTSModel::GetPrl(double TorqForce_OzIn_N, double TwCel) const
{
    const double I = DriveCurrent(TorqForce_OzIn_N);
    const double Rhot = m_motor.Rm * kCopperCoeff * (TwCel - 25) + m_motor.Rm;
    return I * I * Rhot;
}

double MotorTSModel::CalcSteadtStateCurrent(double RMSTorqForce_OzIn_N) const
{
    return DriveCurrent(RMSTorqForce_OzIn_N);
}

// Closed-form steady state of Tw = 25 + (Rthwa - Rthwc) Pml + Rthwa Prl(Tw). The ambient is
// fixed at 25 degrees C here, whatever Tamb says: the averages are compared at that ambient.
double MotorTSModel::CalcSteadyStateTemp(double& TwAve, double& TcAve, double RMSTorqForce_OzIn_N,
                                         double AvePml) const
{
    const MotorParameters& mp = m_motor;
    const double I = CalcSteadtStateCurrent(RMSTorqForce_OzIn_N);
    const double P25 = I * I * mp.Rm;
    const double N = 25 + (mp.Rthwa - mp.Rthwc) * AvePml + 0.90175 * P25 * mp.Rthwa;
    const double D = 1 - kCopperCoeff * P25 * mp.Rthwa;
    if (D <= 1e-6) {
        // Thermal runaway: the loss grows with temperature faster than the motor sheds it.
        TwAve = 10000;
        TcAve = 10000;
    } else {
        TwAve = N / D;
        TcAve = TwAve - (1 + kCopperCoeff * (TwAve - 25)) * P25 * mp.Rthwc;
    }
    return 0;
}

// ---- Spec sheets ----------------------------------------------------------------------------

void MotorTSModel::SetReferenceParameters(const std::string& Dname, const std::string& Mname,
                                          const std::string& WindNum,
                                          const std::string& ThermCondition, double Lmax,
                                          double Lmin, double Weight, double BrakeWeight,
                                          double BrakeInertia, double TwMax)
{
    m_reference = ReferenceParameters{Dname, Mname, WindNum, ThermCondition, Lmax, Lmin,
                                      Weight, BrakeWeight, BrakeInertia, TwMax};
}

// Nothing to start: the library writes its work books itself.
bool MotorTSModel::Load_Excel_App(std::unique_ptr<SpecWorkbook>& objExcelApp)
{
    try {
        objExcelApp = std::make_unique<SpecWorkbook>();
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool MotorTSModel::ExportExcelSpecSheet(const std::string& ValidFileName)
{
    // A book and numbering of its own, so that a family run in progress is left alone.
    std::unique_ptr<SpecWorkbook> book;
    if (!Load_Excel_App(book)) {
        ShowMessage(kSpecCreationFailed, kSpecErrorTitle);
        return false;
    }
    try {
        book->OpenWorkBook(IsaRotaryMotor() ? SpecTemplate::kRotaryWorkBook
                                            : SpecTemplate::kLinearWorkBook);
        Add_Motor_Sheets(*book, 1, "1");
        if (mbolHideSheets)
            Set_Data_Sheets_Visible(*book, 1);
    } catch (const std::exception&) {
        return false;
    }
    return Save_Spec_Workbook(*book, ValidFileName);
}

void MotorTSModel::OpenExcelFamSpecSheet()
{
    mintFamSheetNumber = 0;
    mobjExcelApp.reset();
}

bool MotorTSModel::ExportExcelFamSpecSheet()
{
    try {
        if (mintFamSheetNumber == 0) {
            mintFamSheetNumber = 1;
            if (!Load_Excel_App(mobjExcelApp)) {
                ShowMessage(kSpecCreationFailed, kSpecErrorTitle);
                return false;
            }
            // The family's work book follows its first motor.
            mobjExcelApp->OpenWorkBook(IsaRotaryMotor() ? SpecTemplate::kRotaryWorkBook
                                                        : SpecTemplate::kLinearWorkBook);
        }
        if (!mobjExcelApp)
            throw SizingError("Spec sheet: the family work book is gone; open a new family");
        const int k = mintFamSheetNumber;
        // Sheet positions are 16-bit numbers, and 4 k overflows before the 3 comes off.
        if (4 * k > INT16_MAX)
            throw SizingError("Spec sheet: too many motors in one family");
        Add_Motor_Sheets(*mobjExcelApp, 4 * k - 3, std::to_string(k));
        mintFamSheetNumber = static_cast<std::int16_t>(k + 1);
        return true;
    } catch (const std::exception&) {
        mobjExcelApp.reset();
        return false;
    }
}

void MotorTSModel::CloseExcelFamSpecSheet(const std::string& ValidFileName)
{
    if (mobjExcelApp && !ValidFileName.empty()) {
        if (mbolHideSheets)
            Set_Data_Sheets_Visible(*mobjExcelApp, mintFamSheetNumber - 1);
        if (!Save_Spec_Workbook(*mobjExcelApp, ValidFileName)) {
            mobjExcelApp.reset(); // the numbering stays, as after a failed export
            return;
        }
    }
    mintFamSheetNumber = 0;
    mobjExcelApp.reset();
}

// Moves a template's sheets in before sheet `before`, numbers them and fills them.
void MotorTSModel::Add_Motor_Sheets(SpecWorkbook& book, int before, const std::string& number)
{
    book.MoveTemplateBefore(IsaRotaryMotor() ? SpecTemplate::kRotaryTemplate
                                             : SpecTemplate::kLinearTemplate,
                            before);
    const std::string specs = "Specs" + number;
    const std::string motor = "MotorData" + number;
    const std::string drive = "DriveData" + number;
    const std::string curve = "TSData" + number;
    book.Rename("Specs", specs);
    book.Select(specs);
    book.Sheet(specs).SetText("J7", curve);
    book.Rename("MotorData", motor);
    book.Rename("DriveData", drive);
    book.Rename("TSData", curve);
    Write_Data_Sheets(book, motor, drive, curve, specs);
}

void MotorTSModel::Write_Data_Sheets(SpecWorkbook& book, const std::string& MotorDataName,
                                     const std::string& DriveDataName,
                                     const std::string& TSDataName, const std::string& SpecsName)
{
    MotorDataSheet motorSheet(*this, book);
    if (IsaLinearMotor())
        motorSheet.Write_Linear_Motor_Data_Sheet(MotorDataName, TSDataName);
    else
        motorSheet.Write_Rotary_Motor_Data_Sheet(MotorDataName, TSDataName);
    DriveDataSheet(*this, book).Write_Drive_Data_Sheet(DriveDataName);
    book.Select(SpecsName);
}

// Hides the data sheets of motors 1 to `motors`; the Specs sheets stay visible.
void MotorTSModel::Set_Data_Sheets_Visible(SpecWorkbook& book, int motors)
{
    for (int i = 1; i <= motors; ++i)
        for (const char* name : {"MotorData", "DriveData", "TSData"})
            book.Sheet(name + std::to_string(i)).hidden = true;
    book.Select(1);
}

bool MotorTSModel::Save_Spec_Workbook(const SpecWorkbook& book, const std::string& ValidFileName)
{
    if (book.SaveAs(ValidFileName))
        return true;
    ShowMessage(kSpecSaveFailed, kSpecErrorTitle);
    return false;
}

} // namespace Pulvane_V4
