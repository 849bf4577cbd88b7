// The single-instance mutex, the hand-over of a command and the console of a command-line start.
#include "app/SingleInstance.h"

#include <sddl.h>

#include <vector>

#include "app/ClockWnd.h"
#include "common/Text.h"

namespace win32 {

namespace {

std::wstring UserSid()
{
    HANDLE token = nullptr;
    std::wstring text;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return text;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    LPWSTR sid = nullptr;
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)
        && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &sid)) {
        text = sid;
        LocalFree(sid);
    }
    CloseHandle(token);
    return text;
}

} // namespace

std::wstring InstanceMutexName()
{
    std::wstring user = UserSid();
    if (user.empty()) {
        wchar_t name[257] = L"";
        DWORD size = 257;
        if (GetUserNameW(name, &size))
            user = name;
    }
    return L"Local\\Dovetock-" + user;
}

InstanceLock::InstanceLock(const std::wstring &name)
    : m_hMutex(CreateMutexW(nullptr, FALSE, name.c_str()))
{
}

InstanceLock::~InstanceLock()
{
    if (m_bOwned)
        ReleaseMutex(m_hMutex);
    if (m_hMutex)
        CloseHandle(m_hMutex);
}

bool InstanceLock::TryTake()
{
    if (m_bOwned)
        return true;
    // Without a mutex there is nothing to guard: the clock runs.
    if (!m_hMutex)
        return true;
    // An ended clock leaves the mutex abandoned: it is ours then.
    const DWORD result = WaitForSingleObject(m_hMutex, 0);
    m_bOwned = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    return m_bOwned;
}

SendResult SendToRunningClock(const std::string &command, unsigned timeoutMs)
{
    const HWND clock = FindWindowW(CClockWnd::ClassName, nullptr);
    if (!clock)
        return SendResult::NoClock;
    COPYDATASTRUCT data{};
    data.dwData = CClockWnd::CopyDataCommand;
    data.cbData = static_cast<DWORD>(command.size());
    data.lpData = const_cast<char *>(command.data());
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutW(clock, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                             SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs, &answer);
    return sent && answer ? SendResult::Answered : SendResult::Silent;
}

void TellConsole(const std::string &text)
{
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    DWORD written = 0;
    if (error && error != INVALID_HANDLE_VALUE && !GetConsoleMode(error, &mode)) {
        // A file or a pipe: the bytes as they are.
        WriteFile(error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        const std::wstring wide = Wide(text);
        WriteConsoleW(console, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
        CloseHandle(console);
    }
    FreeConsole();
}

} // namespace win32
