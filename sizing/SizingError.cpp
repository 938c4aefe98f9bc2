#include "sizing/SizingError.h"

namespace Pulvane_V4 {

SizingError::SizingError(const std::string& what) : std::runtime_error(what) {}

// Out of line so that the type's identity lives in the library.
SizingError::~SizingError() = default;

} // namespace Pulvane_V4
