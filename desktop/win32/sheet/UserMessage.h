// Messages to the user: a message box captioned with the program's name.
#pragma once

#include <functional>
#include <string>

#include <windows.h>

namespace win32 {

// Tells the user `text` in a message box owned by `owner`, with an OK button.
void ShowUserMessage(HWND owner, const std::wstring &text);
// Sends every message to `handler` instead of a message box (for tests); an empty one restores the box.
void SetUserMessageHandler(std::function<void(const std::wstring &)> handler);

} // namespace win32
