// Reads the program's path and the known folders.
#include "app/Folders.h"

#include <string>

#include <windows.h>
#include <shlobj.h>

namespace win32 {

namespace {

// The folder lookup that needs no COM: the known-folder manager would start Wine's RPC service,
// which holds up the first start for seconds.
std::filesystem::path KnownFolder(int csidl)
{
    wchar_t path[MAX_PATH] = L"";
    if (SUCCEEDED(SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_DONT_VERIFY, nullptr, SHGFP_TYPE_CURRENT, path)))
        return path;
    return {};
}

} // namespace

std::filesystem::path ProgramPath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

core::FolderFacts FolderFactsOfThisProgram()
{
    core::FolderFacts facts;
    facts.programDir = ProgramPath().parent_path();
    facts.appData = KnownFolder(CSIDL_APPDATA);
    facts.localAppData = KnownFolder(CSIDL_LOCAL_APPDATA);
    for (int id : {CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86}) {
        std::filesystem::path folder = KnownFolder(id);
        if (!folder.empty())
            facts.programFiles.push_back(std::move(folder));
    }
    return facts;
}

} // namespace win32
