// Problems the user need not confirm: one line each on standard error.
#pragma once

#include <string_view>

namespace core {

// Writes "dovetock: TEXT" on standard error; `text` is UTF-8.
void LogProblem(std::string_view text);

} // namespace core
