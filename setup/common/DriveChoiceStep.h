#pragma once

#include "setup/common/CascadeControls.h"

#include <QString>

class AxisSnapshot;
struct AxisRecord;
class SelectionCascade;
class SetupForm;

// The drive list's choice. The drive may come before or after the motor
// series: with a series chosen the step lists the frame sizes of drive and
// series, else the series offered with the drive, dropping Stage::Series. It
// drops what the drive before configured (Stage::Drive: a replay keeps it),
// records the drive, shows the drive's button and lets the list after the
// drive select its only entry.
// The defaults are the drive form's; a form that lists, keeps or shows more
// overrides the hooks.
class DriveChoiceStep {
public:
    DriveChoiceStep(const CascadeControls& controls, SelectionCascade& cascade, SetupForm& form);
    virtual ~DriveChoiceStep();
    DriveChoiceStep(const DriveChoiceStep&) = delete;
    DriveChoiceStep& operator=(const DriveChoiceStep&) = delete;

    void click();

protected:
    // The drive's picture; a drive without one hides the box.
    virtual void showPicture(const QString& drive) const;
    // Empties what the form lists or shows beside the cascade, before the
    // lists after the drive are filled.
    virtual void emptyOwn() {}
    // Fills the lists after the drive. False when the choice was refused: the
    // axis reset, or put back as `before` holds it.
    virtual bool listAfter(const QString& drive, bool seriesChosen, const AxisSnapshot& before);
    // The form's own steps once the record names the drive.
    virtual void recorded(const QString& /*drive*/, AxisRecord& /*record*/) {}
    // With the lists loaded: the list after the drive selects its only entry.
    virtual void selectSingle(bool seriesChosen) const;
    // The list shows the drive recorded last: nothing to do unless the form says so.
    virtual void chosenAgain(const QString& /*drive*/) {}

    // The steps from recording the drive on.
    void finish(const QString& drive, bool seriesChosen, AxisRecord& record);

    const CascadeControls& m_c;
    SelectionCascade& m_cascade;

private:
    void chosen(const QString& drive, const AxisSnapshot& before, AxisRecord& record);

    SetupForm& m_form;
};
