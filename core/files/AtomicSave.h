// Replacing a file whole: a reader sees the old file or the new one, never a part of either.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace core {

// Writes `bytes` to a new file in the folder of `path`, flushes it to the disk and renames it over
// `path`. On any failure the old file stays as it was, no temporary file is left behind, `error`
// says why (in UTF-8) and false is returned. A replaced file keeps its permissions.
bool SaveFileAtomically(const std::filesystem::path &path, std::string_view bytes, std::string &error);

} // namespace core
