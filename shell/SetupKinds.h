#pragma once

#include <QList>
#include <QString>

// The setup kinds: the values of System_Type and of a project file's first
// line, with the forms that serve them. The New menu, the start dialog, Open,
// the form registry and every dialog that hands control back to a setup form
// read them here.
class SetupKinds {
public:
    enum Number {
        Controller = 1,
        DriveController = 2,
        // While the accessory dialog edits the drive accessories of an axis of
        // a controller system; no file and no form has this kind.
        ControllerAxisAccessories = 3,
        Drive = 4,
    };

    struct Kind {
        int number;
        // The setup form and its options dialog (empty when it has none).
        QString form;
        QString optionsDialog;
        // As the New menu and the start dialog offer it.
        QString caption;
        // The accessory dialog calls the form back with what it stored (the
        // controller setup shows its accessories in its options dialog only).
        bool formShowsAccessories;
    };

    // Kinds 1, 2 and 4, in the order the New menu and the start dialog offer them.
    static const QList<Kind>& all();
    // The kind of that number; null for any other number, 3 included.
    static const Kind* find(int number);
    // The setup form of a kind; empty for any other number.
    static QString formName(int number);
};
