#pragma once

class Recordset;

// The feedback kinds a servo motor supports or an amplifier accepts, as the
// curve database's six flag columns hold them.
struct ServoFeedbackKinds {
    bool IncEncFeedback = false;
    bool ResFeedback = false;
    bool Rendat = false;
    bool Endat = false;
    bool SinCos = false;
    bool HallOnly = false;

    // The six flags of the current row; a Null flag reads as false.
    static ServoFeedbackKinds read(const Recordset& rs);
};
