#pragma once

#include "setup/controller/ControllerControls.h"
#include "setup/common/CascadeControls.h"

#include <QList>
#include <QString>

class AxisSnapshot;
class ControllerConnection;

// The controller list's choice: checks the controller against a drive already
// chosen for the current axis and builds the connection to it, or lists (or
// narrows) the drives the controller works with; a new controller starts its
// configuration empty.
class ControllerChoiceStep {
public:
    ControllerChoiceStep(const CascadeControls& cascadeControls, const ControllerControls& controllerControls,
                         const ControllerConnection& connection);
    ControllerChoiceStep(const ControllerChoiceStep&) = delete;
    ControllerChoiceStep& operator=(const ControllerChoiceStep&) = delete;

    void click();
    // The drives the controller works with (narrowed to those of a chosen
    // series); false when no drive is left.
    bool listDrives() const;

private:
    // A controller other than the last: false when it was refused and the
    // former one stays. A connection the catalogue cannot bill leaves every
    // axis and the form as they were.
    bool choose(const QString& controller) const;
    bool connect(const QString& controller, const AxisSnapshot& before) const;
    // The axes but the current one that the controller does not take
    // (ControllerConnection::takes), as a replay would refuse them.
    QList<int> otherAxesNotFitting(const QString& controller) const;
    // Every other axis' connection for the controller, and its breakout.
    void connectOtherAxes(const QString& controller) const;
    // The configuration made in the options dialog goes, and the form says so.
    void clearConfiguration() const;

    const CascadeControls& m_c;
    const ControllerControls& m_k;
    const ControllerConnection& m_connection;
};
