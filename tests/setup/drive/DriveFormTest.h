#pragma once

#include "support/SetupFormFixture.h"

#include <QStringList>

class frmDrive_Setup;

// The form's lists in cascade order, from the technology to the cable lengths.
extern const QStringList kCascadeLists;
// What every choice above the motor options hides, in the order it hides it.
extern const QStringList kResultDisplay;

// Complete motor choices of the sample catalogue, from the technology down to
// the motor options (an empty entry is a list that selects itself).
extern const QStringList kLmServo;
extern const QStringList kKxServo;
extern const QStringList kSxStepper;
extern const QStringList kCtDirectDrive;

extern const QString kDrivePrompt;
extern const QString kKeywayMessage;

// The drive setup form on the sample catalogue, driven through its controls.
class DriveFormTest : public SetupFormFixture {
protected:
    DriveFormTest();

    frmDrive_Setup* form();
    // Picks one entry per list of kCascadeLists, in order from the technology.
    void configure(const QStringList& entries) { SetupFormFixture::configure(kCascadeLists, entries); }
};
