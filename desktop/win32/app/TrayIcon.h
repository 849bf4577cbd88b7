// CTrayIcon: the clock's icon in the notification area and the dispatch of its mouse events.
#pragma once

#include <string>

#include <windows.h>
#include <shellapi.h>

class CTrayIcon
{
public:
    // The callback message of the icon (WM_USER + 100).
    static constexpr UINT WM_TRAYNOTIFY = 1124;

    virtual ~CTrayIcon() = default;

    // Puts the icon in the tray for `owner`; later calls change its picture.
    void SetTrayIcon(HWND owner, HICON icon);
    void SetTrayTip(const std::wstring &text);
    void DeleteTrayIcon();
    // The taskbar came back (Explorer restarted): the icon is added again.
    void OnTaskbarCreated();
    bool HasTrayIcon() const { return m_pTrayOwner != nullptr; }

    // The tray callback: calls the handler of the mouse event in `lParam`; true when it was one.
    bool DispatchTrayMessage(LPARAM lParam);

    virtual int OnTrayLButtonDown() { return 0; }
    virtual int OnTrayRButtonUp() { return 0; }

private:
    HWND m_pTrayOwner = nullptr;
    NOTIFYICONDATAW m_nid{};
};
