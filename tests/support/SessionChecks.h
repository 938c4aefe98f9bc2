#pragma once

#include <QString>
#include <QStringList>

class FileDialog;
class mdiMain;

// What every state a user can reach must keep, each as readable faults (none
// when it holds).
namespace SessionChecks {

// The lists of the open setup form that show other than the current axis
// record (and the configuration globals) hold.
QStringList screenFaults();

// The project text of the setup form of the current kind (kind 1 while the
// accessory dialog edits an axis' drive accessories).
QString projectText();

// How the options dialog that a reopening opens was left.
enum Leaving { ByDone, ByCloseBox };

// The lines of two project texts that differ, "line n: "a" became "b"",
// apart from what reopening a project of the kind completes by itself: the
// options dialog it opens chooses the levels of one value, with the
// configuration they name, and a controller saved before they named it takes
// its axis counts. Its Done finishes the configuration as in a session: the
// configuration's lines take what Done gives them. The axes beyond a smaller
// axis count go.
QStringList differences(const QString& before, const QString& after, int kind, Leaving leaving);

} // namespace SessionChecks
