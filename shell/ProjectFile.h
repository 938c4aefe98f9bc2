#pragma once

#include "platform/FileDialog.h"

#include <QString>

class mdiMain;

// The File commands Open, Save and Save As of the main window: a project file
// is the setup kind on its first line and the setup form's values after it,
// each followed by a carriage return.
namespace ProjectFile {

// The dialog all three commands show: ".dat" files preselected, no default extension.
FileDialog::Settings dialogSettings();

// Checks the chosen file before anything changes, then shows the setup form of
// its kind and replays the file into it.
void open(mdiMain& main);
// Writes Save_String of the setup form of the current kind to the project's
// file, asking for a name while the project has none. With no setup form
// open neither asks nor writes.
void save(mdiMain& main);
void saveAs(mdiMain& main);

// The setup kind a project text declares on its first line (1, 2 or 4), or 0
// with the reason in why.
int projectKind(const QString& text, const QString& fileName, QString* why);

} // namespace ProjectFile
