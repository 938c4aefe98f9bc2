#pragma once

#include "shell/AccessoryChoice.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What the accessory dialog stores when it closes, apart from the window:
// the chosen accessories and I/O cards go into the Entry, Quantity and
// Description lists of the context in System_Type.
class AccessoryStore {
public:
    struct CardRow {
        QString card;        // part number (lblTuq_Card)
        QString description; // lblTuq_Desc
        QString quantity;    // text of cmbTuq
    };

    struct Choice {
        QStringList accessories; // the chosen list entries, in list order
        bool expansion = false;  // the expansion option is chosen
        QVector<CardRow> cards;  // the card rows in row order
        // The controller's option levels 2 and 3 (Controller_Options), for
        // the breakout-module quantity.
        QString controllerOption2;
        QString controllerOption3;
    };

    // What the dialog offers: the list's entries, the card rows of the
    // configuration's expansion type (quantity: the row's own) and, for a
    // controller, the option levels its breakout quantity follows.
    struct Offer {
        QStringList accessories;
        QVector<CardRow> cards;
        QString controllerOption2;
        QString controllerOption3;
    };

    using List21 = AccessoryChoice::List21;

    static constexpr int Entries = 21;
    static constexpr int Card_Rows = 18;

    // Into the lists of the context (SetupKinds::AccessoryContext): the
    // controller's, the drive/controller's, or the current axis' drive
    // accessories; another context stores nothing. Returns how many chosen
    // entries found no room in the 21 entries.
    static int Store(int context, const Choice& choice);

    // Whether the dialog could have stored these lists in the context from
    // the offer: entries packed from the first, each an offered accessory
    // with its quantity and description or, in a context with the expansion
    // option, an offered card with its description and a quantity its row
    // offers (1 to 8, or the row's own), whatever the expansion flag, and
    // none more often than it is offered.
    static bool Storable(int context, const Offer& offer, const AccessoryChoice& choice);
    // The lists without the entries the offer lacks (an accessory not
    // listed, a card whose row is gone or does not offer its quantity) and
    // without an entry's second row: what the dialog, opened over them, can
    // show again.
    static AccessoryChoice Offered_Part(int context, const Offer& offer, const AccessoryChoice& choice);
    // Whether some accessory dialog could have stored the lists, whatever it
    // offered: entries packed from the first, each in at most two rows that
    // agree (the rows of a catalogue that holds its row twice, each selected).
    static bool Could_Be_Stored(const AccessoryChoice& choice);
    // Whether a required drive accessory is none or the part number of one
    // of the offered drive accessories.
    static bool Offers(const QStringList& offered, const QString& required);

    // The expansion option's caption for a configuration ready for these
    // types (the last ready one stands), empty when it takes none; and the
    // type a caption names ("JTR", "DUW", "LUMIO"), empty for none.
    static QString Expansion_Caption(bool jtr, bool duw, bool lumio);
    static QString Expansion_Type(const QString& caption);
    // The card rows of an expansion type as the dialog shows them: each card
    // once, the first Card_Rows, each with its required quantity ("0" when
    // there is none) and its description as it stands.
    static QVector<CardRow> Cards(const QString& type);

    // Quantity of a controller accessory: "1", or for a breakout module
    // ("HX25...") the count that fits the controller's axes ("" when none does).
    static QString Breakout_Quantity(const QString& entry, const QString& controllerName,
                                     const QString& controllerOption2, const QString& controllerOption3);
};
