#pragma once

namespace Pulvane_V4 {

class MotorPerformanceCheck {
public:
    MotorPerformanceCheck();
};

} // namespace Pulvane_V4
