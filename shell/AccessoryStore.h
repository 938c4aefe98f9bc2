#pragma once

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
        // Texts of the controller options dialog's cmb1(1) and cmb1(2)
        // (option levels 2 and 3), for the breakout-module quantity.
        QString controllerOption2;
        QString controllerOption3;
    };

    static constexpr int Entries = 21;

    // Context 1 controller, 2 drive/controller, 3 and 4 the drive of the
    // current axis; another context stores nothing. Returns how many chosen
    // entries found no room in the 21 entries.
    static int Store(int context, const Choice& choice);

    // Quantity of a controller accessory: "1", or for a breakout module
    // ("HX25...") the count that fits the controller's axes ("" when none does).
    static QString Breakout_Quantity(const QString& entry, const QString& controllerName,
                                     const QString& controllerOption2, const QString& controllerOption3);
};
