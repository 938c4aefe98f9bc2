#pragma once

#include <cmath>

// The worked saturation example: points at 10, 20 and 30 A with 10 % and 25 % torque loss,
// measured and modelled on 100 turns, give A = 0.000002, B = -0.0000005, C = 22.5, D = 0.003.
// Six-state constant at a current for Kb = 1 (Y0 = Kb x X / effNt is the current itself).
inline double ExampleK(double current)
{
    const double i = std::fabs(current);
    const double X = i * 100;
    if (X < 1000)
        return 1;
    const double Y1 = i - 0.000002 * (X - 1000) * (X - 1000);
    if (X < 2000)
        return Y1 / i;
    if (X < 3000)
        return (Y1 + 0.0000005 * (X - 2000) * (X - 2000)) / i;
    return (22.5 + 0.003 * (X - 3000)) / i;
}
