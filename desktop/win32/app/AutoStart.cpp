// The Run value of the registry.
#include "app/AutoStart.h"

#include <vector>

#include "app/Folders.h"
#include "common/Text.h"
#include "core/clock/AutoStartEntry.h"

namespace win32 {

namespace {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
const wchar_t kValueName[] = L"Dovetick";

} // namespace

bool IsElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool elevated = GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size)
        && elevation.TokenIsElevated != 0;
    CloseHandle(token);
    return elevated;
}

AutoStart::AutoStart()
    : AutoStart(core::ChooseAutoStartScope(IsElevated()) == core::AutoStartScope::Machine, std::wstring())
{
}

AutoStart::AutoStart(bool machine, std::wstring executable)
    : m_bMachine(machine), m_strExecutable(std::move(executable))
{
}

std::wstring AutoStart::Executable() const
{
    return m_strExecutable.empty() ? ProgramPath().wstring() : m_strExecutable;
}

bool AutoStart::IsAutoRun() const
{
    DWORD type = 0;
    DWORD size = 0;
    return RegGetValueW(Root(), kRunKey, kValueName, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type, nullptr, &size)
        == ERROR_SUCCESS;
}

bool AutoStart::SetAutoRun(bool on) const
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(Root(), kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LSTATUS status;
    if (on) {
        const std::wstring value = Wide(core::RunValueText(Utf8(Executable())));
        status = RegSetValueExW(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    } else {
        status = RegDeleteValueW(key, kValueName);
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool AutoStart::RenewAutoRun() const
{
    DWORD size = 0;
    if (RegGetValueW(Root(), kApprovedKey, kValueName, RRF_RT_REG_BINARY, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        std::string data(size, '\0');
        if (RegGetValueW(Root(), kApprovedKey, kValueName, RRF_RT_REG_BINARY, nullptr, data.data(), &size) == ERROR_SUCCESS
            && core::DisabledByStartupApproved(data.substr(0, size)))
            return true;
    }
    return SetAutoRun(true);
}

std::string AutoStart::Location() const
{
    return std::string(m_bMachine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\") + Utf8(kRunKey) + "\\"
        + Utf8(kValueName);
}

} // namespace win32
