// Starting the clock at logon through the registry's Run value "Dovetick": the machine's Run key
// for an elevated process, the user's otherwise.
#pragma once

#include <string>

#include <windows.h>

#include "core/clock/Clock.h"

namespace win32 {

class AutoStart : public core::AutoStartStore
{
public:
    // The store of the running process: the scope follows its elevation. `executable` is the path
    // the value starts (the running program when empty).
    AutoStart();
    AutoStart(bool machine, std::wstring executable);

    bool IsAutoRun() const override;
    bool SetAutoRun(bool on) const override;
    // Writes the value afresh, except when Task Manager switched the start off.
    bool RenewAutoRun() const override;
    std::string Location() const override;

    bool Machine() const { return m_bMachine; }

private:
    HKEY Root() const { return m_bMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
    std::wstring Executable() const;

    bool m_bMachine = false;
    std::wstring m_strExecutable;
};

// True when the process runs elevated (its token's elevation flag).
bool IsElevated();

} // namespace win32
