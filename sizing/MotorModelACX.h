#pragma once

#include "sizing/MotorPerformanceCheck.h"
#include "sizing/MotorThermalModel.h"
#include "sizing/MotorTSModel.h"

#include <memory>

namespace Pulvane_V4 {

// The control: owns the three model objects for its whole life.
class MotorModelACX {
public:
    MotorModelACX();
    ~MotorModelACX();
    MotorModelACX(const MotorModelACX&) = delete;
    MotorModelACX& operator=(const MotorModelACX&) = delete;

    MotorTSModel& DLLMotor();
    MotorThermalModel& DLLThermalModel();
    MotorPerformanceCheck& DLLPerformanceCheck();

private:
    std::unique_ptr<MotorTSModel> m_motor;
    std::unique_ptr<MotorThermalModel> m_thermal;
    std::unique_ptr<MotorPerformanceCheck> m_check;
};

} // namespace Pulvane_V4
