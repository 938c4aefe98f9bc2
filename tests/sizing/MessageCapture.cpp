#include "MessageCapture.h"

#include "sizing/MessageSink.h"

MessageCapture::MessageCapture()
{
    Pulvane_V4::SetMessageSink([this](const std::string& prompt, const std::string& title) {
        messages.emplace_back(prompt, title);
    });
}

MessageCapture::~MessageCapture()
{
    Pulvane_V4::SetMessageSink({});
}
