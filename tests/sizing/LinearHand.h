#pragma once

#include "RotaryHand.h"
#include "ServoSet.h"

#include <algorithm>
#include <cmath>

// Hand model of the linear set: forces in N, speeds in m/s, the six-state voltage limit even
// on a digital drive. Before the pretest the working friction and damping are 0 and the
// hot-resistance factor is taken at Tamb, as for the rotary hand.
struct LinearHand {
    ServoSet p = LinearSet();
    bool pretested = true;
    double hot() const { return 1 + 0.00393 * (p.Twr - (pretested ? 25 : p.Tamb)); }
    double Rhot() const { return (p.Twr - 25) * (p.Rm * 0.00393) + p.Rm; }
    double damping() const { return pretested ? p.Bm : 0; }
    double friction() const { return pretested ? p.Tfm : 0; }
    double fric(double w, double s) const { return -s * (w * damping() + friction()); }
    double pml(double w) const { return (w * damping() + friction()) * p.Denable * w + p.Pbl; }
    double I6(double budget, double w) const
    {
        const double P = (budget - (p.Rthwa - p.Rthwc) * pml(w)) / Rhot() / p.Rthwa;
        return std::sqrt(std::max(P, 0.0));
    }
    double DL(double w, double s, double acc) const { return p.Kb * p.Iclim * 1.732050808 / 2 + fric(w, s) + acc; }
    double CL(double w, double s, double acc) const { return p.Kb * p.Iplim * 1.732050808 / 2 + fric(w, s) + acc; }
    double PL(double w, double s, double acc) const { return p.Kb * I6(p.Twr - p.Tamb, w) + fric(w, s) + acc; }
    double RL(double w, double s, double acc) const
    {
        return p.Kb * I6((p.Twr - p.Tamb) * p.Rptc * p.Rptc, w) + fric(w, s) + acc;
    }
    // Electrical angle per metre from the pole pitch in mm.
    double VL(double w, double s, double acc) const
    {
        const double x = p.Lm * 2 * hand::pi * 1000 * w / p.Np / 4 / hand::pi / p.Rm / hot();
        return p.Kb * (p.Vs - s * p.Kb * w) / (x * x + 1) / (p.Rm * hot()) + fric(w, s) + acc;
    }

    // The limits at w >= 0 without acceleration or power limit, with their currents.
    hand::Limit VLlimit(double w) const
    {
        const double F = VL(w, 1, 0);
        return {F, 2 * (F - fric(w, 1)) / 1.732050808 / p.Kb};
    }
    hand::Limit ThermalLimit(double F, double budget, double w) const
    {
        return {F, 2 * I6(budget, w) / 1.732050808};
    }
    bool AboveTop(double w) const { return p.Wrmax + 0.00001 < w; }
    hand::Limit ContPoint(double w) const
    {
        if (AboveTop(w))
            return {0, 0};
        return hand::Lowest(VLlimit(w), ThermalLimit(PL(w, 1, 0), p.Twr - p.Tamb, w),
                            {DL(w, 1, 0), p.Iclim});
    }
    // Above the top speed the model keeps its earlier peak current; 0 here.
    hand::Limit PeakPoint(double w) const
    {
        if (AboveTop(w))
            return {0, 0};
        return hand::Lowest(VLlimit(w), {CL(w, 1, 0), p.Iplim},
                            ThermalLimit(RL(w, 1, 0), (p.Twr - p.Tamb) * p.Rptc * p.Rptc, w));
    }
};
