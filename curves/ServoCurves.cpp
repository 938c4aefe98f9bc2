#include "curves/ServoCurves.h"

#include "curves/CChangeUnits.h"
#include "curves/CurveDatabase.h"
#include "curves/CurveNotFound.h"
#include "curves/CurveNumbers.h"
#include "curves/CurveTable.h"
#include "curves/ServoCurveData.h"
#include "curves/frmCurve.h"
#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "sizing/MotorModelACX.h"

#include <QChartView>
#include <QLabel>
#include <QPlainTextEdit>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace ServoCurves {

using namespace ServoCurveData;

namespace {

// The main window's control, asked again for every call: no model object is kept.
Pulvane_V4::MotorModelACX& SOCX()
{
    Pulvane_V4::MotorModelACX* control = Globals::SOCX();
    if (!control)
        throw std::runtime_error("The sizing control is not available.");
    return *control;
}

frmCurve* Curve_Window()
{
    return Forms::get<frmCurve>();
}

void Load_Motor_Into_Sizing_Model()
{
    ServoMotorRecord& m = Servo_Motor;
    m.TwoPiKb = (m.MotorKb + m.MotorKb) * 3.14159;
    const double wrmax = m.EncoderMaxSpeed < m.MaxSpeed ? m.EncoderMaxSpeed * 60 : m.MaxSpeed * 60;
    SOCX().DLLMotor().SetMotorParameters(
        m.MotorKb, m.WindingResistance, (m.MaxInductance + m.MinInductance) / 1000 / 2, m.MotorMaxBusVoltage,
        m.Inertia * 141.612, m.WindingThermalResistance + m.MotorThermalResistance, m.WindingThermalResistance,
        m.Damping, m.Friction, m.RatedWindingTemp, 25.0, wrmax, static_cast<double>(m.MotorPoles), 1, 0, 100.0,
        m.MotorRptc, 0.0, 1.0E10, 1.0E10, 1.0E10, "Rotary");
    const ServoFeedbackKinds& f = m.Feedback;
    SOCX().DLLMotor().SetMotFeedbackComp(f.IncEncFeedback, f.ResFeedback, f.Rendat, f.Endat, f.SinCos, f.HallOnly);
    SOCX().DLLThermalModel().SetThermalControls(true, false);
    SOCX().DLLThermalModel().SetThermalParameters(m.WindingThermalResistance + m.MotorThermalResistance,
                                                  m.WindingThermalResistance, m.WindingThermalTimeConstant * 60,
                                                  m.MotorThermalTimeConstant * 60);
    SOCX().DLLThermalModel().SetTemperatureLimits(m.RatedWindingTemp, 25.0, m.MotorMaxWindingTemp,
                                                  m.MotorMaxCaseTemp, m.MotorMinCaseTemp);
    SOCX().DLLThermalModel().SetThermalConditions(0, 0, 0, 0, 25.0);
    SOCX().DLLThermalModel().SetDtRatio(20.0);
}

void Load_Drive_Into_Sizing_Model(double Voltage)
{
    const ServoDriveRecord& d = Servo_Drive;
    // Amplifier voltages not given as DC are RMS values.
    const bool dc = d.UnitsofVoltage == QLatin1String("VDC");
    const double vsmax = dc ? d.VsMaxAmplifier : d.VsMaxAmplifier * 1.414;
    const double vsmin = dc ? d.VsMinAmplifier : d.VsMinAmplifier * 1.414;
    SOCX().DLLMotor().SetDriveParameters(Voltage, vsmax, vsmin, d.SwitchFreq * 1000, d.IrDrivePeakSine,
                                         d.IpDrivePeakSine, d.MaxContPower, d.MaxPeakPower);
    const ServoFeedbackKinds& f = d.Feedback;
    SOCX().DLLMotor().SetAmpFeedbackComp(f.IncEncFeedback, f.ResFeedback, f.Rendat, f.Endat, f.SinCos, f.HallOnly);
}

// A one-segment rotary profile, only so that the pretest has one to check.
void Init_Performance_Check_Profile()
{
    std::vector<double> torque(6, 0.0);
    std::vector<double> time(6, 0.0);
    const std::vector<double> initial(6, 0.0);
    const std::vector<double> final(6, 0.0);
    torque[0] = 5.0;
    time[0] = 1.0;
    SOCX().DLLPerformanceCheck().setArrays(torque, time, initial, final, 1.0, "Rotary");
}

// The pretest verdict with the library's findings, shown in the window; a
// failed pretest hides the chart and the unit controls.
bool Run_Pretest(frmCurve* form)
{
    const bool passed = SOCX().DLLMotor().PretestLimits();
    std::string messages;
    SOCX().DLLMotor().GetMessages(messages);
    const QString verdict = passed ? QStringLiteral("Motor/Drive Combo Passed.")
                                   : QStringLiteral("Motor/Drive Combo Pretest Failed.");
    form->Set_Message(verdict + QStringLiteral("\r\n") + QString::fromStdString(messages));
    form->txtmsg()->show();
    form->lblmsg()->show();
    if (!passed) {
        for (QWidget* w : std::initializer_list<QWidget*>{form->MSChart1(), form->lblSpeed_Units(),
                                                          form->lblTorque_Units(), form->cmbSpeed_units(),
                                                          form->cmbTorque_Units()})
            w->hide();
    }
    return passed;
}

// Whole rpm of a model speed, as the curve shows it.
double Whole_Rpm(double radPerSecond, bool roundFirst)
{
    const double rpm = radPerSecond * 60 / 2 / 3.14159627;
    return CurveNumbers::roundHalfAway(roundFirst ? CurveNumbers::roundHalfEven(rpm, 2) : rpm, 0);
}

// A model torque in the chosen unit; the curve shows no negative torque.
double Shown_Torque(double ozIn, const QString& TorqueUnits)
{
    const double t = Unit_Converter().ChangeUnits(CurveNumbers::throughText(ozIn), QStringLiteral("Torque"),
                                                  TorqueUnits, QStringLiteral("oz-in"));
    return t < 0 ? 0.0 : t;
}

} // namespace

