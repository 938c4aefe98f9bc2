#pragma once

#include <functional>
#include <string>

namespace Pulvane_V4 {

using MessageSinkFunction = std::function<void(const std::string& prompt, const std::string& title)>;

// Where the library's message boxes go. An empty function restores the default, which writes
// the title and the prompt to stderr.
void SetMessageSink(MessageSinkFunction sink);

// Shows one message through the current sink.
void ShowMessage(const std::string& prompt, const std::string& title);

} // namespace Pulvane_V4
