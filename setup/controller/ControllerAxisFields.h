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

    // What a copy takes from another axis: every choice, the cables with their
    // lengths, the gearhead and the drive accessory lists. The curve keys, the
    // switching frequency, the drive code, the cable part numbers and the
    // drive-specific controller accessory are left to the replay's handlers.
    static void copySelections(const AxisRecord& source, AxisRecord& target);
};
