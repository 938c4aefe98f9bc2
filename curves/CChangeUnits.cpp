#include "curves/CChangeUnits.h"

#include "curves/CurveNumbers.h"

namespace {

constexpr double kInertiaFactor = 54674.4; // oz-in^2 per kg-m^2
constexpr double kGravity = 386.0;         // in/s^2
constexpr double kOuncesPerPound = 16.0;
constexpr double kInchesPerFoot = 12.0;
constexpr double kTorqueFactor = 141.6; // oz-in per N-m
constexpr double kPi = 3.14159;
constexpr double kCm2 = 100.0 * 100.0;
constexpr double kMm2 = 1000.0 * 1000.0;
constexpr double kCmToMm2 = 10.0 * 10.0;

// "in-lb-s^2" names the same unit as "lb-in-s^2".
QString inertiaName(const QString& unit)
{
    return unit == QLatin1String("in-lb-s^2") ? QStringLiteral("lb-in-s^2") : unit;
}

} // namespace

CChangeUnits& Unit_Converter()
{
    static CChangeUnits converter;
    return converter;
}

double CChangeUnits::ChangeUnits(double Value, const QString& UnitType, const QString& UnitsTo,
                                 const QString& UnitsFrom) const
{
    bool known = false;
    double result = 0.0;
    if (UnitType == QLatin1String("Speed")) {
        result = speed(Value, UnitsTo, UnitsFrom, known);
    } else if (UnitType == QLatin1String("Torque")) {
        result = torque(Value, UnitsTo, UnitsFrom, known);
        if (known)
            result = CurveNumbers::roundHalfAway(result, 3);
    } else if (UnitType == QLatin1String("Inertia")) {
        result = inertia(Value, inertiaName(UnitsTo), inertiaName(UnitsFrom), known);
    }
    return known ? result : 0.0;
}

double CChangeUnits::speed(double v, const QString& to, const QString& from, bool& known)
{
    known = true;
    if (from == QLatin1String("rpm")) {
        if (to == QLatin1String("rpm"))
            return v;
        if (to == QLatin1String("rps"))
            return v / 60;
        if (to == QLatin1String("rad/s"))
            return (v + v) * kPi / 60;
    } else if (from == QLatin1String("rps")) {
        if (to == QLatin1String("rpm"))
            return v * 60;
        if (to == QLatin1String("rps"))
            return v;
        if (to == QLatin1String("rad/s"))
            return (v + v) * kPi;
    } else if (from == QLatin1String("rad/s")) {
        if (to == QLatin1String("rpm"))
            return v * 60 / 2 / kPi;
        if (to == QLatin1String("rps"))
            return v / 2 / kPi;
        if (to == QLatin1String("rad/s"))
            return v;
    }
    known = false;
    return 0.0;
}

double CChangeUnits::torque(double v, const QString& to, const QString& from, bool& known)
{
    known = true;
    if (from == QLatin1String("oz-in")) {
        if (to == QLatin1String("oz-in"))
            return v;
        if (to == QLatin1String("in-lb"))
            return v / kOuncesPerPound;
        if (to == QLatin1String("ft-lb"))
            return v / kOuncesPerPound / kInchesPerFoot;
        if (to == QLatin1String("N-m"))
            return v / kTorqueFactor;
    } else if (from == QLatin1String("in-lb")) {
        if (to == QLatin1String("oz-in"))
            return v * kOuncesPerPound;
        if (to == QLatin1String("in-lb"))
            return v;
        if (to == QLatin1String("ft-lb"))
            return v / kInchesPerFoot;
        if (to == QLatin1String("N-m"))
            return v / kTorqueFactor * kOuncesPerPound;
    } else if (from == QLatin1String("ft-lb")) {
        if (to == QLatin1String("oz-in"))
            return v * kOuncesPerPound * kInchesPerFoot;
        if (to == QLatin1String("in-lb"))
            return v * kInchesPerFoot;
        if (to == QLatin1String("ft-lb"))
            return v;
        if (to == QLatin1String("N-m"))
            return v / kTorqueFactor * kOuncesPerPound * kInchesPerFoot;
    } else if (from == QLatin1String("N-m")) {
        if (to == QLatin1String("oz-in"))
            return v * kTorqueFactor;
        if (to == QLatin1String("in-lb"))
            return v * kTorqueFactor / kOuncesPerPound;
        if (to == QLatin1String("ft-lb"))
            return v * kTorqueFactor / kOuncesPerPound / kInchesPerFoot;
        if (to == QLatin1String("N-m"))
            return v;
    }
    known = false;
    return 0.0;
}

