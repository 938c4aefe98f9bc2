#pragma once

namespace Pulvane_V4 {

class MotorThermalModel {
public:
    MotorThermalModel();
};

} // namespace Pulvane_V4
