#pragma once

#include "setup/common/CascadeControls.h"

#include <QString>

class ListControl;

// The two cable-length lists: a chosen length gives its cable's part number;
// the first length chosen is handed to the other list when it offers it.
class CableLengthStep {
public:
    enum Cable { MotorCable, FeedbackCable };

    explicit CableLengthStep(const CascadeControls& controls);
    CableLengthStep(const CableLengthStep&) = delete;
    CableLengthStep& operator=(const CableLengthStep&) = delete;

    void click(Cable cable);

    // Empties the list and fills it with the lengths table Cables holds for the
    // cable, one entry per row, nothing selected.
    static void fillLengths(ListControl* list, const QString& cable);
    // Cables.[Cable Part Number] of the cable in that length; empty when there is none.
    static QString partNumber(const QString& cable, const QString& length);

private:
    const CascadeControls& m_c;
};
