#pragma once

#include <QString>

#include <array>

// The accessories chosen for one context (the controller, the
// drive/controller, an axis' drive): five parallel lists of 21 entries, the
// i-th of each about the same accessory. The accessory dialog stores Entry,
// Quantity and Description; List_Index and List_Item are the dialog's offer
// the entries were chosen from.
struct AccessoryChoice {
    using List21 = std::array<QString, 21>;

    List21 Entry;
    List21 Quantity;
    List21 Description;
    List21 List_Index;
    List21 List_Item;

    // Nothing chosen, nothing offered.
    void clear() { *this = AccessoryChoice(); }

    bool operator==(const AccessoryChoice&) const = default;
};
