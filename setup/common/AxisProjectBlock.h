#pragma once

#include <QString>
#include <QStringList>

struct AxisRecord;

// The values of one axis in a project file: the axis record's choices,
// notes, cables, the five drive accessory lists and the gearhead (lines 2 to
// 127 of a drive or drive/controller file). A controller file holds one such
// block per axis, each followed by the axis' controller cable, its length and
// its notes. Values a replay rebuilds are written but not read back.
class AxisProjectBlock {
public:
    enum Layout { SingleAxis, ControllerAxis };
    // What a read takes: what a replay puts back (the choices), or every
    // value the file holds, those the replay rebuilds from the catalogue too.
    enum Values { Restored, Held };

    static constexpr int FirstLine = 2;
    static constexpr int LastLine = 127;

    // Lines of one block: 126, or 129 with the controller cable.
    static int lineCount(Layout layout) { return layout == ControllerAxis ? 129 : 126; }

    // Appends the block's values, each followed by a CR.
    static void write(const AxisRecord& record, QString& text, Layout layout = SingleAxis);
    // Reads the block's values from the file's lines (element 0 is line 1),
    // the block beginning at line firstLine. Throws std::runtime_error when a
    // line is missing.
    static void read(const QStringList& lines, AxisRecord& record, int firstLine = FirstLine,
                     Layout layout = SingleAxis, Values values = Restored);

    // One value followed by its CR; a line break inside the value becomes a
    // bare LF so that the later lines keep their places.
    static QString value(const QString& text);
    // The line of the drive's name in a block beginning at firstLine: an axis
    // with a drive is a configured one.
    static int driveNameLine(int firstLine);

    // File line `number` (1-based); throws std::runtime_error when the file is shorter.
    static QString line(const QStringList& lines, int number);
};
