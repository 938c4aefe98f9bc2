#pragma once

#include "sizing/MotorPerformanceCheck.h"
#include "sizing/MotorThermalModel.h"
#include "sizing/MotorTSModel.h"

#include <memory>
#include <string>

namespace Pulvane_V4 {

// The control: creates the three model objects, links them to each other and owns them for
// its whole life.
class MotorModelACX {
public:
    MotorModelACX();
    ~MotorModelACX();
    MotorModelACX(const MotorModelACX&) = delete;
    MotorModelACX& operator=(const MotorModelACX&) = delete;

    MotorTSModel& DLLMotor();
    MotorThermalModel& DLLThermalModel();
    MotorPerformanceCheck& DLLPerformanceCheck();

    // Assigning another object replaces only what the property hands out; the siblings stay
    // linked to the objects the control created. The caller keeps the assigned object alive.
    void DLLMotor(MotorTSModel& value);
    void DLLThermalModel(MotorThermalModel& value);
    void DLLPerformanceCheck(MotorPerformanceCheck& value);

    std::string GetVersionNumber();

private:
    std::unique_ptr<MotorTSModel> m_ownMotor;
    std::unique_ptr<MotorThermalModel> m_ownThermal;
    std::unique_ptr<MotorPerformanceCheck> m_ownCheck;
    MotorTSModel* m_motor;
    MotorThermalModel* m_thermal;
    MotorPerformanceCheck* m_check;
    std::string m_versionSuffix;
};

} // namespace Pulvane_V4
