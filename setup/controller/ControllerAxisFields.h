#pragma once

struct AxisRecord;

// The field sets of an axis record that the controller setup form empties and
// copies as a whole.
class ControllerAxisFields {
public:
    // The selections of the axis and what they gave, with the five drive
    // accessory lists; the two curve keys stay (Reset_Axis keeps Drive_Code too).
    static void clearForSystemReset(AxisRecord& record);
    static void clearForAxisReset(AxisRecord& record);

    // What a copy takes from another axis: all of it, choices and what they
    // gave; the replay then rebuilds what is derived.
    static void copySelections(const AxisRecord& source, AxisRecord& target);
};
