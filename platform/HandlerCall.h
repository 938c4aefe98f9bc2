#pragma once

#include <functional>

// Runs an event handler on behalf of the event loop. A handler that fails is
// reported to the user instead of unwinding through Qt.
class HandlerCall {
public:
    static void fromEventLoop(const std::function<void()>& handler);
};
