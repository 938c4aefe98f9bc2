#pragma once

#include <QString>

#include <optional>

struct AxisRecord;

// The motor part number of a complete motor choice, by the series' part-number
// type: the codes of the chosen items in the type's order, each left out (with
// the text that belongs to it) when its item is "N/A" or empty.
class MotorPartNumber {
public:
    struct Result {
        QString partNumber;
        // A "Colbitum" motor whose option took part drops its gearhead.
        bool clearsGearhead = false;
    };

    // Nothing for a type other than "L7_Servo", "QD_Servo", "Stepper" and "Colbitum".
    static std::optional<Result> build(const AxisRecord& record);
    // [Motors].[PartNumber Type] of the series, as it stands: a type built
    // here, another one or none. Throws DatabaseFault when the catalogue has
    // no row for the series.
    static QString typeOf(const QString& series);
};