double CChangeUnits::inertia(double v, const QString& to, const QString& from, bool& known)
{
    known = true;
    // Imperial targets from every source, in the order the factors apply.
    const bool imperialTarget = to == QLatin1String("oz-in^2") || to == QLatin1String("oz-in-s^2")
                                || to == QLatin1String("lb-in^2") || to == QLatin1String("lb-in-s^2");
    if (imperialTarget) {
        double x = 0.0;
        if (from == QLatin1String("oz-in^2")) {
            if (to == QLatin1String("oz-in^2"))
                return v;
            if (to == QLatin1String("oz-in-s^2"))
                return v / kGravity;
            if (to == QLatin1String("lb-in^2"))
                return v / kOuncesPerPound;
            return v / kOuncesPerPound / kGravity;
        }
        if (from == QLatin1String("oz-in-s^2")) {
            if (to == QLatin1String("oz-in^2"))
                return v * kGravity;
            if (to == QLatin1String("oz-in-s^2"))
                return v;
            if (to == QLatin1String("lb-in^2"))
                return v / kOuncesPerPound * kGravity;
            return v / kOuncesPerPound;
        }
        if (from == QLatin1String("lb-in^2")) {
            if (to == QLatin1String("oz-in^2"))
                return v * kOuncesPerPound;
            if (to == QLatin1String("oz-in-s^2"))
                return v * kOuncesPerPound / kGravity;
            if (to == QLatin1String("lb-in^2"))
                return v;
            return v / kGravity;
        }
        if (from == QLatin1String("lb-in-s^2")) {
            if (to == QLatin1String("oz-in^2"))
                return v * kOuncesPerPound * kGravity;
            if (to == QLatin1String("oz-in-s^2"))
                return v * kOuncesPerPound;
            if (to == QLatin1String("lb-in^2"))
                return v * kGravity;
            return v;
        }
        double divisor = 0.0;
        if (from == QLatin1String("kg-m^2"))
            divisor = 1.0;
        else if (from == QLatin1String("kg-cm^2"))
            divisor = kCm2;
        else if (from == QLatin1String("kg-mm^2"))
            divisor = kMm2;
        if (divisor == 0.0) {
            known = false;
            return 0.0;
        }
        if (to == QLatin1String("oz-in^2"))
            x = v * kInertiaFactor;
        else if (to == QLatin1String("oz-in-s^2"))
            x = v * kInertiaFactor / kGravity;
        else if (to == QLatin1String("lb-in^2"))
            x = v * kInertiaFactor / kOuncesPerPound;
        else
            x = v * kInertiaFactor / kOuncesPerPound / kGravity;
        // kg-m^2 divides by nothing: keep the value exactly as computed.
        return divisor == 1.0 ? x : x / divisor;
    }

    // Metric targets: the value in kg-m^2 first, then scaled.
    double kgm2 = 0.0;
    if (from == QLatin1String("oz-in^2"))
        kgm2 = v / kInertiaFactor;
    else if (from == QLatin1String("oz-in-s^2"))
        kgm2 = v / kInertiaFactor * kGravity;
    else if (from == QLatin1String("lb-in^2"))
        kgm2 = v / kInertiaFactor * kOuncesPerPound;
    else if (from == QLatin1String("lb-in-s^2"))
        kgm2 = v / kInertiaFactor * kOuncesPerPound * kGravity;
    else if (from == QLatin1String("kg-m^2"))
        kgm2 = v;
    else if (from == QLatin1String("kg-cm^2")) {
        if (to == QLatin1String("kg-m^2"))
            return v / kCm2;
        if (to == QLatin1String("kg-cm^2"))
            return v;
        if (to == QLatin1String("kg-mm^2"))
            return kCmToMm2 * v;
    } else if (from == QLatin1String("kg-mm^2")) {
        if (to == QLatin1String("kg-m^2"))
            return v / kMm2;
        if (to == QLatin1String("kg-cm^2"))
            return v / kCmToMm2;
        if (to == QLatin1String("kg-mm^2"))
            return v;
    }
    const bool fromListed = from == QLatin1String("oz-in^2") || from == QLatin1String("oz-in-s^2")
                            || from == QLatin1String("lb-in^2") || from == QLatin1String("lb-in-s^2")
                            || from == QLatin1String("kg-m^2");
    if (fromListed) {
        if (to == QLatin1String("kg-m^2"))
            return kgm2;
        if (to == QLatin1String("kg-cm^2"))
            return kCm2 * kgm2;
        if (to == QLatin1String("kg-mm^2"))
            return kMm2 * kgm2;
    }
    known = false;
    return 0.0;
}
