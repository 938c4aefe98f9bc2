#pragma once

class Form;
class SetupForm;

// What the setup forms share around their project content: their own
// Open_File and the end of a load that could not be finished.
class SetupProjectFile {
public:
    // Open_File of a setup form of kind ownKind: the user picks a file; the
    // form is reset and the file is replayed into the setup form of its kind
    // (this one, or another one after this one is unloaded).
    static void open(Form& self, SetupForm& setup, int ownKind);

    // Leaves no flag set and names no file, so that a later Save cannot
    // overwrite it by mistake; the user is told.
    static void loadFailed();
};
