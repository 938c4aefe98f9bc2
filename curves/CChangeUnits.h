#pragma once

#include <QString>

// Converts one value between units of inertia, speed or torque with the
// catalogue's fixed factors. Unknown categories or units give 0.
class CChangeUnits {
public:
    // UnitType is "Inertia", "Speed" or "Torque". Torque results are rounded
    // to three decimals, halves away from zero.
    double ChangeUnits(double Value, const QString& UnitType, const QString& UnitsTo,
                       const QString& UnitsFrom) const;

private:
    static double speed(double v, const QString& to, const QString& from, bool& known);
    static double torque(double v, const QString& to, const QString& from, bool& known);
    static double inertia(double v, const QString& to, const QString& from, bool& known);
};

// The program's one converter, created on first use.
CChangeUnits& Unit_Converter();
