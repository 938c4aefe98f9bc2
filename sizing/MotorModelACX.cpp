#include "sizing/MotorModelACX.h"

namespace Pulvane_V4 {

MotorModelACX::MotorModelACX()
    : m_motor(std::make_unique<MotorTSModel>()),
      m_thermal(std::make_unique<MotorThermalModel>()),
      m_check(std::make_unique<MotorPerformanceCheck>())
{
}

MotorModelACX::~MotorModelACX() = default;

MotorTSModel& MotorModelACX::DLLMotor() { return *m_motor; }
MotorThermalModel& MotorModelACX::DLLThermalModel() { return *m_thermal; }
MotorPerformanceCheck& MotorModelACX::DLLPerformanceCheck() { return *m_check; }

} // namespace Pulvane_V4
