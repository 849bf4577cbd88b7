// The local socket between a running clock and later starts of the program.
#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>

#include <pwd.h>
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

} // namespace

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
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return SendResult::NoClock;
    socket.write(command + '\n');
    socket.waitForBytesWritten(timeoutMs);
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return SendResult::Silent;
    }
    return socket.readLine().trimmed() == "ok" ? SendResult::Answered : SendResult::Silent;
}

InstanceServer::InstanceServer(Handler handler)
    : m_handler(std::move(handler))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceServer::OnConnection);
}

bool InstanceServer::Listen(const QString &name)
{
    if (m_server.listen(name))
        return true;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000))
        return false;
    // Nobody listens: the socket is left over from a clock that was killed.
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

void InstanceServer::OnConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray command = socket->readLine().trimmed();
            if (m_handler(command)) {
                socket->write("ok\n");
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
