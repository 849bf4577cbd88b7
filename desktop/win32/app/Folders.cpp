// Reads the program's path and the known folders.
#include "app/Folders.h"

#include <string>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace win32 {

namespace {

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)) && path)
        folder = path;
    CoTaskMemFree(path);
    return folder;
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
    facts.appData = KnownFolder(FOLDERID_RoamingAppData);
    facts.localAppData = KnownFolder(FOLDERID_LocalAppData);
    for (REFKNOWNFOLDERID id : {FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86, FOLDERID_ProgramFilesX64}) {
        std::filesystem::path folder = KnownFolder(id);
        if (!folder.empty())
            facts.programFiles.push_back(std::move(folder));
    }
    return facts;
}

} // namespace win32
