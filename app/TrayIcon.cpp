// Maps QSystemTrayIcon activations onto the icon's mouse-event operations.
#include "app/TrayIcon.h"

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
                             OnTrayRButtonUp();
                             break;
                         case QSystemTrayIcon::DoubleClick:
                             OnTrayLButtonDblClk();
                             break;
                         default:
                             break;
                         }
                     });
    ShowIfTrayAvailable();
}

void CTrayIcon::ShowIfTrayAvailable()
{
    m_bInTray = QSystemTrayIcon::isSystemTrayAvailable();
    if (m_bInTray) {
        m_tray->hide();
        m_tray->show();
    }
}

void CTrayIcon::ModifyTrayIcon(const QIcon &icon)
{
    if (m_tray)
        m_tray->setIcon(icon);
}

void CTrayIcon::DeleteTrayIcon()
{
    if (m_tray)
        m_tray->hide();
    m_tray.reset();
    m_bInTray = false;
}

void CTrayIcon::RetryTrayIcon()
{
    if (m_tray && !m_bInTray)
        ShowIfTrayAvailable();
}
