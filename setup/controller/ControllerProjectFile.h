#pragma once

#include "setup/common/AxisProjectBlock.h"

#include <QString>
#include <QStringList>

struct ControllerControls;
class Reconciliation;
class frmController_Setup;

// The content of a controller project file (setup kind 1): the blocks of
// axes 1 to 8, the controller's configuration and accessories, and the
// voltage, wiring and technology of each axis, 1193 lines. A controller of
// more than 8 axes, or one whose axes 9 to 16 hold a choice, adds the blocks
// of axes 9 to 16 and their voltages, wirings and technologies after them
// (2249 lines in all); other files never carry that extension. Axes beyond
// the count are kept as they are: the count hides them. A file saved before
// any Done (axis count 0) takes the count its restored options give, as Done
// would.
class ControllerProjectFile {
public:
    static constexpr int Lines = 1193;
    static constexpr int ExtendedLines = 2249;

    // The project text from the axis records and the controller globals.
    static QString text();

    // Copies the file's values into the axis records and the controller
    // globals: what a replay puts back, or every value it holds. Throws
    // std::runtime_error when a line up to 1169 is missing, a number line
    // holds no number, the axis count is not 0 to 16, or a count above 8 or a
    // file as long as the extension comes without the whole extension; lines
    // 1170 to 1193 may be missing.
    static void read(const QStringList& lines, AxisProjectBlock::Values values);
    // Whether the file holds the axis' voltage line, which older files lack.
    static bool holdsVoltageLine(const QStringList& lines, int axis);

    // Puts the copied values back into the form's lists: axis 1 and the
    // controller as a user would choose them, every other axis with a drive
    // once (those beyond the count too), so that all their part numbers are
    // rebuilt, axis 1 shown at the end; then opens the options dialog. What
    // the catalogue does not offer as the file holds it refuses the file
    // (throws) or is left for the user, as the reconciliation says. Clears
    // Loading_Project.
    static void replay(frmController_Setup& form, const ControllerControls& controller,
                       Reconciliation& reconciliation);
};
