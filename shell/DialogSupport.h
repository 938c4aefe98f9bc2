#pragma once

// What the gearhead and accessory dialogs share: the main window's toolbar,
// which is off while one of them is open.
class DialogSupport {
public:
    // Does nothing when no main window exists (dialogs tested on their own).
    static void setToolbarEnabled(bool on);
};
