#pragma once

#include "shell/AxisRecord.h"
#include "shell/Globals.h"

#include <array>

// The bill of material a project file carries: what the report bills from
// the file's own values, its part numbers among them, before the replay
// rebuilds them from the catalogue. A catalogue the maker changed may give
// the reopened project another bill; the user is told so, line by line,
// instead of finding it changed in silence.
class CarriedBill {
public:
    // The axis records and both kinds' systems as the file's read left them;
    // the part numbers the read leaves to the replay go in afterwards.
    CarriedBill();

    // Once the replay and the restore of the options dialog it opened are
    // done: one message naming the catalogue and each line it now bills
    // otherwise (a part number changed, a line no longer or newly billed);
    // none when the bills agree.
    void tellChanges() const;

    std::array<AxisRecord, std::tuple_size_v<decltype(Globals::Axis)>> axes;
    Globals::ControllerSystem controller;
    Globals::DriveControllerSystem driveController;

private:
    // What the bill reads that no file holds, and what a reopening completes
    // or leaves to the user, as the reopened project has it.
    void takeFromReopened();
    // Exchanges the held values with the globals.
    void exchange();
};
