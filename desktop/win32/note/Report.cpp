// One line on standard error (a console or a redirected start) and to a debugger (a GUI start).
#include "note/Report.h"

#include <string>

#include <windows.h>

#include "common/Text.h"
#include "core/files/Log.h"

namespace win32 {

void ReportProblem(std::string_view text)
{
    core::LogProblem(text);
    OutputDebugStringW(Wide("dovetock: " + std::string(text) + "\n").c_str());
}

} // namespace win32
