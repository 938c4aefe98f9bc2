#pragma once

namespace Pulvane_V4 {

class MotorTSModel {
public:
    MotorTSModel();
};

} // namespace Pulvane_V4
