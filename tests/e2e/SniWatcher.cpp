// A stand-in StatusNotifierWatcher for the end-to-end tests: owns org.kde.StatusNotifierWatcher
// on the session bus, says a host is there, and prints the bus name of each item that registers.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>

#include <cstdio>

class Watcher : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ Items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)

public:
    QStringList Items() const { return m_items; }
    bool HostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }

public slots:
    // An item names its bus name, or only its object path on the caller's connection.
    void RegisterStatusNotifierItem(const QString &service)
    {
        const QString name = service.startsWith(QLatin1Char('/')) ? message().service() : service;
        m_items << name;
        std::printf("%s\n", qPrintable(name));
        std::fflush(stdout);
        emit StatusNotifierItemRegistered(name);
    }
    void RegisterStatusNotifierHost(const QString &) {}

signals:
    void StatusNotifierItemRegistered(const QString &service);
    void StatusNotifierHostRegistered();

private:
    QStringList m_items;
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Watcher watcher;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties
                                | QDBusConnection::ExportAllSignals)
        || !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "sni_watcher: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    return QCoreApplication::exec();
}

#include "SniWatcher.moc"
