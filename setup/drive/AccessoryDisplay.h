#pragma once

#include <QString>

#include <array>

class QWidget;
class TextBox;

// The chosen accessories as the setup forms and options dialogs list them.
class AccessoryDisplay {
public:
    // One non-empty entry per line, each ended by CR LF, with box and label
    // shown; an empty first entry means none (later entries are then not
    // listed) and hides both.
    static void show(TextBox* box, QWidget* label, const std::array<QString, 21>& entries);
};
