#pragma once

#include "sizing/SpecSheet.h"

#include <memory>
#include <string>
#include <vector>

namespace Pulvane_V4 {

// The spec-sheet templates and work books, defined in code. A template holds the sheets
// "Specs", "MotorData", "DriveData" and "TSData" (in that order, so that a book's first sheet
// is always a Specs sheet); the Specs sheet shows the data sheets' values and charts the
// curve sheet. A work book holds its title and one empty sheet of its own.
class SpecTemplate {
public:
    static constexpr const char* kRotaryTemplate = "MotorSpecTemplate.xls";
    static constexpr const char* kLinearTemplate = "LinearSpecTemplate.xls";
    static constexpr const char* kRotaryWorkBook = "MotorSpecWork.xls";
    static constexpr const char* kLinearWorkBook = "MotorSpecWorkLinear.xls";

    struct WorkBook {
        std::string title;
        std::vector<std::unique_ptr<SpecSheet>> sheets;
    };

    // Fresh copies on every call; an unknown file name raises SizingError.
    static std::vector<std::unique_ptr<SpecSheet>> OpenTemplate(const std::string& fileName);
    static WorkBook OpenWorkBook(const std::string& fileName);
};

} // namespace Pulvane_V4
