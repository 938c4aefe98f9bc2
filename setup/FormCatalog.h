#pragma once

// Registers every form of the program with the shell's form registry, and
// the start-up reset of the modules above the shell with Globals.
class FormCatalog {
public:
    static void registerAll();
};
