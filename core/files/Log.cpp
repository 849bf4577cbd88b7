// One line per problem on standard error.
#include "core/files/Log.h"

#include <cstdio>
#include <string>

namespace core {

void LogProblem(std::string_view text)
{
    const std::string line = "dovetock: " + std::string(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

} // namespace core
