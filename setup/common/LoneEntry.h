#pragma once

class ListControl;

// The one rule of every list: a list that offers a single entry selects it,
// and its handler runs as for the user's choice, so that the record holds
// what the list shows. A replay puts back what the project holds instead, so
// that a list left unchosen stays unchosen.
class LoneEntry {
public:
    enum When { OutsideReplay, AlsoInReplay };

    // True when the entry was selected.
    static bool choose(ListControl* list, When when = OutsideReplay);
};
