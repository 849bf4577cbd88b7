// Reading a whole file into memory.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace core {

// The bytes of the file at `path`, or nothing when it is missing, a folder or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path &path);

} // namespace core
