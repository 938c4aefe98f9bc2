#pragma once

namespace Pulvane_V4 {

// Torque-per-ampere roll-off from three measured points in ampere-turns, so that data taken on
// one winding applies to a rewound motor with another number of turns.
class SaturationCurve {
public:
    // Works out every coefficient before storing anything: a failing set leaves the curve as
    // it was.
    void Set(double Isat1, double Isat2, double Isat3, double TorqueSatPercent2X,
             double TorqueSatPercent3X, double SatNt, double effNt);

    // Six-state constant at a six-state current, for an unsaturated constant Kb.
    double Ktss(double Kb, double IsixState) const;

    // Counts the sets, so that a result worked out with the curve can tell it is still current.
    unsigned Revision() const { return m_revision; }

private:
    double m_Isat1 = 0;
    double m_Isat2 = 0;
    double m_Isat3 = 0;
    double m_TorqueSatPercent2X = 0;
    double m_TorqueSatPercent3X = 0;
    double m_SatNt = 0;
    double m_effNt = 0;
    double m_inverseTurns = 0;
    double m_A = 0;
    double m_B = 0;
    double m_C = 0;
    double m_D = 0;
    unsigned m_revision = 0;
};

} // namespace Pulvane_V4
