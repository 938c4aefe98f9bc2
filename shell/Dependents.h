#pragma once

#include "shell/Stage.h"

#include <QString>

#include <QList>
#include <QStringList>

// What a choice leaves standing for nothing, in one place: every value of the
// axis records and of the systems' state names its stage in one table, and
// every window names what it configures when it opens (Form::setSubject).
// Each cascade choice, a new controller or drive/controller, Reset, Reset
// Axis, an axis switch, a copy, and File > Open, Close and New drop their
// stage; an axis count is no stage and drops nothing.
struct ProjectValues;

class Dependents {
public:
    enum Keep {
        // Every value at or below the stage goes.
        Nothing,
        // The record stays as it is: only the windows that work on it through
        // the form's lists go (the axis the form leaves).
        Values,
        // Every value at or below the stage goes, and no window: a setup form
        // that refused a file stays as its Reset leaves it.
        Windows,
    };

    // Closes the windows that configure something at or below the stage, the
    // one opened last first (a dialog as its Cancel closes it, which may store
    // what it shows), then empties the values at or below it: of the axis for
    // an axis' stage (the current axis for 0), of every axis for the project
    // and the system. While Loading_Project is set a stage below the system
    // keeps what a replay restores and closes no window: the replay puts back
    // what the record holds and rebuilds what derives from it.
    static void drop(Stage stage, int axis = 0, Keep keep = Nothing);
    // The first half of drop: a choice that may be refused closes the windows
    // before it takes its snapshot, so that what they store is kept on No.
    static void closeWindows(Stage stage, int axis = 0, Keep keep = Nothing);
    // The axis names a drive chosen anew, whose accessory dialog offers these
    // accessories: what only a file carries for a drive (Stage::DriveOffer)
    // goes unless the new drive offers it too, so that the project still opens.
    static void driveChosen(const QStringList& offered, int axis = 0);

    // A value that one state of a project holds otherwise than another: its
    // axis (0 for the system's values), what the user knows it by, and its
    // text in each ("" for none). `folded`: an entry held in several rows in
    // `saved`, in one in `now`.
    struct Difference {
        int axis = 0;
        QString what;
        QString saved;
        QString now;
        bool folded = false;
    };
    // Every value of the table that `now` holds otherwise than `saved`, in
    // table order, axis by axis then the systems'. A value `saved` holds
    // empty (0, false) is none, which a reopening may complete; texts compare
    // without regard to case, as the catalogue's names do.
    static QList<Difference> differences(const ProjectValues& saved, const ProjectValues& now);

    // Whether `stage` is `outer` or lies below it.
    static bool within(Stage stage, Stage outer);
    // The stages right above; none for the project.
    static QList<Stage> parents(Stage stage);
    // Whether the stage belongs to one axis (else to the system).
    static bool ofAxis(Stage stage) { return within(stage, Stage::Axis); }
};
