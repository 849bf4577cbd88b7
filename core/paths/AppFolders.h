// Where the clock keeps its files: beside the program (a portable copy), or, for an installed
// program, in the user's folders of the system (Windows: the roaming folder; Linux: the XDG base
// folders).
#pragma once

#include <filesystem>
#include <string>
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
    // Linux: the folder of the logon entry.
    std::filesystem::path autostartDir;
};

// Installed when the program lies in (or below) one of the Program Files folders or in
// %LOCALAPPDATA%\Programs: the files then go to %APPDATA%\Dovetock (or %LOCALAPPDATA%\Dovetock
// when the roaming folder is unknown) and the user's skins to its skins folder. Otherwise
// everything stays in the program's folder.
AppFolders ResolveAppFolders(const FolderFacts &facts);

// What a Linux desktop says about the running program and the user. Empty XDG values are unset.
struct XdgFacts {
    std::filesystem::path programDir; // the folder of the executable
    std::filesystem::path home;       // $HOME
    std::string xdgConfigHome;        // $XDG_CONFIG_HOME
    std::string xdgDataHome;          // $XDG_DATA_HOME
    bool root = false;                // effective user id 0
};

// The system's folder of logon entries, where root's entry goes.
inline const std::filesystem::path kSystemAutostartDir = "/etc/xdg/autostart";

// Installed when the program's folder is named "bin" and "../share/dovetock" beside it is a folder:
// the files then go to $XDG_CONFIG_HOME/dovetock (default ~/.config) and the user's skins, searched
// first, to $XDG_DATA_HOME/dovetock/skins (default ~/.local/share). Otherwise everything stays in
// the program's folder. An XDG value that is not an absolute path counts as unset. The logon entry
// goes to $XDG_CONFIG_HOME/autostart, or for root to the system's folder.
AppFolders ResolveXdgFolders(const XdgFacts &facts);

// A data file by name: in the first of `folders` that has it, else in the last one.
std::filesystem::path FindDataFile(const std::vector<std::filesystem::path> &folders, const std::filesystem::path &name);

// True when `inner` is `outer` or lies below it. Both separators count, "." and ".." are resolved
// and names are compared without regard to letter case, as Windows compares them.
bool IsWithinFolder(const std::filesystem::path &inner, const std::filesystem::path &outer);

} // namespace core
