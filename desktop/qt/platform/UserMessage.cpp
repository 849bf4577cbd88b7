// Routes user messages to the installed handler or to standard error.
#include "platform/UserMessage.h"

#include <utility>

#include "core/files/Log.h"

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
    core::LogProblem(text.toStdString());
}

} // namespace platform
