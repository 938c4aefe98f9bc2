#pragma once

// Registers every form of the program with the shell's form registry.
class FormCatalog {
public:
    static void registerAll();
};
