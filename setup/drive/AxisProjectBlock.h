#pragma once

#include <QString>
#include <QStringList>

struct AxisRecord;

// Lines 2 to 127 of a drive or drive/controller project file: the axis
// record's choices, notes, cables, the five drive accessory lists and the
// gearhead. Values a replay rebuilds are written but not read back.
class AxisProjectBlock {
public:
    static constexpr int FirstLine = 2;
    static constexpr int LastLine = 127;

    // Appends the block's values, each followed by a CR.
    static void write(const AxisRecord& record, QString& text);
    // Restores the block's kept values from the file's lines (element 0 is line 1).
    // Throws std::runtime_error when a restored line is missing.
    static void read(const QStringList& lines, AxisRecord& record);

    // One value followed by its CR; a line break inside the value becomes a
    // bare LF so that the later lines keep their places.
    static QString value(const QString& text);
    // File line `number` (1-based); throws std::runtime_error when the file is shorter.
    static QString line(const QStringList& lines, int number);
};
