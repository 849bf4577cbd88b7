// The notification-area icon.
#include "app/TrayIcon.h"

#include <cwchar>

void CTrayIcon::SetTrayIcon(HWND owner, HICON icon)
{
    if (m_pTrayOwner) {
        m_nid.hIcon = icon;
        m_nid.uFlags = NIF_ICON;
        Shell_NotifyIconW(NIM_MODIFY, &m_nid);
        return;
    }
    m_nid.cbSize = sizeof(m_nid);
    m_nid.hWnd = owner;
    m_nid.uID = 0;
    m_nid.uCallbackMessage = WM_TRAYNOTIFY;
    m_nid.hIcon = icon;
    m_pTrayOwner = owner;
    OnTaskbarCreated();
}

void CTrayIcon::OnTaskbarCreated()
{
    if (!m_pTrayOwner)
        return;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    Shell_NotifyIconW(NIM_ADD, &m_nid);
}

void CTrayIcon::SetTrayTip(const std::wstring &text)
{
    // The tip holds 127 characters and its end.
    std::wcsncpy(m_nid.szTip, text.c_str(), std::size(m_nid.szTip) - 1);
    m_nid.szTip[std::size(m_nid.szTip) - 1] = L'\0';
    if (!m_pTrayOwner)
        return;
    m_nid.uFlags = NIF_TIP;
    Shell_NotifyIconW(NIM_MODIFY, &m_nid);
}

void CTrayIcon::DeleteTrayIcon()
{
    if (!m_pTrayOwner)
        return;
    m_nid.uFlags = 0;
    Shell_NotifyIconW(NIM_DELETE, &m_nid);
    m_pTrayOwner = nullptr;
}

bool CTrayIcon::DispatchTrayMessage(LPARAM lParam)
{
    switch (LOWORD(lParam)) {
    case WM_LBUTTONDOWN: OnTrayLButtonDown(); return true;
    case WM_RBUTTONUP: OnTrayRButtonUp(); return true;
    default: return false;
    }
}
