#pragma once

#include "setup/controller/ControllerControls.h"
#include "setup/common/CascadeControls.h"

class ControllerConnection;
class SelectionCascade;

// The drive list's choice on the controller setup form. The drive may come
// before or after the controller and the motor series, so the step works in
// one of four cases by which of those two lists has a selection: it lists the
// series the drive runs or the frame sizes of drive and series, lists the
// controllers that accept the drive or checks it against the chosen one (and
// then builds the controller connection), and records the drive.
class DriveChoiceStep {
public:
    DriveChoiceStep(const CascadeControls& cascadeControls, const ControllerControls& controllerControls,
                    SelectionCascade& cascade, const ControllerConnection& connection);
    DriveChoiceStep(const DriveChoiceStep&) = delete;
    DriveChoiceStep& operator=(const DriveChoiceStep&) = delete;

    void click();

private:
    const CascadeControls& m_c;
    const ControllerControls& m_k;
    SelectionCascade& m_cascade;
    const ControllerConnection& m_connection;
};
