#pragma once

#include "platform/FileDialog.h"
#include "platform/MsgBox.h"
#include "platform/ShellOpen.h"

#include <benchmark/benchmark.h>

#include <QString>

class QWidget;
class mdiMain;

// What every GUI row shares: one application with the message, file-dialog and
// shell seams answering, the three catalogues, the main window, and the frame
// a user waits for (handler plus repaint).
namespace BenchSession {

// The catalogue of a row's argument: 0 the sample, 1 a hundred times, 2 a
// thousand times as many rows.
enum Catalogue { Sample = 0, Large = 1, Huge = 2 };
const char* label(int catalogue);
// Registers a row on every catalogue, in milliseconds.
benchmark::internal::Benchmark* onEveryCatalogue(benchmark::internal::Benchmark* row);

// Creates the application once (offscreen unless QT_QPA_PLATFORM says otherwise).
void start();
MsgBox::Seam& messages();
FileDialog::Seam& files();
// A folder for the files the rows write.
QString scratchFolder();

// The shown main window, created on first use; drop() destroys it.
mdiMain& mainWindow();
void dropMainWindow();

// Global state as at start-up on a catalogue, no form loaded.
void useCatalogue(int catalogue);

// The shown setup form of a kind on a catalogue, from the start state.
QWidget* setupForm(int kind, int catalogue);
// A user's choice of an entry; throws when the list or the entry is missing.
void choose(QWidget* form, const char* list, const char* entry);

// Lets the posted events run (layout and the repaint of a shown window into
// its backing store; a hidden widget is painted into an image): what stands
// between a handler and the user's eyes.
void settle(QWidget* widget);

// Closes a form and lets the main window repaint where it was: the closing's
// work, kept out of a row that times the next opening.
void closeAndSettle(const QString& form);

// Ends a row: a message shown during it voids its figures; the forms go and
// the state is reset.
void finish(benchmark::State& state);

} // namespace BenchSession
