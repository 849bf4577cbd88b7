// One clock per user session: the running clock holds a named mutex of the user; a later start
// hands its command to the clock's window with WM_COPYDATA instead of opening a second clock.
#pragma once

#include <string>

#include <windows.h>

namespace win32 {

// "Local\Dovetock-" and the user's SID (or name, when the SID cannot be read).
std::wstring InstanceMutexName();

// The mutex that marks the running clock.
class InstanceLock
{
public:
    explicit InstanceLock(const std::wstring &name);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // True when this process holds the mutex now: no clock runs, or the one that ran has ended.
    bool TryTake();

private:
    HANDLE m_hMutex = nullptr;
    bool m_bOwned = false;
};

enum class SendResult {
    Answered, // the running clock took the command
    NoClock,  // no clock window
    Silent,   // a clock window refused or did not answer: it is ending
};

// Sends one command (UTF-8) to the clock window of this session and waits for its answer.
SendResult SendToRunningClock(const std::string &command, unsigned timeoutMs);

// Writes `text` (UTF-8) where the user who started the program reads it: the standard error that
// was handed over, else the console of the parent process; nowhere when there is neither.
void TellConsole(const std::string &text);

} // namespace win32
