// The settings sheet: PropertySheetW over the three pages, its placement, its modal loop.
#include "sheet/MyPropertySheet.h"

#include "common/Text.h"
#include "core/sheet/PageRules.h"

CMyPropertySheet::CMyPropertySheet(HINSTANCE instance)
    : m_hInstance(instance)
{
    for (CPropertyPage *page : {static_cast<CPropertyPage *>(&m_page1), static_cast<CPropertyPage *>(&m_page2),
                                static_cast<CPropertyPage *>(&m_page3), static_cast<CPropertyPage *>(&m_page4),
                                static_cast<CPropertyPage *>(&m_page5)})
        page->m_pSheet = this;
}

CMyPropertySheet::~CMyPropertySheet()
{
    if (IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}

HWND CMyPropertySheet::Create()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The schedule and calendar pages are never added.
    PROPSHEETPAGEW pages[] = {m_page1.Describe(m_hInstance), m_page2.Describe(m_hInstance),
                              m_page3.Describe(m_hInstance)};
    const std::wstring title = win32::Wide(ProductTitle());
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | PSH_NOCONTEXTHELP;
    header.hwndParent = m_pClockWnd ? m_pClockWnd->ClockWindow() : nullptr;
    header.hInstance = m_hInstance;
    header.pszCaption = title.c_str();
    header.nPages = 3;
    header.nStartPage = 0;
    header.ppsp = pages;
    header.pfnCallback = SheetCallback;
    m_nResult = IDCANCEL;
    m_hWnd = reinterpret_cast<HWND>(PropertySheetW(&header));
    if (!IsWindow(m_hWnd)) {
        m_hWnd = nullptr;
        return nullptr;
    }
    OnInitDialog();
    ShowWindow(m_hWnd, SW_SHOW);
    // A window manager may place a window again as it first maps it; the sheet goes back to its place.
    OnInitDialog();
    return m_hWnd;
}

INT_PTR CMyPropertySheet::DoModal()
{
    HWND owner = m_pClockWnd ? m_pClockWnd->ClockWindow() : nullptr;
    if (!Create())
        return IDCANCEL;
    // Only the clock is switched off: notes, the tray icon and its menu stay usable.
    const bool bOwnerEnabled = owner && IsWindowEnabled(owner);
    if (owner)
        EnableWindow(owner, FALSE);
    MSG msg;
    while (!IsClosed()) {
        const BOOL bGot = GetMessageW(&msg, nullptr, 0, 0);
        if (bGot == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (bGot == -1)
            break;
        PumpMessage(msg);
    }
    // The owner comes back before the sheet goes, so that it becomes the active window again.
    if (bOwnerEnabled)
        EnableWindow(owner, TRUE);
    if (IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return m_nResult;
}

void CMyPropertySheet::PumpMessage(MSG &msg)
{
    if (m_hWnd && PropSheet_IsDialogMessage(m_hWnd, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool CMyPropertySheet::IsClosed() const
{
    return !IsWindow(m_hWnd) || !PropSheet_GetCurrentPageHwnd(m_hWnd);
}

void CMyPropertySheet::OnInitDialog()
{
    if (!m_pClockWnd || !m_hWnd)
        return;
    RECT frame{};
    GetWindowRect(m_hWnd, &frame);
    HWND clock = m_pClockWnd->ClockWindow();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(clock ? clock : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    const POINT position = m_pClockWnd->ClockPosition();
    const core::Point at = PlaceSheet({position.x, position.y}, {frame.right - frame.left, frame.bottom - frame.top},
                                      {work.left, work.top, work.right - work.left, work.bottom - work.top});
    SetWindowPos(m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CALLBACK CMyPropertySheet::SheetCallback(HWND, UINT nMsg, LPARAM lParam)
{
    // The sheet is made hidden and shown once it is in its place.
    if (nMsg == PSCB_PRECREATE && lParam) {
        auto *words = reinterpret_cast<WORD *>(lParam);
        const bool bExtended = words[1] == 0xFFFF;
        auto *style = reinterpret_cast<DWORD *>(bExtended ? words + 6 : words);
        *style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
    return 0;
}

INT_PTR RunSettingsSheet(HINSTANCE instance, SheetHost &host)
{
    CMyPropertySheet sheet(instance);
    sheet.m_pClockWnd = &host;
    return sheet.DoModal();
}
