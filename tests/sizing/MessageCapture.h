#pragma once

#include <string>
#include <utility>
#include <vector>

// Collects the library's messages while it lives, then restores the default sink.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // (prompt, title) pairs in the order shown.
    std::vector<std::pair<std::string, std::string>> messages;
};
