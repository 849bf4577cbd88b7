// The clock window's tray icon and menu: the day's icon, the tooltip, the ticks and the commands.
#include "app/ClockWnd.h"

#include "app/Resource.h"
#include "common/Text.h"

void CClockWnd::SetDayIcon(int day)
{
    const HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DAY_FIRST - 1 + day),
                                                     IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    SetTrayIcon(m_hWnd, icon);
    if (m_hDayIcon)
        DestroyIcon(m_hDayIcon);
    m_hDayIcon = icon;
}

void CClockWnd::SetTrayTip(const std::string &text)
{
    CTrayIcon::SetTrayTip(win32::Wide(text));
}

void CClockWnd::SetMenuTicks(bool autoStart, bool sound)
{
    CheckMenuItem(m_menuTray, ID_TRAY_AUTOSTART, MF_BYCOMMAND | (autoStart ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(m_menuTray, ID_TRAY_ALERTSOUND, MF_BYCOMMAND | (sound ? MF_CHECKED : MF_UNCHECKED));
}

int CClockWnd::OnTrayLButtonDown()
{
    m_clock.TrayClicked();
    return 1;
}

int CClockWnd::OnTrayRButtonUp()
{
    ShowTrayMenu();
    return 1;
}

void CClockWnd::ShowTrayMenu()
{
    FinishCreate();
    if (!m_menuTray || IsDestroyed())
        return;
    m_clock.MenuShowing();
    POINT cursor{};
    GetCursorPos(&cursor);
    // The menu goes away when the user clicks elsewhere only while the window is foreground.
    SetForegroundWindow(m_hWnd);
    TrackPopupMenu(GetSubMenu(m_menuTray, 0), TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void CClockWnd::OnMenuCommand(int id)
{
    switch (id) {
    case ID_TRAY_HIDE: m_clock.Hide(); break;
    case ID_TRAY_EXIT: m_clock.Exit(); break;
    case ID_TRAY_AUTOSTART: m_clock.ToggleAutoStart(); break;
    case ID_TRAY_ALERTSOUND: m_clock.ToggleSound(); break;
    case ID_TRAY_CONFIGURE: FinishCreate(); m_clock.Configure(); break;
    default: break;
    }
}
