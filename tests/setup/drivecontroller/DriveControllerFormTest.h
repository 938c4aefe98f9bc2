#pragma once

#include "support/SetupFormFixture.h"

#include <QStringList>

class ListControl;
class frmDriveControl;
class frmDriveController_Setup;

// The drive/controller's lists in cascade order, from the technology to the cable lengths.
extern const QStringList kDriveControllerLists;

// Complete choices of the sample catalogue down to the motor options.
extern const QStringList kBscKx;  // BSC-230 with a KX 23 servo
extern const QStringList kSpcSx;  // SPC-48 with an SX 23 stepper
extern const QStringList kIqo;    // the integrated iQO

// The drive/controller setup form and its options dialog on the sample catalogue.
class DriveControllerFormTest : public SetupFormFixture {
protected:
    DriveControllerFormTest();

    frmDriveController_Setup* dc();
    // Picks one entry per list of kDriveControllerLists, in order from the technology.
    void configure(const QStringList& entries) { SetupFormFixture::configure(kDriveControllerLists, entries); }

    // "Configure Drive/Controller", then the dialog's level lists.
    frmDriveControl* openOptions();
    frmDriveControl* options();
    ListControl* level(int index);
    // The user picks one entry per level; an empty entry leaves the level as it is.
    void chooseLevels(const QStringList& entries);
    void clickOptions(const char* button);
    // The levels as the user sees them: "text [entries]" or "-" for a hidden level.
    QStringList levels();
};
