// A full disk for tests through a child process with a file size limit.
#include "tests/support/FullDisk.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace testsupport {

#ifdef _WIN32
bool CanFillDisk() { return false; }
bool RunOnFullDisk(const std::function<bool()> &, long) { return false; }
#else
bool CanFillDisk() { return true; }

bool RunOnFullDisk(const std::function<bool()> &body, long limitBytes)
{
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(limitBytes), static_cast<rlim_t>(limitBytes)};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
#endif

} // namespace testsupport
