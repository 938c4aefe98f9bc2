#include "sizing/MotorPerformanceCheck.h"

namespace Pulvane_V4 {

MotorPerformanceCheck::MotorPerformanceCheck() = default;

} // namespace Pulvane_V4
