#pragma once

#include <QString>

struct AxisRecord;

// The full drive/controller part number needs the drive code of the chosen
// voltage and wiring and the option code of the options dialog: whichever
// comes last builds it.
class DriveControllerPartNumber {
public:
    // Drive_Controller_Part_Number from the axis' drive code and the option
    // code when both exist (an empty drive code too, once the chosen voltage
    // gave it); otherwise it keeps its value. The integrated
    // drive/controller and motor "iQO" is sold as its motor: its part number
    // is the motor's, however it was reached.
    static void build(const AxisRecord& record);
    // "Drive: " and the part number (or "Not Fully Configured"), CR LF,
    // "Notes: " and the drive/controller notes.
    static QString driveText();
};
