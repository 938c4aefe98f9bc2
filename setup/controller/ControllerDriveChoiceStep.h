#pragma once

#include "setup/common/DriveChoiceStep.h"
#include "setup/controller/ControllerControls.h"

class ControllerConnection;

// The drive list's choice on the controller setup form. The drive may come
// before or after the controller and the motor series, so the step works in
// one of four cases by which of those two lists has a selection: it lists the
// series the drive runs or the frame sizes of drive and series, lists the
// controllers that accept the drive or checks it against the chosen one (and
// then builds the controller connection), and records the drive.
class ControllerDriveChoiceStep : public DriveChoiceStep {
public:
    ControllerDriveChoiceStep(const CascadeControls& cascadeControls, const ControllerControls& controllerControls,
                              SelectionCascade& cascade, SetupForm& form, const ControllerConnection& connection);

protected:
    // A drive without a picture keeps the previous one.
    void showPicture(const QString& drive) const override;
    void emptyOwn() override;
    bool listAfter(const QString& drive, bool seriesChosen, const AxisSnapshot& before) override;
    void recorded(const QString& drive, AxisRecord& record) override;
    void selectSingle(bool seriesChosen) const override;
    // Only the axis' drive accessory dialog: the controller's own stays.

private:
    const ControllerControls& m_k;
    const ControllerConnection& m_connection;
    // Whether a controller was chosen when the drive's choice began.
    bool m_controllerChosen = false;
};
