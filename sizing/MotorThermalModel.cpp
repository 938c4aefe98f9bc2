#include "sizing/MotorThermalModel.h"

namespace Pulvane_V4 {

MotorThermalModel::MotorThermalModel() = default;

} // namespace Pulvane_V4
