#include "sizing/MotorTSModel.h"

namespace Pulvane_V4 {

MotorTSModel::MotorTSModel() = default;

} // namespace Pulvane_V4
