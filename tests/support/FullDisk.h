// A full disk for tests: runs a body in a child process whose file size limit stops a write part
// way, as a full disk would. Where the system has no such limit (Windows) the check is skipped.
#pragma once

#include <functional>

namespace testsupport {

// False where a full disk cannot be made up.
bool CanFillDisk();

// Runs `body` with at most `limitBytes` writable per file; true when the body returned true.
bool RunOnFullDisk(const std::function<bool()> &body, long limitBytes = 512);

} // namespace testsupport
