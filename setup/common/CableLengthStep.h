#pragma once

#include "setup/common/CascadeControls.h"

#include <QString>
#include <QStringList>

class ListControl;

// The two cable-length lists: a chosen length gives its cable's part number;
// the first length chosen is handed to the other list when it offers it.
class CableLengthStep {
public:
    enum Cable { MotorCable, FeedbackCable };

    explicit CableLengthStep(const CascadeControls& controls);
    CableLengthStep(const CableLengthStep&) = delete;
    CableLengthStep& operator=(const CableLengthStep&) = delete;

    // A length whose part number the catalogue lacks is not taken.
    void click(Cable cable);

    // The lengths table Cables holds for the cable, one per row, in length
    // order; none for a cable without rows (or none named). Throws
    // DatabaseFault for a row without its length, which no choice can name.
    static QStringList lengths(const QString& cable);
    // Empties the list and fills it with the cable's lengths, nothing selected.
    static void fillLengths(ListControl* list, const QString& cable);
    // Cables.[Cable Part Number] of the cable in that length; empty when the
    // cable has no such length or is no part ("N/A", "No Cable Required").
    // Throws DatabaseFault when the row of a part holds none.
    static QString partNumber(const QString& cable, const QString& length);
    // The part number of the length just chosen in the list. A length whose
    // part number the catalogue lacks is not taken: the list shows its former
    // choice again and DatabaseFault is thrown.
    static QString chosenPartNumber(ListControl* lengths, const QString& cable);

private:
    const CascadeControls& m_c;
};
