#pragma once

#include "setup/common/CascadeControls.h"
#include "setup/common/CascadeRules.h"
#include "shell/AccessoryStore.h"
#include "shell/Stage.h"

#include <QString>
#include <QStringList>

#include <functional>

struct AxisRecord;
class ListControl;
class Reconciliation;

// Puts a project's restored axis record back into a setup form's lists in
// cascade order. Each stored value is selected as if the user had picked it,
// so the list handlers (which keep stored slots while Loading_Project is set)
// fill the next list and rebuild every derived value from the database.
class ProjectReplay {
public:
    enum Mode {
        // A project file: what the catalogue no longer offers as the file
        // holds it refuses the file or is left for the user, as the
        // reconciliation's table says.
        Project,
        // An axis of the controller form shown again: a step whose value is not
        // offered leaves its list unselected and the next step runs; the voltage
        // and the wiring go only into lists the motor options step has shown.
        Axis,
        // A controller project file: as in Project mode, but the voltage and
        // the wiring go only into shown lists, as in Axis mode, so that a
        // stale value in a hidden list is no difference.
        ControllerProject,
    };

    // The file's modes need the reconciliation of the opening.
    ProjectReplay(const CascadeControls& controls, Mode mode, Reconciliation* reconciliation = nullptr);
    // Where a file without technology and series finds it by the drive's
    // name: the form's drive table (the drive form's [Drives] until told).
    ProjectReplay& withRules(const CascadeRules& rules);
    // How the drive list comes to hold every drive of the chosen controller,
    // as it does when the controller is chosen after the technology.
    ProjectReplay& withControllerDrives(std::function<void()> list);
    // Whether the file holds the axis' voltage line, followed by another: an
    // empty one is then the user's to choose, where an older file, which ends
    // before it, takes the first voltage offered.
    ProjectReplay& withVoltageLine(bool held);

    // In the file's modes throws std::runtime_error (or DatabaseError) when a
    // stored value that refuses the file is not offered any more or the
    // technology cannot be found; the lists keep what the replay reached.
    // The record is the current axis'.
    void run(AxisRecord& record) const;

    // The technology of a file that has none: the series' motor type, else the drive's type.
    QString lookUpTechnology(const AxisRecord& record) const;

    // A project's accessory lists: throws std::runtime_error unless some
    // accessory dialog could have stored them, whatever it offered.
    static void checkAccessories(const AccessoryChoice& choice);

    // Selects the value in the list, which runs its handler; throws when the list lacks it.
    static void select(ListControl* list, const QString& value);
    // An empty value clears the list's selection instead.
    static void selectOrClear(ListControl* list, const QString& value);

private:
    template <class Step>
    void attempt(Stage stage, Step step) const;

    const CascadeControls& m_c;
    CascadeRules m_rules;
    Mode m_mode;
    Reconciliation* m_reconciliation;
    std::function<void()> m_controllerDrives;
    bool m_voltageLine = false;
};
