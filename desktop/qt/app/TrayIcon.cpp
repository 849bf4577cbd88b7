// Maps QSystemTrayIcon activations onto the icon's mouse-event operations.
#include "app/TrayIcon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QMouseEvent>

#include <functional>

namespace {

// Runs an action once, at the next release of the right mouse button anywhere in the program.
// Qt's X11 tray icon reports the context click on the press; the menu belongs to the release.
class RightReleaseWatcher : public QObject
{
public:
    explicit RightReleaseWatcher(std::function<void()> action)
        : m_action(std::move(action))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            qApp->removeEventFilter(this);
            deleteLater();
            m_action();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

CTrayIcon::CTrayIcon() = default;

CTrayIcon::~CTrayIcon()
{
    DeleteTrayIcon();
}

void CTrayIcon::AddTrayIcon(QObject *owner, const QIcon &icon)
{
    if (m_pTrayOwner)
        return;
    m_pTrayOwner = owner;
    m_tray = std::make_unique<QSystemTrayIcon>(icon);
    QObject::connect(m_tray.get(), &QSystemTrayIcon::activated, owner,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         switch (reason) {
                         case QSystemTrayIcon::Trigger:
                             OnTrayLButtonDown();
                             break;
                         case QSystemTrayIcon::Context:
                             OnTrayRButtonDown();
                             if (QGuiApplication::mouseButtons() & Qt::RightButton)
                                 new RightReleaseWatcher([this] { OnTrayRButtonUp(); });
                             else
                                 OnTrayRButtonUp();
                             break;
                         case QSystemTrayIcon::DoubleClick:
                             OnTrayLButtonDblClk();
                             break;
                         default:
                             break;
                         }
                     });
    // Shown even without a notification area: Qt embeds the icon whenever one appears (also after
    // start-up, or again after a restart of the panel), with no polling by the clock. Not on a
    // Wayland-only start without a tray Qt can reach: Qt would try the X11 one it cannot have.
    if (QGuiApplication::platformName() == QLatin1String("xcb") || QSystemTrayIcon::isSystemTrayAvailable())
        m_tray->show();
}

void CTrayIcon::ExportMenu(QMenu *menu)
{
    // Qt's own rule for its D-Bus tray, read at the icon's creation: any platform but xcb, or a
    // StatusNotifierWatcher on the session bus. On an XEmbed icon a context menu would pop up on
    // the right button's press, beside the clock's own menu at the release.
    if (!m_tray || m_tray->contextMenu())
        return;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (QGuiApplication::platformName() != QLatin1String("xcb")
        || (bus.isConnected() && bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"))))
        m_tray->setContextMenu(menu);
}

void CTrayIcon::ModifyTrayIcon(const QIcon &icon)
{
    if (m_tray)
        m_tray->setIcon(icon);
}

QString CTrayIcon::TrayTip() const
{
    return m_tray ? m_tray->toolTip() : QString();
}

void CTrayIcon::SetTrayTip(const QString &text)
{
    if (m_tray && m_tray->toolTip() != text)
        m_tray->setToolTip(text);
}

void CTrayIcon::DeleteTrayIcon()
{
    if (m_tray)
        m_tray->hide();
    m_tray.reset();
}
