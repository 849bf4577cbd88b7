// Problems of the note and the chime that the user need not confirm.
#pragma once

#include <string_view>

namespace win32 {

// "dovetock: TEXT" on standard error and in the debugger's output; `text` is UTF-8.
void ReportProblem(std::string_view text);

} // namespace win32
