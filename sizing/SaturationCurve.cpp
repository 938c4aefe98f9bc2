#include "sizing/SaturationCurve.h"

#include "sizing/SizingMath.h"

#include <cmath>

namespace Pulvane_V4 {

using SizingMath::Div;

void SaturationCurve::Set(double Isat1, double Isat2, double Isat3, double TorqueSatPercent2X,
                          double TorqueSatPercent3X, double SatNt, double effNt)
{
    constexpr const char* where = "MotorTSModel::SetMagneticSaturationParms";
    const double inverseTurns = Div(1, effNt, where);
    // Signed differences of the measured points in ampere-turns.
    const double d12 = SatNt * Isat2 - SatNt * Isat1;
    const double d13 = SatNt * Isat3 - SatNt * Isat1;
    const double d23 = SatNt * Isat3 - SatNt * Isat2;
    const double A = Div(TorqueSatPercent2X * Isat2, d12 * d12, where) / 100;
    const double B = Div((TorqueSatPercent3X / 100
                          - Div(Div(TorqueSatPercent2X * Isat2 * (d13 * d13), Isat3, where), d12 * d12, where) / 100)
                             * Isat3,
                         d23 * d23, where);
    const double C = inverseTurns * SatNt * Isat3 - A * (d13 * d13) - B * (d23 * d23);
    double D = inverseTurns - 2 * A * d13 - 2 * B * d23;
    if (D < 0)
        D = 0;

    m_Isat1 = Isat1;
    m_Isat2 = Isat2;
    m_Isat3 = Isat3;
    m_TorqueSatPercent2X = TorqueSatPercent2X;
    m_TorqueSatPercent3X = TorqueSatPercent3X;
    m_SatNt = SatNt;
    m_effNt = effNt;
    m_inverseTurns = inverseTurns;
    m_A = A;
    m_B = B;
    m_C = C;
    m_D = D;
    ++m_revision;
}

double SaturationCurve::Ktss(double Kb, double IsixState) const
{
    if (m_Isat1 == 0 || m_Isat2 == 0 || m_Isat3 == 0)
        return Kb;
    const double X = std::fabs(IsixState * m_effNt);
    const double X1 = std::fabs(m_SatNt * m_Isat1);
    const double X2 = std::fabs(m_SatNt * m_Isat2);
    const double X3 = std::fabs(m_SatNt * m_Isat3);
    if (X < X1)
        return Kb;
    // X >= X1 > 0 here, so the current is not 0.
    const double absI = std::fabs(IsixState);
    const double Y0 = Kb * m_inverseTurns * X;
    const double Y1 = Y0 - m_A * Kb * ((X - X1) * (X - X1));
    if (X < X2)
        return Y1 / absI;
    if (X < X3)
        return (Y1 - m_B * Kb * ((X - X2) * (X - X2))) / absI;
    return Kb * (m_C + m_D * (X - X3)) / absI;
}

} // namespace Pulvane_V4
