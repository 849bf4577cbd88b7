// Reading a whole file into memory without exceptions reaching the caller.
#include "core/files/ReadFile.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace core {

std::optional<std::string> ReadFileBytes(const std::filesystem::path &path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return std::nullopt;
    try {
        std::ifstream file(path, std::ios::binary);
        if (!file)
            return std::nullopt;
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (file.bad())
            return std::nullopt;
        return bytes;
    } catch (const std::exception &) {
        return std::nullopt; // a read error part way
    }
}

} // namespace core
