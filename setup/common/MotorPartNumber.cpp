#include "setup/common/MotorPartNumber.h"

#include "platform/DatabaseFault.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"

#include <vector>

namespace {

// Of the struct that declares the fields: clang 14 compares a member pointer
// converted to the derived record wrongly with an unconverted one.
using Field = QString AxisSelections::*;

struct Segment {
    Field field;
    const char* before;
    const char* after;
};

struct Recipe {
    const char* type;
    std::vector<Segment> segments;
    bool stepperDropsNone;
};

const std::vector<Recipe>& recipes()
{
    static const std::vector<Recipe> table = {
        {"L7_Servo",
         {{&AxisRecord::Motor_Series, "", ""},
          {&AxisRecord::Frame_Size, "", ""},
          {&AxisRecord::Stack_Length, "", ""},
          {&AxisRecord::Winding, "", ""},
          {&AxisRecord::Feedback, "", ""},
          {&AxisRecord::Shaft_Option, "-", ""},
          {&AxisRecord::Cable_Option, "", ""},
          {&AxisRecord::Motor_Option, "", ""}},
         false},
        // The mounting (a shaft option) comes before the feedback, as the lists stand on screen.
        {"QD_Servo",
         {{&AxisRecord::Motor_Series, "", ""},
          {&AxisRecord::Frame_Size, "", ""},
          {&AxisRecord::Stack_Length, "", ""},
          {&AxisRecord::Winding, "", ""},
          {&AxisRecord::Shaft_Option, "", ""},
          {&AxisRecord::Feedback, "", ""},
          {&AxisRecord::Cable_Option, "", ""},
          {&AxisRecord::Motor_Option, "", ""}},
         false},
        {"Stepper",
         {{&AxisRecord::Motor_Series, "", ""},
          {&AxisRecord::Frame_Size, "", ""},
          {&AxisRecord::Stack_Length, "", ""},
          {&AxisRecord::Winding, "", ""},
          {&AxisRecord::Feedback, "-", ""},
          {&AxisRecord::Shaft_Option, "", ""},
          {&AxisRecord::Cable_Option, "", ""},
          {&AxisRecord::Motor_Option, "", ""}},
         true},
        // The winding (captioned "Voltage") takes no part.
        {"Colbitum",
         {{&AxisRecord::Motor_Series, "", "G3-"},
          {&AxisRecord::Frame_Size, "", ""},
          {&AxisRecord::Stack_Length, "", ""},
          {&AxisRecord::Feedback, "", ""},
          {&AxisRecord::Shaft_Option, "-", ""},
          {&AxisRecord::Cable_Option, "", ""},
          {&AxisRecord::Motor_Option, "", ""}},
         false},
    };
    return table;
}

} // namespace

std::optional<MotorPartNumber::Result> MotorPartNumber::build(const AxisRecord& record)
{
    for (const Recipe& recipe : recipes()) {
        if (record.Part_Number_Type.compare(QLatin1String(recipe.type), Qt::CaseInsensitive) != 0)
            continue;
        Result result;
        for (const Segment& segment : recipe.segments) {
            const QString& value = record.*segment.field;
            if (Globals::Is_Not_Applicable(value))
                continue;
            const bool option = segment.field == &AxisRecord::Motor_Option;
            if (option && recipe.stepperDropsNone && value.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0)
                continue;
            result.partNumber += QLatin1String(segment.before) + Globals::Get_Code(value) + QLatin1String(segment.after);
            if (option && QLatin1String(recipe.type) == QLatin1String("Colbitum"))
                result.clearsGearhead = true;
        }
        return result;
    }
    return std::nullopt;
}

QString MotorPartNumber::typeOf(const QString& series)
{
    const QString column = QStringLiteral("PartNumber Type");
    const Recordset& rs = Globals::Run_Query(QStringLiteral("SELECT [Motors].[Motor Name], [Motors].[PartNumber Type] "
                                                            "From [Motors] WHERE ((([Motors].[Motor Name])=?));"),
                                             {series});
    if (rs.eof())
        throw DatabaseFault::missingRow(Globals::System_Database.path(), QStringLiteral("Motors"),
                                        QStringLiteral("Motor Name"), series);
    // A known type in another case is that type; any other stands as it is.
    const QString type = rs.text(column);
    for (const Recipe& recipe : recipes())
        if (type.compare(QLatin1String(recipe.type), Qt::CaseInsensitive) == 0)
            return QLatin1String(recipe.type);
    return type;
}
