#pragma once

#include "platform/Recordset.h"

#include <QList>
#include <QString>

// An input voltage (and, for a stepper, a wiring) that a [Drive to Motor] row
// offers, with the column whose drive code it reads.
struct VoltageOffer {
    QString voltage;   // list item
    double bus;
    QString column;
    QString wiring;    // steppers only
};

// The twelve voltage columns of [Drive to Motor] as the motor-options, voltage
// and wiring steps read them.
class VoltageOffers {
public:
    // A column offers unless it is Null or "N/A" (an empty text offers).
    static bool offers(const Recordset& row, const QString& column);
    // In list order. A stepper offers each column by itself, "SERIES" before
    // "PARALLEL"; other motors read the plain column when either column of a
    // pair offers, and the 460 V pair gives "400VAC" before "460VAC".
    static QList<VoltageOffer> of(const Recordset& row, bool stepper);

    // The [Drive to Motor] rows of the part-number types given as a quoted SQL
    // list (all rows without one), with the type (PartNumberType) and the
    // drive's construction pieces.
    static Recordset rows(const QString& partNumberTypes = {});
    // What such a row builds for a column: the drive part number and its curve key.
    static QString drivePartNumber(const Recordset& row, const QString& column);
    static QString curveDriveKey(const Recordset& row, const QString& column);
};
