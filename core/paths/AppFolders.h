// Where the clock keeps its files on Windows: beside the program (a portable copy), or in the
// user's roaming folder when the program is installed under Program Files or the user's own
// program folder.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace core {

// What the system says about the running program and the user's folders. Empty paths are unknown.
struct FolderFacts {
    std::filesystem::path programDir;                // the folder of the executable
    std::filesystem::path appData;                   // %APPDATA%, the user's roaming folder
    std::filesystem::path localAppData;              // %LOCALAPPDATA%
    std::vector<std::filesystem::path> programFiles; // Program Files, Program Files (x86), ...
};

struct AppFolders {
    bool installed = false;
    // Holds config.ini and notify.dat.
    std::filesystem::path configDir;
    // Skin folders in the order they are searched: the user's before the shipped ones.
    std::vector<std::filesystem::path> skinDirs;
};

// Installed when the program lies in (or below) one of the Program Files folders or in
// %LOCALAPPDATA%\Programs: the files then go to %APPDATA%\Dovetock (or %LOCALAPPDATA%\Dovetock
// when the roaming folder is unknown) and the user's skins to its skins folder. Otherwise
// everything stays in the program's folder.
AppFolders ResolveAppFolders(const FolderFacts &facts);

// True when `inner` is `outer` or lies below it. Both separators count, "." and ".." are resolved
// and names are compared without regard to letter case, as Windows compares them.
bool IsWithinFolder(const std::filesystem::path &inner, const std::filesystem::path &outer);

} // namespace core
