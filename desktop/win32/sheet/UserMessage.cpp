// Messages to the user, captioned with the executable's base name.
#include "sheet/UserMessage.h"

namespace win32 {
namespace {

std::function<void(const std::wstring &)> &Handler()
{
    static std::function<void(const std::wstring &)> handler;
    return handler;
}

std::wstring ProgramName()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path);
    name.erase(0, name.find_last_of(L"\\/") + 1);
    const std::size_t nDot = name.find_last_of(L'.');
    return nDot == std::wstring::npos ? name : name.substr(0, nDot);
}

} // namespace

void ShowUserMessage(HWND owner, const std::wstring &text)
{
    if (Handler())
        Handler()(text);
    else
        MessageBoxW(owner, text.c_str(), ProgramName().c_str(), MB_OK);
}

void SetUserMessageHandler(std::function<void(const std::wstring &)> handler)
{
    Handler() = std::move(handler);
}

} // namespace win32
