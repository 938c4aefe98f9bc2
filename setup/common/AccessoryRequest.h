#pragma once

#include "shell/AccessoryChoice.h"

#include <QString>
#include <QStringList>

#include <optional>

class frmAccessories;
struct AxisRecord;

// One opening of the accessory dialog: whose accessories (key) the catalogue
// offers (query), where the choice is kept, the caption, the context that
// closing stores into, and the expansion kinds the configuration takes.
struct AccessoryRequest {
    struct Expansion {
        bool jtr = false;
        bool duw = false;
        bool lumio = false;
        // Cards were chosen.
        bool chosen = false;
    };

    QString key;
    // A statement with one `?` for the key, and the column of the offered texts.
    QString sql;
    QString column;
    QString caption;
    // System_Type while the dialog is open.
    int context = 0;
    // Its offer is filled with what is offered; the stored entries and
    // quantities select it again.
    AccessoryChoice* choice = nullptr;
    // None for drive accessories: both expansion options hide.
    std::optional<Expansion> expansion;

    // The drive accessories of an axis.
    static AccessoryRequest driveAccessories(AxisRecord& record, const QString& drive, const QString& sql,
                                             const QString& column, int context);

    QStringList offered() const;

    // The dialog filled for the request; shown, or only prepared so that its
    // closing stores the choice against what is offered now. One still open
    // for another context closes first and stores its choice there.
    frmAccessories* open(bool show) const;
};
