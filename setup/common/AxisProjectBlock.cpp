#include "setup/common/AxisProjectBlock.h"

#include "shell/AxisRecord.h"
#include "shell/frmGear.h"

#include <QList>
#include <QPair>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

// Of the struct that declares the fields: clang 14 compares a member pointer
// converted to the derived record wrongly with an unconverted one.
using Field = QString AxisSelections::*;
using List = AccessoryChoice::List21 AccessoryChoice::*;

struct Single {
    Field field;
    bool restored;
};

// Lines 2 to 20.
const std::array<Single, 19> kHeader = {{
    {&AxisRecord::Part_Number_Type, true},
    {&AxisRecord::Motor_Part_Number, false},
    {&AxisRecord::Motor_Notes, false},
    {&AxisRecord::Motor_Series, true},
    {&AxisRecord::Frame_Size, true},
    {&AxisRecord::Stack_Length, true},
    {&AxisRecord::Winding, true},
    {&AxisRecord::Feedback, true},
    {&AxisRecord::Shaft_Option, true},
    {&AxisRecord::Cable_Option, true},
    {&AxisRecord::Motor_Option, true},
    {&AxisRecord::Drive_Name, true},
    {&AxisRecord::Drive_Notes, false},
    {&AxisRecord::Drive_Part_Number, false},
    {&AxisRecord::Motor_Cable, false},
    {&AxisRecord::Motor_Cable_Length, true},
    {&AxisRecord::Feedback_Cable, false},
    {&AxisRecord::Feedback_Cable_Length, true},
    {&AxisRecord::Required_Drive_Accessory, true},
}};

// The line of a header field in a block beginning at firstLine.
int fieldLine(int firstLine, Field field)
{
    const auto at = std::ranges::find(kHeader, field, &Single::field);
    return firstLine + static_cast<int>(at - kHeader.begin());
}

// Frame sizes of "QD_Servo" files written before they were code-and-description items.
QString qdFrameSize(const QString& frameSize)
{
    static const QList<QPair<QString, QString>> codes = {
        {QStringLiteral("66"), QStringLiteral("66 = 2 in")},   {QStringLiteral("72"), QStringLiteral("72 = 2 3/4 in")},
        {QStringLiteral("89"), QStringLiteral("89 = 3 in")},   {QStringLiteral("114"), QStringLiteral("114 = 4 in")},
        {QStringLiteral("142"), QStringLiteral("142 = 6 in")}, {QStringLiteral("190"), QStringLiteral("190 = 8 in")},
    };
    for (const auto& code : codes)
        if (code.first == frameSize)
            return code.second;
    return frameSize;
}

// Lines 21 to 125, 21 entries each.
const std::array<List, 5> kLists = {&AccessoryChoice::Entry, &AccessoryChoice::Quantity,
                                    &AccessoryChoice::Description, &AccessoryChoice::List_Index,
                                    &AccessoryChoice::List_Item};

} // namespace

QString AxisProjectBlock::value(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out += QLatin1Char('\r');
    return out;
}

QString AxisProjectBlock::line(const QStringList& lines, int number)
{
    if (number < 1 || number > lines.size())
        throw std::runtime_error("The project file ends before line " + std::to_string(number) + ".");
    return lines.at(number - 1);
}

int AxisProjectBlock::driveNameLine(int firstLine)
{
    return fieldLine(firstLine, &AxisRecord::Drive_Name);
}

void AxisProjectBlock::write(const AxisRecord& record, QString& text, Layout layout)
{
    for (const Single& s : kHeader)
        text += value(s.field == &AxisSelections::Motor_Option ? frmGear::Saved_Option(record) : record.*s.field);
    for (List list : kLists)
        for (const QString& entry : record.Drive_Accessories.*list)
            text += value(entry);
    text += value(record.Gearhead_Notes);
    text += value(record.Gearhead_Code);
    if (layout == ControllerAxis) {
        text += value(record.Controller_Cable);
        text += value(record.Controller_Cable_Length);
        text += value(record.Controller_Cable_Notes);
    }
}

void AxisProjectBlock::read(const QStringList& lines, AxisRecord& record, int firstLine, Layout layout,
                            Values values)
{
    int number = firstLine;
    for (const Single& s : kHeader) {
        if (s.restored || values == Held)
            record.*s.field = line(lines, number);
        ++number;
    }
    if (record.Part_Number_Type == QLatin1String("QD_Servo") && record.Frame_Size.size() <= 3)
        record.Frame_Size = qdFrameSize(record.Frame_Size);
    for (List list : kLists)
        for (QString& entry : record.Drive_Accessories.*list)
            entry = line(lines, number++);
    // The notes may have been typed in the gearhead dialog: the file keeps them.
    record.Gearhead_Notes = line(lines, number++);
    record.Gearhead_Code = line(lines, number++);
    if (layout == ControllerAxis) {
        // The cable and its notes come back with the axis' drive; a block cut
        // short fails even at its last line.
        const QString cable = line(lines, number);
        record.Controller_Cable_Length = line(lines, number + 1);
        const QString notes = line(lines, number + 2);
        if (values == Held) {
            record.Controller_Cable = cable;
            record.Controller_Cable_Notes = notes;
        }
    }
}
