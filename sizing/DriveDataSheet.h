#pragma once

#include <string>

namespace Pulvane_V4 {

class MotorTSModel;
class SpecWorkbook;

// Fills a motor's DriveData sheet: amplifier name, bus voltages, switching frequency and
// current limits.
class DriveDataSheet {
public:
    DriveDataSheet(const MotorTSModel& model, SpecWorkbook& book);

    void Write_Drive_Data_Sheet(const std::string& DriveDataName);

private:
    const MotorTSModel& m_model;
    SpecWorkbook& m_book;
};

} // namespace Pulvane_V4
