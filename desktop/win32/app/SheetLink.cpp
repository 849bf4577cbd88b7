// The link from the clock window to the settings sheet. The sheet comes with its own part; until
// then Configure only says so in the log.
#include "app/ClockWnd.h"

#include "core/files/Log.h"

void CClockWnd::OpenSheet()
{
    core::LogProblem("the settings sheet is not part of this build");
}
