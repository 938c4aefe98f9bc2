#include "sizing/CurveDataSheet.h"

#include "sizing/MotorTSModel.h"
#include "sizing/SizingMath.h"
#include "sizing/SpecWorkbook.h"

namespace Pulvane_V4 {

CurveDataSheet::CurveDataSheet(const MotorTSModel& model, SpecWorkbook& book)
    : m_model(model), m_book(book)
{
}

void CurveDataSheet::Write_TS_Data_Sheet(const std::string& TSDataName)
{
    m_book.Select(TSDataName);
    SpecSheet& s = m_book.Sheet(TSDataName);
    for (int i = 0; i < 40; ++i) {
        const std::string r = std::to_string(i + 5);
        const double speed = m_model.GetSpeedPoint(i);
        // Rotary speeds in rpm, with the model's own value of pi.
        s.SetNumber("B" + r, m_model.IsaLinearMotor() ? speed : speed * 30 / SizingMath::kPi);
        s.SetNumber("C" + r, m_model.GetContTorqPoint(i));
        s.SetNumber("D" + r, m_model.GetPeakTorqPoint(i));
    }
}

} // namespace Pulvane_V4
