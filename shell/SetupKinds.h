#pragma once

#include "shell/Report.h"
#include "shell/Stage.h"

#include <QList>
#include <QString>

struct AccessoryChoice;

// The setup kinds: the values of System_Type and of a project file's first
// line, with what differs between them. The New menu, the start dialog, Open,
// the report, the form registry and every dialog that hands control back to a
// setup form read them here, so that no caller decides by a kind's number.
class SetupKinds {
public:
    enum Number {
        Controller = 1,
        DriveController = 2,
        // While the accessory dialog edits the drive accessories of an axis of
        // a controller system; no file and no form has this kind.
        ControllerAxisAccessories = 3,
        Drive = 4,
        // No dialog opens with it, yet the main window brings an accessory
        // dialog back under it as under the four contexts.
        ReservedAccessoryContext = 5,
    };

    // The setup forms and their options dialogs name themselves here (each
    // class's Name is one of these), so that the shell reaches them without
    // including the setup layer.
    static constexpr QLatin1StringView ControllerForm{"frmController_Setup"};
    static constexpr QLatin1StringView ControllerOptionsDialog{"frmControl"};
    static constexpr QLatin1StringView DriveControllerForm{"frmDriveController_Setup"};
    static constexpr QLatin1StringView DriveControllerOptionsDialog{"frmDriveControl"};
    static constexpr QLatin1StringView DriveForm{"frmDrive_Setup"};

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
        // The report's part of this kind, after the heading every kind shares.
        void (*writeReport)(QString& text, Globals::Bill& bill);
    };

    // The accessory dialog's contexts: the value of System_Type while it is
    // open tells it what to offer, where to store and whom to hand back to.
    struct AccessoryContext {
        int number;
        // The kind whose setup form or options dialog opened the dialog; the
        // dialog leaves System_Type at it when it closes.
        int kind;
        // Opened by the kind's options dialog, which comes back under it and
        // hears of the choice; else by the setup form.
        bool byOptionsDialog;
        // The expansion option and its cards are offered and the choice is
        // kept in this flag; null where they are not.
        int* expansion;
        // A controller's breakout module counts as many as its axes need, read
        // from the options dialog's levels.
        bool breakoutQuantity;
        // Where the dialog stores the choice (an axis' follows the current axis).
        AccessoryChoice& (*choice)();
        // What the dialog configures: a choice that drops it closes the dialog.
        Stage stage;
    };

    // Kinds 1, 2 and 4, in the order the New menu and the start dialog offer them.
    static const QList<Kind>& all();
    // The kind of that number; null for any other number, 3 included.
    static const Kind* find(int number);
    // The setup form of a kind; empty for any other number.
    static QString formName(int number);
    // The kind of the open project under a System_Type: while the accessory
    // dialog edits an axis' drive accessories (3) it is still the controller's.
    static int projectKind(int systemType)
    {
        return systemType == ControllerAxisAccessories ? Controller : systemType;
    }

    // The context of that number; null for any other number.
    static const AccessoryContext* accessoryContext(int number);
    // Whether the main window brings back an accessory dialog open under this System_Type.
    static bool reshowsAccessories(int number) { return number >= Controller && number <= ReservedAccessoryContext; }
};
