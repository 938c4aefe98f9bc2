#pragma once

#include <stdexcept>
#include <string>

namespace Pulvane_V4 {

// Raised where the model's arithmetic has no finite answer (a division by zero, the root of a
// negative number) or an iteration does not settle within its cap.
class SizingError : public std::runtime_error {
public:
    explicit SizingError(const std::string& what);
    ~SizingError() override;
};

} // namespace Pulvane_V4
