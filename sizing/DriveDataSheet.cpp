#include "sizing/DriveDataSheet.h"

#include "sizing/MotorTSModel.h"
#include "sizing/SpecWorkbook.h"

namespace Pulvane_V4 {

DriveDataSheet::DriveDataSheet(const MotorTSModel& model, SpecWorkbook& book)
    : m_model(model), m_book(book)
{
}

void DriveDataSheet::Write_Drive_Data_Sheet(const std::string& DriveDataName)
{
    const MotorTSModel::DriveParameters& d = m_model.m_drive;
    m_book.Select(DriveDataName);
    SpecSheet& s = m_book.Sheet(DriveDataName);
    s.SetRow('B', 5, m_model.m_reference.Dname, " ", "Amplifier Model Number");
    s.SetRow('B', 6, d.Vs, "Volts DC", "Amplifier Bus Voltage");
    s.SetRow('B', 7, d.Vsmax, "Volts DC", "Amplifier Max Bus Voltage");
    s.SetRow('B', 8, d.Vsmin, "Volts DC", "Amplifier Min Bus Voltage");
    s.SetRow('B', 9, d.Sf, "Hz", "Amplifier Switching Freqency");
    s.SetRow('B', 10, d.Iclim, "Amps Peak of Sine", "Continous Amplifier Current");
    s.SetRow('B', 11, d.Iplim, "Amps Peak of Sine", "Peak Amplifier Current");
}

} // namespace Pulvane_V4
