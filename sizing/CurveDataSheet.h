#pragma once

#include <string>

namespace Pulvane_V4 {

class MotorTSModel;
class SpecWorkbook;

// Fills a motor's TSData sheet with the 40 points of the curve the model last computed:
// speed, continuous and peak torque (or force), which the Specs sheet's chart draws.
class CurveDataSheet {
public:
    CurveDataSheet(const MotorTSModel& model, SpecWorkbook& book);

    void Write_TS_Data_Sheet(const std::string& TSDataName);

private:
    const MotorTSModel& m_model;
    SpecWorkbook& m_book;
};

} // namespace Pulvane_V4
