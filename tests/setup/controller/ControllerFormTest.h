#pragma once

#include "support/SetupFormFixture.h"

#include <QStringList>

class frmController_Setup;

// The axis' lists in cascade order, from the technology to the cable lengths.
extern const QStringList kAxisLists;

extern const QString kControllerPrompt;
extern const QString kDrivePrompt;

// The controller setup form on the sample catalogue, driven through its controls.
class ControllerFormTest : public SetupFormFixture {
protected:
    ControllerFormTest();
    void SetUp() override;

    frmController_Setup* form();
    AxisRecord& axis(int number);

    // Picks one entry per list of kAxisLists, in order; an empty entry leaves
    // that list as the cascade left it.
    void configure(const QStringList& entries) { SetupFormFixture::configure(kAxisLists, entries); }
    // The controller of that many axes, as the options dialog leaves it.
    void useAxes(int axes);
    // The user picks the axis in the axis list.
    void switchTo(int axis);
};
