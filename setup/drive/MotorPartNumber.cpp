#include "setup/drive/MotorPartNumber.h"

#include "shell/AxisRecord.h"
#include "shell/Globals.h"

#include <vector>

namespace {

using Field = QString AxisRecord::*;

struct Piece {
    Field field;
    const char* before;
    const char* after;
};

struct Recipe {
    const char* type;
    std::vector<Piece> pieces;
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
        if (record.Part_Number_Type != QLatin1String(recipe.type))
            continue;
        Result result;
        for (const Piece& piece : recipe.pieces) {
            const QString& value = record.*piece.field;
            if (value.isEmpty() || value == QLatin1String("N/A"))
                continue;
            const bool option = piece.field == &AxisRecord::Motor_Option;
            if (option && recipe.stepperDropsNone && value == QLatin1String("None"))
                continue;
            result.partNumber += QLatin1String(piece.before) + Globals::Get_Code(value) + QLatin1String(piece.after);
            if (option && record.Part_Number_Type == QLatin1String("Colbitum"))
                result.clearsGearhead = true;
        }
        return result;
    }
    return std::nullopt;
}
