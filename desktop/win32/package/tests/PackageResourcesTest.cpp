// The version resource and the manifest of the released program, read back the way Windows reads
// them from a program that carries the same Package.rc.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Text.h"

namespace {

std::vector<BYTE> OwnVersionInfo()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(path, &ignored));
    if (info.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(info.size()), info.data()))
        info.clear();
    return info;
}

// The text of "\StringFileInfo\BLOCK\NAME" as UTF-8, or "<missing>".
std::string VersionString(std::vector<BYTE> &info, const std::string &block, const std::string &name)
{
    void *value = nullptr;
    UINT length = 0;
    const std::wstring sub = win32::Wide("\\StringFileInfo\\" + block + "\\" + name);
    if (info.empty() || !VerQueryValueW(info.data(), sub.c_str(), &value, &length) || length == 0)
        return "<missing>";
    return win32::Utf8(static_cast<const wchar_t *>(value));
}

std::string Lower(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

const std::string kVersion = std::to_string(DOVETOCK_VERSION_MAJOR) + "." + std::to_string(DOVETOCK_VERSION_MINOR) +
                             "." + std::to_string(DOVETOCK_VERSION_PATCH);

TEST(PackageVersion, FixedVersionIsTheProjectVersion)
{
    std::vector<BYTE> info = OwnVersionInfo();
    ASSERT_FALSE(info.empty()) << "no version resource";
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    const DWORD ms = MAKELONG(DOVETOCK_VERSION_MINOR, DOVETOCK_VERSION_MAJOR);
    const DWORD ls = MAKELONG(0, DOVETOCK_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, ms);
    EXPECT_EQ(fixed->dwFileVersionLS, ls);
    EXPECT_EQ(fixed->dwProductVersionMS, ms);
    EXPECT_EQ(fixed->dwProductVersionLS, ls);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(PackageVersion, StringsInChineseAndEnglish)
{
    std::vector<BYTE> info = OwnVersionInfo();
    // Explorer shows the block of the user's language: both say the same but the description.
    struct Row {
        std::string block, name, expected;
    };
    const std::vector<Row> rows = {
        {"080404b0", "ProductName", "Dovetock"},
        {"040904b0", "ProductName", "Dovetock"},
        {"080404b0", "FileVersion", kVersion},
        {"040904b0", "FileVersion", kVersion},
        {"080404b0", "ProductVersion", kVersion},
        {"040904b0", "ProductVersion", kVersion},
        {"080404b0", "OriginalFilename", "dovetock.exe"},
        {"040904b0", "OriginalFilename", "dovetock.exe"},
        {"080404b0", "FileDescription", "桌面闹钟"},
        {"040904b0", "CompanyName", VersionString(info, "080404b0", "CompanyName")},
        {"040904b0", "LegalCopyright", VersionString(info, "080404b0", "LegalCopyright")},
    };
    for (const Row &row : rows)
        EXPECT_EQ(VersionString(info, row.block, row.name), row.expected) << row.block << " " << row.name;
    EXPECT_NE(VersionString(info, "040904b0", "LegalCopyright").find("Dovetock maintainers"), std::string::npos);
    // The copyright sign survives only when the resource compiler reads the script as UTF-8.
    EXPECT_NE(VersionString(info, "040904b0", "LegalCopyright").find("©"), std::string::npos);

    DWORD *translations = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translations),
                               &length));
    ASSERT_EQ(length, 2 * sizeof(DWORD));
    EXPECT_EQ(translations[0], MAKELONG(0x0804, 1200));
    EXPECT_EQ(translations[1], MAKELONG(0x0409, 1200));
}

// The comctl32.dll that the program loaded: version 6 comes from the side-by-side store through
// the manifest's dependency, version 5 from the system folder.
TEST(PackageManifest, LoadsCommonControlsSix)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    wchar_t path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH), 0u);
    const std::string folder = Lower(win32::Utf8(path));
    EXPECT_NE(folder.find("\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos)
        << folder;
}

// The awareness each Windows takes from the manifest as the loader parsed it. Windows 10 1703 and
// later take the first value of dpiAwareness that they know; 1607 does the same without
// per-monitor v2; older systems read dpiAware alone. (Wine makes every program per-monitor aware,
// so the process's own awareness tells nothing here.)
TEST(PackageManifest, PerMonitorV2WithSystemAwareFallback)
{
    wchar_t text[256] = {};
    SIZE_T length = 0;
    ASSERT_TRUE(QueryActCtxSettingsW(0, nullptr, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                     L"dpiAwareness", text, ARRAYSIZE(text), &length));
    const std::string list = Lower(win32::Utf8(text));
    struct Row {
        std::string system;
        std::vector<std::string> known;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"Windows 10 1703 and later", {"unaware", "system", "permonitor", "permonitorv2"}, "permonitorv2"},
        {"Windows 10 1607", {"unaware", "system", "permonitor"}, "system"},
    };
    for (const Row &row : rows) {
        std::string taken;
        for (std::size_t start = 0; start < list.size() && taken.empty();) {
            std::size_t end = list.find(',', start);
            end = end == std::string::npos ? list.size() : end;
            std::string value = list.substr(start, end - start);
            value.erase(0, value.find_first_not_of(" \t\r\n"));
            value.erase(value.find_last_not_of(" \t\r\n") + 1);
            for (const std::string &known : row.known)
                if (value == known)
                    taken = value;
            start = end + 1;
        }
        EXPECT_EQ(taken, row.expected) << row.system << " reading dpiAwareness \"" << list << "\"";
    }

    ASSERT_TRUE(QueryActCtxSettingsW(0, nullptr, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings",
                                     L"dpiAware", text, ARRAYSIZE(text), &length));
    EXPECT_EQ(win32::Utf8(text), "true") << "older systems";
}

} // namespace
