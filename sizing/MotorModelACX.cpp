#include "sizing/MotorModelACX.h"

namespace Pulvane_V4 {

MotorModelACX::MotorModelACX()
    : m_ownMotor(std::make_unique<MotorTSModel>()),
      m_ownThermal(std::make_unique<MotorThermalModel>()),
      m_ownCheck(std::make_unique<MotorPerformanceCheck>()),
      m_motor(m_ownMotor.get()),
      m_thermal(m_ownThermal.get()),
      m_check(m_ownCheck.get())
{
    m_thermal->SetMotorTSModel(*m_motor);
    m_thermal->SetMotorPerformanceCheck(*m_check);
    m_motor->SetMotorPerformanceCheck(*m_check);
    m_motor->SetMotorThermalModel(*m_thermal);
    m_check->SetMotorTSModel(*m_motor);
    m_versionSuffix = ".4";
}

MotorModelACX::~MotorModelACX() = default;

MotorTSModel& MotorModelACX::DLLMotor() { return *m_motor; }
MotorThermalModel& MotorModelACX::DLLThermalModel() { return *m_thermal; }
MotorPerformanceCheck& MotorModelACX::DLLPerformanceCheck() { return *m_check; }

void MotorModelACX::DLLMotor(MotorTSModel& value) { m_motor = &value; }
void MotorModelACX::DLLThermalModel(MotorThermalModel& value) { m_thermal = &value; }
void MotorModelACX::DLLPerformanceCheck(MotorPerformanceCheck& value) { m_check = &value; }

std::string MotorModelACX::GetVersionNumber()
{
    return DLLPerformanceCheck().GetVersionNumber() + m_versionSuffix;
}

} // namespace Pulvane_V4
