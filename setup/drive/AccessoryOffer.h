#pragma once

#include "shell/Globals.h"

#include <QString>
#include <QVariantList>

class frmAccessories;
struct AxisRecord;

// How a setup form or an options dialog opens the shared accessory dialog:
// it offers what the catalogue holds for its product, remembers the offered
// list where the choice is stored, and marks the accessories chosen before.
class AccessoryOffer {
public:
    // The accessory dialog for the context about to open it. One still open
    // for another context closes first, storing what it shows there.
    static frmAccessories* dialogFor(int context);

    // Empties the dialog's list and offers the column's text of the rows, at
    // most as many as the lists hold (21); position i goes into listIndex(i)
    // as "i" and its text into listItem(i), later positions keep theirs. A
    // position whose text is one of the entries is selected again.
    static void offer(frmAccessories& dialog, const QString& sql, const QVariantList& params, const QString& column,
                      Globals::List21& listIndex, Globals::List21& listItem, const Globals::List21& entries);

    // The drive accessories of an axis (contexts 3 and 4): offered and marked
    // in the record's lists, shown as "Drive Accessories" without the
    // expansion option, System_Type set to the context.
    static void showDriveAccessories(const QString& sql, const QString& column, const QString& drive,
                                     AxisRecord& record, int context);
};
