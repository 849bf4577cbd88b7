// A stand-in StatusNotifierWatcher for the end-to-end tests: owns its name on the session bus and
// prints the bus name of each item that registers.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <cstdio>

class Watcher : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    // Qt asks for a host before it registers its icon.
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
public:
    bool HostRegistered() const { return true; }
public slots:
    void RegisterStatusNotifierItem(const QString &service)
    {
        // An item names its bus name, or only an object path on the calling connection.
        std::printf("%s\n", qPrintable(service.startsWith(QLatin1Char('/')) ? message().service() : service));
        std::fflush(stdout);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Watcher watcher;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)
        || !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")))
        return 1;
    return QCoreApplication::exec();
}

#include "SniWatcher.moc"
