// Replacing a file whole on POSIX systems: write, fsync, rename, fsync the folder.
#include "core/files/AtomicSave.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

std::string Reason(const char *step)
{
    return std::string(step) + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

bool SaveFileAtomically(const std::filesystem::path &path, std::string_view bytes, std::string &error)
{
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary = path.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);

    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = Reason("cannot create a file in the folder");
        return false;
    }
    struct stat old;
    bool ok = true;
    if (::stat(path.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) {
        error = Reason("cannot keep the file's permissions");
        ok = false;
    }
    if (ok && !WriteAll(fd, bytes)) {
        error = Reason("cannot write");
        ok = false;
    }
    if (ok && ::fsync(fd) != 0) {
        error = Reason("cannot flush to disk");
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = Reason("cannot close");
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = Reason("cannot replace the file");
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk once the folder is synced.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace core
