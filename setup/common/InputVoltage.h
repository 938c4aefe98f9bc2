#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DriveToMotorRow;

// The drive input voltages: the list item, the [Drive to Motor] drive-code
// columns it reads and the DC bus voltage it stands for.
class InputVoltage {
public:
    struct Item {
        QString text;
        QString plainColumn;    // ordinary drives and series wiring
        QString parallelColumn; // parallel wiring
        double busVoltage;
    };

    static const QList<Item>& items();
    // The item of a list text (exact); null for any other text. "400VAC"
    // reads the 460 V pair, for steppers too, at its own bus voltage.
    static const Item* find(const QString& text);

    // The items a row offers, in list order: a pair offers when either column
    // does; the 460 V pair offers "400VAC" and "460VAC".
    static QStringList offered(const DriveToMotorRow& row);
    // "SERIES" and/or "PARALLEL", as the item's two columns offer them.
    static QStringList wirings(const DriveToMotorRow& row, const Item& item);
};
