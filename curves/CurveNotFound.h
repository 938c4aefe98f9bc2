#pragma once

#include <stdexcept>

// A curve key, row or value the curve databases do not hold.
class CurveNotFound : public std::runtime_error {
public:
    CurveNotFound()
        : std::runtime_error("Performance Curve Not Found")
    {
    }
};
