// The running program's path and folders as Windows gives them.
#pragma once

#include <filesystem>

#include "core/paths/AppFolders.h"

namespace win32 {

// Full path of the running executable (no length limit).
std::filesystem::path ProgramPath();
// What decides the folders: the program's folder, the user's roaming and local folders and the
// Program Files folders.
core::FolderFacts FolderFactsOfThisProgram();

} // namespace win32
