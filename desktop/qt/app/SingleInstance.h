// One clock per user and display: the running clock listens on a local socket; a later start
// hands its command (show, open the settings, quit) to it instead of opening a second clock.
// Plain POSIX sockets: no network library is loaded for this at the start.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QByteArray>
#include <QObject>
#include <QString>

#include <sys/types.h>

class QSocketNotifier;

// The socket of this user's clock on this display: "dovetock-USER-DISPLAY", in
// $XDG_RUNTIME_DIR when that is set, else in the temporary folder.
QString InstanceSocketName();

enum class SendResult {
    Answered, // the running clock took the command
    NoClock,  // nobody listens
    Silent,   // a clock listens but does not answer: it is ending
};

// Sends one command line to the clock listening on `name` and waits for its answer.
SendResult SendToRunningClock(const QString &name, const QByteArray &command, int timeoutMs);

// The running clock's end: answers "ok" to each command its handler accepts.
class InstanceServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<bool(const QByteArray &command)>;
    explicit InstanceServer(Handler handler);
    // Stops listening and removes the socket, unless another clock has taken its name since.
    ~InstanceServer() override;

    // Listens on `name`, taking over a socket left by a clock that no longer runs. False when a
    // live clock holds the name or the socket cannot be made.
    bool Listen(const QString &name);

private:
    struct Peer;

    bool Bind(const std::string &path);
    void OnConnection();
    void OnPeerReadable(int fd);

    Handler m_handler;
    int m_fd = -1;
    std::string m_path;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    QSocketNotifier *m_notifier = nullptr;
    std::map<int, std::unique_ptr<Peer>> m_peers;
};
