#pragma once

#include <string>

namespace Pulvane_V4 {

class MotorTSModel;
class SpecSheet;
class SpecWorkbook;

// Fills a motor's MotorData sheet: every motor parameter with its unit and description, the
// stall and peak values, the rated point (computing the curve and filling the curve sheet on
// the way), the voltage-limit type and the winding scaling data.
class MotorDataSheet {
public:
    MotorDataSheet(MotorTSModel& model, SpecWorkbook& book);

    void Write_Rotary_Motor_Data_Sheet(const std::string& MotorDataName,
                                       const std::string& TSDataName);
    void Write_Linear_Motor_Data_Sheet(const std::string& MotorDataName,
                                       const std::string& TSDataName);

private:
    void Write(bool linear, const std::string& MotorDataName, const std::string& TSDataName);
    void Write_Scaling_Table(SpecSheet& sheet);

    MotorTSModel& m_model;
    SpecWorkbook& m_book;
};

} // namespace Pulvane_V4