void Show_Servo_Curve(const QString& MotorKey, const QString& DriveKey, double Voltage)
{
    // The amplifier is always the window's axis' (the curve buttons pass the same key).
    (void)DriveKey;
    try {
        frmCurve::Drawing drawing;
        Set_Line_Voltage_Class(Voltage);
        Open_Servo_Database();
        frmCurve* form = Curve_Window();
        if (Read_Motor(MotorKey) && Read_Drive(form->Axis_Record().Curve_Drive_Part_Number)) {
            QString speed = form->cmbSpeed_units()->text();
            QString torque = form->cmbTorque_Units()->text();
            Draw_Servo_Curve(speed, torque, Voltage);
            return;
        }
    } catch (const std::exception& error) {
        CurveDatabase::Not_Found(CurveDatabase::Failure_Message(error));
        return;
    }
    CurveDatabase::Not_Found(QStringLiteral("Performance Curve Not Found"));
}

void Draw_Servo_Curve(QString& SpeedUnits, QString& TorqueUnits, double Voltage)
{
    CurveTable table(4);
    CurveDatabase::Default_Units(SpeedUnits, TorqueUnits);
    frmCurve* form = Curve_Window();
    // The axis the window was opened for, whichever axis the setup form shows now.
    AxisRecord& axis = form->Axis_Record();

    Load_Motor_Into_Sizing_Model();
    Load_Drive_Into_Sizing_Model(Voltage);
    Init_Performance_Check_Profile();
    bool passed = Run_Pretest(form);

    ListControl* frequencies = form->cmbSwitching_Frequency();
    if (frequencies->text().isEmpty()) {
        // First draw in this window: the list is filled and its entry selected
        // without a nested draw; this draw goes on at that frequency.
        FlagGuard loading(Globals::Loading_Lists, true);
        const QStringList offered = Switching_Frequencies(axis.Curve_Drive_Part_Number);
        frequencies->clear();
        frequencies->addItems(offered);
        if (axis.Switching_Frequency.isEmpty())
            frequencies->setListIndex(0);
        else
            frequencies->setText(axis.Switching_Frequency.left(axis.Switching_Frequency.size() - 4));
    }
    const QString frequency = frequencies->text();
    if (!frequency.isEmpty()) {
        axis.Switching_Frequency = frequency + QStringLiteral(" kHz");
        Read_Drive_At(axis.Curve_Drive_Part_Number, frequency, axis);
        Load_Drive_Into_Sizing_Model(axis.Bus_Voltage);
        // The verdict shown is the one of the frequency drawn.
        passed = Run_Pretest(form);
    }
    if (!passed)
        return;

    if (Servo_Motor.TwoPiKb <= 0)
        throw CurveNotFound();
    double top = Voltage / Servo_Motor.TwoPiKb;
    if (Servo_Motor.MaxSpeed < top)
        top = Servo_Motor.MaxSpeed;
    const double topRad = (top + top) * 3.1415927;
    const double step = topRad / 99.0;
    table.clear();

    const double c0 = SOCX().DLLMotor().GetContTorque(0, 0);
    const double p0 = SOCX().DLLMotor().GetPeakTorque(0, 0);
    if (CurveNumbers::roundHalfEven(c0, 2) < 0 || CurveNumbers::roundHalfEven(p0, 2) < 0) {
        form->MSChart1()->hide();
        return;
    }

    // Each torque is asked once: row 0 is the standstill just tested, and a row's continuous
    // torque is both its test and its value.
    const CChangeUnits& units = Unit_Converter();
    for (int i = 0; i <= 100; ++i) {
        const double w = i * step;
        const double c = i == 0 ? c0 : SOCX().DLLMotor().GetContTorque(w, 0);
        if (!(c > 0)) {
            // Closing point: both curves end at this speed with torque 0.
            const double speed =
                units.ChangeUnits(Whole_Rpm(w, false), QStringLiteral("Speed"), SpeedUnits, QStringLiteral("rpm"));
            table.set(i, 1, speed);
            table.set(i, 2, 0);
            table.set(i, 3, speed);
            table.set(i, 4, 0);
            break;
        }
        const double speed =
            units.ChangeUnits(Whole_Rpm(w, true), QStringLiteral("Speed"), SpeedUnits, QStringLiteral("rpm"));
        table.set(i, 1, speed);
        table.set(i, 2, Shown_Torque(c, TorqueUnits));
        table.set(i, 3, speed);
        table.set(i, 4, Shown_Torque(i == 0 ? p0 : SOCX().DLLMotor().GetPeakTorque(w, 0), TorqueUnits));
    }

    form->Set_Chart(table, SpeedUnits, TorqueUnits);
    form->Fill_Unit_Lists();
    for (QWidget* w : std::initializer_list<QWidget*>{form->lblTorque_Units(), form->cmbTorque_Units(),
                                                      form->lblSpeed_Units(), form->cmbSpeed_units(),
                                                      form->lblSwitching_Frequency(),
                                                      form->cmbSwitching_Frequency()})
        w->show();
    form->cmbTorque_Units()->setEnabled(true);
    form->cmbSpeed_units()->setEnabled(true);
    form->cmbSwitching_Frequency()->setEnabled(true);
}

} // namespace ServoCurves
