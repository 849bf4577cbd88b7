// Entry point of the Dovetock desktop clock on Windows: the command line, handing it to a clock
// that already runs, and the clock's message loop.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AutoStart.h"
#include "app/ClockWnd.h"
#include "app/Folders.h"
#include "app/SingleInstance.h"
#include "common/Text.h"
#include "core/clock/StartArguments.h"
#include "core/files/Log.h"

namespace {

std::vector<std::string> Arguments()
{
    int count = 0;
    LPWSTR *list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; list && i < count; ++i)
        arguments.push_back(win32::Utf8(list[i]));
    LocalFree(list);
    return arguments;
}

// Settles the start: hands the command to a running clock, or takes the lock for a new one.
// Returns the exit code when nothing is left to do, else -1.
int HandOver(const core::StartRequest &request, win32::InstanceLock &lock)
{
    if (request.kind == core::StartRequest::Kind::Quit) {
        if (!lock.TryTake() && win32::SendToRunningClock(request.command, 3000) == win32::SendResult::Answered)
            return 0;
        win32::TellConsole("dovetock: no clock is running\n");
        return 1;
    }
    // A clock that is ending (a restart after a skin change) holds the lock for a moment.
    const ULONGLONG started = GetTickCount64();
    while (!lock.TryTake()) {
        if (win32::SendToRunningClock(request.command, 1000) == win32::SendResult::Answered)
            return 0;
        if (GetTickCount64() - started > 5000) {
            core::LogProblem("another clock holds the lock and does not answer; starting one more");
            break;
        }
        Sleep(100);
    }
    return -1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const core::StartRequest request = core::ReadStartArguments(Arguments());
    for (const std::string &text : request.ignored)
        core::LogProblem("ignoring the snooze " + text);
    if (request.kind == core::StartRequest::Kind::Usage) {
        win32::TellConsole("dovetock: " + request.error + "\nusage: dovetock [--show | --settings | --quit]\n");
        return 2;
    }
    win32::InstanceLock lock(win32::InstanceMutexName());
    const int code = HandOver(request, lock);
    if (code >= 0)
        return code;

    CClockWnd clock(core::ResolveAppFolders(win32::FolderFactsOfThisProgram()), std::make_unique<win32::AutoStart>());
    if (!clock.Create(L"Dovetock"))
        return 1;
    ShowWindow(clock.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(clock.GetSafeHwnd());
    clock.OnCommand(request.command);
    MSG message;
    // The clock's end ends the loop, also when a modal loop took the quit message.
    while (!clock.IsDestroyed() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
