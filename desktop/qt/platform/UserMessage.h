// Messages for the user. The program installs a handler that shows a message box; without one
// (tests, tools) messages go to standard error.
#pragma once

#include <functional>

#include <QString>

namespace platform {

using MessageHandler = std::function<void(const QString &text)>;

// Shows a message to the user through the installed handler.
void ShowUserMessage(const QString &text);

// Installs the handler; returns the previous one. An empty handler restores standard error.
MessageHandler SetUserMessageHandler(MessageHandler handler);

// A line on standard error for problems the user need not confirm.
void LogProblem(const QString &text);

} // namespace platform
