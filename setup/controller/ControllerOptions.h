#pragma once

#include "shell/AccessoryStore.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What [All Controllers], [Controller Option Names] and [Controller
// Accessories] hold for the six option levels of a controller: each level's
// values narrowed by the values chosen above it, the level captions, the
// configuration the six values name and its axis counts.
class ControllerOptions {
public:
    static constexpr int Levels = 6;

    // The values of level (1 to 6) for the values chosen on the levels above
    // (above.size() == level - 1), in the catalogue's order. Level 1 leaves out
    // "N/A", empty and Null values; the others every value but Null.
    static QStringList levelValues(const QString& controller, int level, const QStringList& above);

    // The six level captions, empty without a row.
    static QStringList captions(const QString& controller);

    struct Configuration {
        QString partNumber;
        bool jtrReady = false;
        bool duwReady = false;
        bool lumioReady = false;
        QString expansionNotes;
    };
    // The configuration of the six values; empty values and no readiness without a row.
    static Configuration configuration(const QString& controller, const QStringList& values);
    // The card rows the accessory dialog offers for the six saved values (OptionsTable::cards).
    static QVector<AccessoryStore::CardRow> cards(const QString& controller, const QStringList& values);

    struct AxisCounts {
        int axes = 0;
        int servos = 0;
        int steppers = 0;
    };
    // The axis counts of the configuration of the six values, from the row
    // that gives its part number (another row may hold the same number).
    // Throws DatabaseFault naming [All Controllers] when it has no row or no
    // part number, or a count is no whole number within the form's axes (at
    // least one axis).
    static AxisCounts axisCounts(const QString& controller, const QStringList& values);
    // The counts of the configuration become the system's (as Done sets
    // them); on a fault the system keeps its counts.
    static void takeAxisCounts(const QString& controller, const QStringList& values);
    // The six values Controller_Options holds.
    static QStringList saved();

    // The controller's offered accessories, one row each in [Controller Accessory].
    static const QString& accessoriesSql();
};
