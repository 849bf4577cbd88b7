// The local socket between a running clock and later starts of the program.
#include "app/SingleInstance.h"

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Letters, digits, ".", "-" and "_" kept; everything else becomes "_".
QString SafePart(const QString &text)
{
    QString safe;
    for (const QChar c : text) {
        const bool plain = (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('.')
            || c == QLatin1Char('-') || c == QLatin1Char('_');
        safe += plain ? c : QLatin1Char('_');
    }
    return safe;
}

// A command line longer than this is no command of the program's.
constexpr std::size_t kMaxLine = 4096;

std::string SocketPath(const QString &name)
{
    const QString path = QDir::isAbsolutePath(name) ? name : QDir::tempPath() + QLatin1Char('/') + name;
    return QFile::encodeName(path).toStdString();
}

// False when the path does not fit a socket address.
bool MakeAddress(const std::string &path, sockaddr_un &address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    return true;
}

// Waits until `fd` is ready for `events` or the time left on `timer` runs out.
bool WaitFor(int fd, short events, const QElapsedTimer &timer, int timeoutMs)
{
    for (;;) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0)
            return false;
        pollfd p{fd, events, 0};
        const int n = poll(&p, 1, static_cast<int>(left));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

class Fd
{
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Connects to the socket at `path`: the connected socket, or -1 when nobody listens there.
int Connect(const std::string &path, const QElapsedTimer &timer, int timeoutMs)
{
    sockaddr_un address;
    if (!MakeAddress(path, address))
        return -1;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return fd;
    // A full backlog: the clock is busy; wait for it to take the connection.
    if (errno == EAGAIN || errno == EINPROGRESS) {
        int error = 0;
        socklen_t size = sizeof error;
        if (WaitFor(fd, POLLOUT, timer, timeoutMs) && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0
            && error == 0)
            return fd;
    }
    close(fd);
    return -1;
}

} // namespace

struct InstanceServer::Peer {
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray received;
};

QString InstanceSocketName()
{
    const passwd *user = getpwuid(getuid());
    const QString userName = user ? QString::fromLocal8Bit(user->pw_name) : QString::number(getuid());
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString name = QStringLiteral("dovetock-%1-%2").arg(SafePart(userName), SafePart(display));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return QDir::isAbsolutePath(runtime) ? runtime + QLatin1Char('/') + name : name;
}

SendResult SendToRunningClock(const QString &name, const QByteArray &command, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    const Fd socket(Connect(SocketPath(name), timer, timeoutMs));
    if (socket.get() < 0)
        return SendResult::NoClock;
    const QByteArray line = command + '\n';
    qsizetype sent = 0;
    while (sent < line.size()) {
        const ssize_t n = send(socket.get(), line.constData() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN && WaitFor(socket.get(), POLLOUT, timer, timeoutMs))
            continue;
        else
            return SendResult::Silent;
    }
    // The answer is one line; a clock that closes the connection without it is ending.
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < static_cast<qsizetype>(kMaxLine)) {
        char buffer[256];
        const ssize_t n = recv(socket.get(), buffer, sizeof buffer, 0);
        if (n > 0)
            answer.append(buffer, n);
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN && WaitFor(socket.get(), POLLIN, timer, timeoutMs))
            continue;
        else
            return SendResult::Silent;
    }
    return answer.left(answer.indexOf('\n')).trimmed() == "ok" ? SendResult::Answered : SendResult::Silent;
}

InstanceServer::InstanceServer(Handler handler)
    : m_handler(std::move(handler))
{
}

InstanceServer::~InstanceServer()
{
    m_peers.clear();
    if (m_fd < 0)
        return;
    // Removed while still listening: a start meanwhile finds no socket rather than a dead one,
    // and a socket another clock made under the name after a take-over stays.
    struct stat st;
    if (stat(m_path.c_str(), &st) == 0 && st.st_dev == m_device && st.st_ino == m_inode)
        unlink(m_path.c_str());
    delete m_notifier;
    close(m_fd);
}

bool InstanceServer::Bind(const std::string &path)
{
    sockaddr_un address;
    if (!MakeAddress(path, address))
        return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // Only this user may connect: the socket file is made without rights for anyone else.
    const mode_t mask = umask(0077);
    const bool bound = bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    const int error = errno;
    umask(mask);
    struct stat st;
    if (!bound || listen(fd, 16) != 0 || stat(path.c_str(), &st) != 0) {
        close(fd);
        errno = bound ? 0 : error;
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_device = st.st_dev;
    m_inode = st.st_ino;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InstanceServer::OnConnection);
    return true;
}

bool InstanceServer::Listen(const QString &name)
{
    if (m_fd >= 0)
        return true;
    const std::string path = SocketPath(name);
    if (Bind(path))
        return true;
    if (errno != EADDRINUSE)
        return false;
    QElapsedTimer timer;
    timer.start();
    if (const int probe = Connect(path, timer, 1000); probe >= 0) {
        close(probe);
        return false;
    }
    // Nobody listens: the socket is left over from a clock that was killed.
    unlink(path.c_str());
    return Bind(path);
}

void InstanceServer::OnConnection()
{
    for (;;) {
        const int fd = accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        auto peer = std::make_unique<Peer>();
        peer->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(peer->notifier.get(), &QSocketNotifier::activated, this, [this, fd] { OnPeerReadable(fd); });
        m_peers[fd] = std::move(peer);
    }
}

void InstanceServer::OnPeerReadable(int fd)
{
    const auto found = m_peers.find(fd);
    if (found == m_peers.end())
        return;
    Peer &peer = *found->second;
    char buffer[256];
    ssize_t n;
    while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0)
        peer.received.append(buffer, n);
    const bool ended = n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR);
    const qsizetype newline = peer.received.indexOf('\n');
    if (newline < 0 && !ended && peer.received.size() < static_cast<qsizetype>(kMaxLine))
        return;
    if (newline >= 0 && m_handler(peer.received.left(newline).trimmed()))
        send(fd, "ok\n", 3, MSG_NOSIGNAL);
    // The notifier is inside its own signal here: it goes once that has returned.
    QSocketNotifier *notifier = peer.notifier.release();
    notifier->setEnabled(false);
    notifier->deleteLater();
    m_peers.erase(fd);
    close(fd);
}
