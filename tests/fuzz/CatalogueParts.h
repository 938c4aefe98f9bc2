#pragma once

#include <QSet>
#include <QString>

// Every part number the open product catalogue can put into a bill of
// material: drives and drive/controllers built from their construction rows
// and drive codes, motors from each catalogue row with its shaft options,
// options and gearheads, cables, accessories and expansion cards,
// controllers and their breakouts. Built once, from System_Database.
class CatalogueParts {
public:
    static bool offers(const QString& partNumber);
    // The axis count of a controller part number, -1 when the catalogue has none.
    static int axesOf(const QString& controllerPartNumber);

private:
    static QSet<QString> build();
};
