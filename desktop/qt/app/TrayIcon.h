// CTrayIcon: the notification-area icon and the dispatch of its mouse events.
#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

class CTrayIcon
{
public:
    CTrayIcon();
    virtual ~CTrayIcon();

    CTrayIcon(const CTrayIcon &) = delete;
    CTrayIcon &operator=(const CTrayIcon &) = delete;

    // Mouse events on the icon; the base versions do nothing and return 0.
    virtual int OnTrayLButtonDown() { return 0; }
    virtual int OnTrayRButtonDown() { return 0; }
    virtual int OnTrayLButtonUp() { return 0; }
    virtual int OnTrayRButtonUp() { return 0; }
    virtual int OnTrayLButtonDblClk() { return 0; }
    virtual int OnTrayRButtonDblClk() { return 0; }
    virtual int OnTaskbarCreated() { return 0; }

    // The icon's tooltip; empty before the icon is added.
    QString TrayTip() const;

protected:
    // Adds the icon once; later calls do nothing. No tooltip is set.
    void AddTrayIcon(QObject *owner, const QIcon &icon);
    // Replaces the picture of an added icon.
    void ModifyTrayIcon(const QIcon &icon);
    // Sets the tooltip when it differs from the one shown.
    void SetTrayTip(const QString &text);
    // Where the icon is a StatusNotifierItem (a watcher runs on the session bus, or there is no X11),
    // hands `menu` to Qt, which exports it as the item's com.canonical.dbusmenu menu. An X11 tray
    // (XEmbed) keeps showing the menu through the mouse-event operations alone.
    void ExportMenu(QMenu *menu);
    // Removes the icon from the notification area.
    void DeleteTrayIcon();

    QObject *m_pTrayOwner = nullptr;

private:
    std::unique_ptr<QSystemTrayIcon> m_tray;
};
