#include "sizing/MotorDataSheet.h"

#include "sizing/CurveDataSheet.h"
#include "sizing/MotorTSModel.h"
#include "sizing/MotorThermalModel.h"
#include "sizing/SizingMath.h"
#include "sizing/SpecWorkbook.h"

namespace Pulvane_V4 {

using namespace SizingMath;

MotorDataSheet::MotorDataSheet(MotorTSModel& model, SpecWorkbook& book)
    : m_model(model), m_book(book)
{
}

void MotorDataSheet::Write_Rotary_Motor_Data_Sheet(const std::string& MotorDataName,
                                                   const std::string& TSDataName)
{
    Write(false, MotorDataName, TSDataName);
}

void MotorDataSheet::Write_Linear_Motor_Data_Sheet(const std::string& MotorDataName,
                                                   const std::string& TSDataName)
{
    Write(true, MotorDataName, TSDataName);
}

// Both writers fill the same cells; only some units and descriptions, the stall and peak calls
// and the rated speed's conversion differ.
void MotorDataSheet::Write(bool linear, const std::string& MotorDataName,
                           const std::string& TSDataName)
{
    MotorTSModel& m = m_model;
    const MotorTSModel::MotorParameters& p = m.m_motor;
    const MotorTSModel::ReferenceParameters& ref = m.m_reference;
    auto pick = [linear](const char* rotary, const char* lin) { return linear ? lin : rotary; };

    m_book.Select(MotorDataName);
    SpecSheet& s = m_book.Sheet(MotorDataName);
    s.SetRow('B', 5, ref.Mname, "", "Motor Description");
    s.SetRow('B', 6, ref.WindNum, "", "Winding Number");
    s.SetRow('B', 7, p.Kb, pick("Volts/Rad/s", "Volts/M/s"), "Motor lead to lead voltage constant");
    s.SetRow('B', 8, p.Rm, "Ohms", "Cold lead to lead Resistance of the motor");
    s.SetRow('B', 9, ref.Lmax, "Henries", "Maxmimum Lead to lead Inductance of the motor");
    s.SetRow('B', 10, ref.Lmin, "Henries", "Minimum Lead to lead Inductance of the motor");
    s.SetRow('B', 11, m.mdblJm, pick("oz*in*sec^2", "Kg"),
             pick("Motor rotor Inertia", "Total Mass of Forcer"));
    s.SetRow('B', 12, p.Vm, "Volts", "Motor maximum rated voltage");
    s.SetRow('B', 13, p.Rthwa, "deg C/Watt", "Thermal Resistance from Wind to Amb");
    s.SetRow('B', 14, p.Rthwc, "deg C/Watt", "Thermal Resistance from wind to case");
    s.SetRow('B', 15, p.Bm, pick("oz*in/KRPM", "N/m/s"), "Rotor Viscous Damping");
    s.SetRow('B', 16, p.Tfm, pick("oz*in", "N"), pick("Rotor Dynamic Friction", "Dynamic Friction"));
    s.SetRow('B', 17, ref.TwMax, "Deg C", "Max Winding Temperature");
    s.SetRow('B', 18, p.Twr, "Deg C", "Rated Winding Temperature");
    s.SetRow('B', 19, p.Tamb, "Deg C", "Ambient Air Temp around motor.");
    s.SetRow('B', 20, p.Wrmax, pick("RPM", "m/s"),
             pick("Maximum Shaft Speed Mechical Limit", "Maximum Forcer Speed Mechical Limit"));
    s.SetRow('B', 21, p.Np, pick("unitless", "Magnet Pitch"),
             pick("Number of magnet poles on the rotor", "Magnet Pitch"));
    s.SetRow('B', 22, p.Denable, "unitless", "Determines if the friction and damping derates the motor");
    s.SetRow('B', 23, p.Rptc, "unitless",
             pick("The Ration of Peak to Cont Torque", "The Ratio of Peak to Cont Torque"));
    s.SetRow('B', 24, p.Pbl, pick("Watts", "n/s"),
             pick("Losses in the case due to the fail-safe Brake", "n/a"));
    const MotorThermalModel& thermal = m.LinkedThermal();
    s.SetRow('B', 25, thermal.mdblTaumc, "Seconds",
             pick("Motor time constant", "Motor Case time constant"));
    s.SetRow('B', 26, thermal.mdblTauwnd, "Seconds", "Winding time constant");
    // Row 27 has no unit: C27 keeps what the template holds.
    s.SetText("B27", ref.ThermCondition);
    s.SetText("D27", "Motor Thermal Test Condition");
    s.SetRow('B', 28, ref.Weight, pick("Lbs", "lbs/ft"), pick("Motor Only Weight", "Weight of Magnet Bar"));
    s.SetRow('B', 29, ref.BrakeWeight, pick("Lbs", "n/a"),
             pick("Additional Weight if Equipted with Brake", "n/a"));
    s.SetRow('B', 30, ref.BrakeInertia, pick("oz*in*sec^2", "n/a"),
             pick("Additional Inertia if Equipted with Brake", "n/a"));
    if (linear) {
        s.SetRow('B', 31, m.GetContForce(0, 0), "N", "Stall Force");
        s.SetRow('B', 32, m.GetPeakForce(0, 0), "N", "Peak Force");
    } else {
        s.SetRow('B', 31, m.GetContTorque(0, 0), "Oz*in", "Stall Torque");
        s.SetRow('B', 32, m.GetPeakTorque(0, 0), "Oz*in", "Peak Torque");
    }
    // Sine-peak currents as six-state amperes.
    s.SetRow('B', 33, m.GetContCurrent(0, 0) * kSqrt3 / 2, "Amps Six State", "Cont Stall Current");
    s.SetRow('B', 34, m.GetPeakCurrent(0, 0) * kSqrt3 / 2, "Amps Six State", "Peak Current");

    m.FillTSCurveArrays();
    CurveDataSheet(m, m_book).Write_TS_Data_Sheet(TSDataName);
    m_book.Select(MotorDataName);

    const MotorTSModel::RatedValues& rated = m.m_rated;
    if (linear)
        s.SetRow('B', 35, m.mdblRatedSpeed, "m/s", "Rated Speed");
    else
        s.SetRow('B', 35, m.mdblRatedSpeed * 30 / kPi, "RPM", "Rated Speed");
    s.SetRow('B', 36, rated.torque, pick("Oz*in", "N"), pick("Rated Torque", "Rated Force"));
    s.SetRow('B', 37, rated.power, "Watts", "Rated Power");
    s.SetRow('B', 38, rated.current, "Amps Sine Peak", "Rated Current");
    s.SetRow('B', 39, rated.tw, "deg C", "Temp of Winding at Rated TS");
    s.SetRow('B', 40, rated.tc, "deg C", "Temp of Case at Rated TS");
    s.SetRow('B', 41, std::string("Not Implemented"), "Seconds",
             "The Max time at 2x Rated Current Starting at 60c");
    s.SetRow('B', 42, std::string("Not Implemented"), "Seconds",
             "The Max time at 3x Rated Current Starting at 60c");
    const char* limitType = m.IsAnAnalogAmp() ? "Analog" : m.IsADigitalAmp() ? "Digital" : "Error";
    s.SetRow('B', 43, std::string(limitType), "Volt Limit Type", m.Version());

    Write_Scaling_Table(s);
}

void MotorDataSheet::Write_Scaling_Table(SpecSheet& s)
{
    const MotorTSModel::RefScalingParameters& r = m_model.m_refScaling;
    s.SetRow('F', 6, r.OrgTurns, "unitless", "The Original Number of turns of wire per Phase");
    s.SetRow('F', 7, r.OrgAWG, "AWG", "The Original Effective Wire Guage");
    s.SetRow('F', 8, r.OrgMname, "text", "The Original Motor Name");
    s.SetRow('F', 9, r.OrgFill, "unitless", "The Original Slot Fill Calculation");
    s.SetRow('F', 10, r.OrgNil, "unitless", "The Original number of wire insulation Layers");
    s.SetRow('F', 11, r.OrgNwih, "unitless", "The Original number of wire in hand for the winding");
    s.SetRow('F', 12, r.OrgStatorLength, "unitless", "The Original Length of the stator Stack");
    s.SetRow('F', 13, r.OrgEndturnLength, "unitless", "The Original Length of the Endturn");
    s.SetRow('F', 14, r.OrgPhaseOrientation, "unitless", "The Original Phase Orientation");
    s.SetRow('F', 15, r.OrgBundleOrientation, "unitless", "The Original Wire Bundle Orientation");
    s.SetRow('F', 16, r.NewTurns, "unitless", "The Scaled Number of turns of wire per Phase");
    s.SetRow('F', 17, r.NewAWG, "AWG", "The Scaled Effective Wire Guage");
    s.SetRow('F', 18, r.NewFill, "unitLess", "The Scaled Slot Fill Calculation");
    s.SetRow('F', 19, r.NewNil, "unitless", "The Scaled Number of wire insulation Layers");
    s.SetRow('F', 20, r.NewNwih, "unitless", "The Scaled number of wire in hand for the winding");
    s.SetRow('F', 21, r.NewStatorLength, "unitless", "The Scaled Length of the stator Stack");
    s.SetRow('F', 22, r.NewEndturnLength, "unitless", "The Scaled Length of the Endturn");
    s.SetRow('F', 23, r.NewPhaseOrientation, "unitless", "The Scaled Phase Orientation");
    s.SetRow('F', 24, r.NewBundleOrientation, "unitless", "The Scaled Wire Bundle Orientation");
}

} // namespace Pulvane_V4
