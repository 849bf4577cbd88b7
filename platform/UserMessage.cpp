// Routes user messages to the installed handler or to standard error.
#include "platform/UserMessage.h"

#include <cstdio>
#include <utility>

namespace platform {

namespace {
MessageHandler &Handler()
{
    static MessageHandler handler;
    return handler;
}
} // namespace

void ShowUserMessage(const QString &text)
{
    if (Handler())
        Handler()(text);
    else
        LogProblem(text);
}

MessageHandler SetUserMessageHandler(MessageHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

void LogProblem(const QString &text)
{
    std::fprintf(stderr, "dovetock: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace platform
