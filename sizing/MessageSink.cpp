#include "sizing/MessageSink.h"

#include <iostream>
#include <utility>

namespace Pulvane_V4 {

namespace {

void WriteToStderr(const std::string& prompt, const std::string& title)
{
    if (title.empty())
        std::cerr << prompt << '\n';
    else
        std::cerr << title << ": " << prompt << '\n';
}

MessageSinkFunction& CurrentSink()
{
    static MessageSinkFunction sink = WriteToStderr;
    return sink;
}

} // namespace

void SetMessageSink(MessageSinkFunction sink)
{
    CurrentSink() = sink ? std::move(sink) : MessageSinkFunction(WriteToStderr);
}

void ShowMessage(const std::string& prompt, const std::string& title)
{
    CurrentSink()(prompt, title);
}

} // namespace Pulvane_V4
