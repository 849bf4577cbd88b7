// One clock per user and display: the running clock listens on a local socket; a later start
// hands its command (show, open the settings, quit) to it instead of opening a second clock.
#pragma once

#include <functional>

#include <QByteArray>
#include <QLocalServer>
#include <QString>

// The socket of this user's clock on this display: "dovetock-USER-DISPLAY", in
// $XDG_RUNTIME_DIR when that is set.
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

    // Listens on `name`, taking over a socket left by a clock that no longer runs. False when a
    // live clock holds the name or the socket cannot be made.
    bool Listen(const QString &name);

private:
    void OnConnection();

    Handler m_handler;
    QLocalServer m_server;
};
