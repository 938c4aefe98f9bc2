#pragma once

#include "sizing/MotorTSModel.h"

#include <array>

namespace Pulvane_V4 {

// Reads the voltage limit's records, which only the spec sheets show.
struct MotorTSModelProbe {
    static std::array<double, 3> VLRecords(const MotorTSModel& m)
    {
        return {m.m_rec.vlCurrent, m.m_rec.vlTw, m.m_rec.vlTc};
    }
};

} // namespace Pulvane_V4
