#pragma once

// Closed forms of the limits for unsaturated motors (the constants do not depend on the
// current, so every pass of the voltage-limit iteration gives the same value), worked out from
// the model's formulas with its own constants.

#include "ServoSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace hand {

constexpr double pi = 3.1415927;
inline const double sqrt3 = std::sqrt(3.0);

inline void ExpectNear(double expected, double actual, const std::string& what)
{
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::fabs(expected))) << what;
}

// A limit's value with the sine-peak current that goes with it.
struct Limit {
    double value, current;
};

// The tie rules of the continuous and peak values: VL against PL (or CL), the latter on a tie,
// then DL (or RL) when lower.
inline Limit Lowest(const Limit& vl, const Limit& other, const Limit& last)
{
    const Limit taken = vl.value < other.value ? vl : other;
    return last.value < taken.value ? last : taken;
}

} // namespace hand

// Hand model of a rotary set. After the pretest the working friction and damping are the
// motor's and the hot-resistance factor is taken at 25 degrees C; before it both are 0 and the
// factor is taken at Tamb. The voltage limit is Vs either way.
struct RotaryHand {
    static constexpr double pi = hand::pi;
    ServoSet p;
    bool pretested = true;
    double Kt() const { return p.Kb * hand::sqrt3 * 141.6 / 2; } // sine-peak oz-in per A
    double hot() const { return 1 + 0.00393 * (p.Twr - (pretested ? 25 : p.Tamb)); }
    double Rhot() const { return (p.Twr - 25) * (p.Rm * 0.00393) + p.Rm; }
    double damping() const { return pretested ? p.Bm : 0; }
    double friction() const { return pretested ? p.Tfm : 0; }
    // Friction term: damping per 1000 rpm times the speed in krpm, plus static friction.
    double fric(double w, double s) const { return -s * (damping() * 3 * w / 100 / pi + friction()); }
    double pmlThermal(double w) const
    {
        return (damping() * 30 * w / 1000 / pi + friction()) * p.Denable * 30 * w / 1352 / pi + p.Pbl;
    }
    double I6(double budget, double w) const
    {
        const double P = (budget - (p.Rthwa - p.Rthwc) * pmlThermal(w)) / Rhot() / p.Rthwa;
        return std::sqrt(std::max(P, 0.0));
    }
    double DL(double w, double s, double acc) const { return Kt() * p.Iclim + fric(w, s) + acc; }
    double CL(double w, double s, double acc) const { return Kt() * p.Iplim + fric(w, s) + acc; }
    double PL(double w, double s, double acc) const
    {
        return p.Kb * I6(p.Twr - p.Tamb, w) * 141.6 + fric(w, s) + acc;
    }
    double RL(double w, double s, double acc) const
    {
        return p.Kb * I6((p.Twr - p.Tamb) * p.Rptc * p.Rptc, w) * 141.6 + fric(w, s) + acc;
    }
    double VLanalog(double w, double s, double acc) const
    {
        const double x = p.Np * p.Lm * w / 4 / pi / p.Rm / hot();
        return Kt() * (p.Vs - s * p.Kb * w) / (x * x + 1) / (p.Rm * hot()) + fric(w, s) + acc;
    }
    // Positive root of q I^2 + m I + c = 0 for the six-state current, times Kt.
    double VLdigital(double w, double s, double acc) const
    {
        const double q = p.Np * p.Np * w * w * p.Lm * p.Lm / 16 + p.Rm * p.Rm * hot() * hot() / 4;
        const double m = p.Kb * p.Rm * hot() * s * w / hand::sqrt3;
        const double c = (p.Kb * p.Kb * w * w - p.Vs * p.Vs) / 3;
        const double d = m * m - 4 * q * c;
        if (d < 0)
            return acc + fric(w, s);
        return Kt() * (std::sqrt(d) - m) / (2 * q) + fric(w, s) + acc;
    }

    // The limits at w >= 0 without acceleration or power limit, with their currents.
    hand::Limit VL(double w) const
    {
        const double T = p.DriveModel == "ANALOG" ? VLanalog(w, 1, 0) : VLdigital(w, 1, 0);
        return {T, 2 * (T - fric(w, 1)) / 1.732050808 / p.Kb / 141.6};
    }
    hand::Limit PLlimit(double w) const { return {PL(w, 1, 0), 2 * I6(p.Twr - p.Tamb, w) / 1.732050808}; }
    hand::Limit RLlimit(double w) const
    {
        return {RL(w, 1, 0), 2 * I6((p.Twr - p.Tamb) * p.Rptc * p.Rptc, w) / 1.732050808};
    }
    bool AboveTop(double w) const { return p.Wrmax * 6.2831854 / 60 + 0.00001 < w; }
    hand::Limit ContPoint(double w) const
    {
        if (AboveTop(w))
            return {0, 0};
        return hand::Lowest(VL(w), PLlimit(w), {DL(w, 1, 0), p.Iclim});
    }
    // Above the top speed the model keeps its earlier peak current; 0 here.
    hand::Limit PeakPoint(double w) const
    {
        if (AboveTop(w))
            return {0, 0};
        return hand::Lowest(VL(w), {CL(w, 1, 0), p.Iplim}, RLlimit(w));
    }
    double Cont(double w) const { return ContPoint(w).value; }
};
