// The clock window: its creation, tray icon, menu and events, forwarded to the clock.
#include "app/ClockWnd.h"

#include <windowsx.h>

#include "app/Folders.h"
#include "app/Resource.h"
#include "common/Text.h"
#include "core/clock/SecondTick.h"
#include "core/files/Log.h"

const wchar_t CClockWnd::ClassName[] = L"DovetockClock";

namespace {

std::wstring AppName()
{
    return win32::ProgramPath().stem().wstring();
}

} // namespace

CClockWnd::CClockWnd(const core::AppFolders &folders, std::unique_ptr<core::AutoStartStore> autoStart)
    : m_folders(folders)
    , m_autoStart(std::move(autoStart))
    , m_clock(*this, *m_autoStart, {folders.configDir / "config.ini", folders.configDir / "notify.dat"})
{
}

CClockWnd::~CClockWnd()
{
    m_clock.Reminders().DeleteAllReminders();
    DeleteTrayIcon();
    if (m_hWnd)
        DestroyWindow(m_hWnd);
    if (m_menuTray)
        DestroyMenu(m_menuTray);
    if (m_hDayIcon)
        DestroyIcon(m_hDayIcon);
}

bool CClockWnd::Create(const std::wstring &windowName)
{
    m_strWindowName = windowName;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &CClockWnd::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_YELLOWARROW));
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);
    m_nTaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    // The window exists before the face is made: the clock sizes, shapes and places it. No system
    // menu: with one, Wine hands the window to the window manager, which may frame and move it.
    m_hWnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, ClassName, windowName.c_str(),
                             WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (!m_hWnd)
        return false;
    SetLayeredWindowAttributes(m_hWnd, 0, 200, LWA_ALPHA);
    m_clock.Create(platform::CurrentMoment());
    return !m_clock.IsDestroyed();
}

void CClockWnd::FinishCreate()
{
    if (m_bFinished || IsDestroyed())
        return;
    m_bFinished = true;
    m_menuTray = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAYMENU));
    m_clock.FinishCreate(platform::CurrentMoment());
}

void CClockWnd::StartTick()
{
    // The first wake comes at once; each wake arms the next one.
    SetTimer(m_hWnd, ClockTimerId, USER_TIMER_MINIMUM, nullptr);
}

void CClockWnd::ShowWindow(bool visible)
{
    ::ShowWindow(m_hWnd, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (visible)
        SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CClockWnd::OnCommand(const std::string &command)
{
    return m_clock.Command(command, platform::CurrentMoment());
}

bool CClockWnd::Restart(const std::vector<std::string> &arguments)
{
    const std::wstring program = win32::ProgramPath().wstring();
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::string &argument : arguments)
        commandLine += L" \"" + win32::Wide(argument) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const std::wstring folder = win32::ProgramPath().parent_path().wstring();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        ShowMessage("cannot start " + win32::Utf8(program) + " again; the new skins show at the next start");
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void CClockWnd::Close()
{
    KillTimer(m_hWnd, RestTimerId);
    KillTimer(m_hWnd, SoundTimerId);
    m_arrNotes.clear();
    DeleteTrayIcon();
    KillTimer(m_hWnd, ClockTimerId);
    m_arrBkNames.clear();
    m_arrNumNames.clear();
    m_strBkName.clear();
    m_strNumName.clear();
    ::ShowWindow(m_hWnd, SW_HIDE);
    // A move loop still running (a drag whose release was lost) ends here rather than take the
    // quit message for itself.
    ReleaseCapture();
    SendMessageW(m_hWnd, WM_CANCELMODE, 0, 0);
    PostQuitMessage(0);
}

void CClockWnd::ShowMessage(const std::string &text)
{
    MessageBoxW(nullptr, win32::Wide(text).c_str(), AppName().c_str(), MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}

void CClockWnd::Later(std::function<void()> work)
{
    m_arrLater.push_back(std::move(work));
    PostMessageW(m_hWnd, WM_RUNLATER, 0, 0);
}

void CClockWnd::OnTimer(UINT_PTR id)
{
    if (id == RestTimerId) {
        KillTimer(m_hWnd, RestTimerId);
        m_clock.MoveRested();
        return;
    }
    if (id == SoundTimerId) {
        m_clock.SoundCheck(SteadyMs());
        return;
    }
    if (id != ClockTimerId)
        return;
    // Second-aligned rather than polled: see core/clock/SecondTick.h.
    const std::int64_t woke = platform::WallClockMs();
    m_clock.Tick(platform::SecondOf(woke));
    if (!IsDestroyed())
        SetTimer(m_hWnd, ClockTimerId, static_cast<UINT>(platform::TickDelayMs(woke, platform::WallClockMs())), nullptr);
}

void CClockWnd::OnMove()
{
    RECT rect{};
    GetWindowRect(m_hWnd, &rect);
    m_nX = rect.left;
    m_nY = rect.top;
    // The settings get the position when a drag comes to rest.
    if (m_clock.Moved({m_nX, m_nY}))
        SetTimer(m_hWnd, RestTimerId, 400, nullptr);
}

BOOL CClockWnd::OnCopyData(const COPYDATASTRUCT *data)
{
    if (!data || data->dwData != CopyDataCommand || data->cbData > 64 * 1024)
        return FALSE;
    const std::string command(static_cast<const char *>(data->lpData), data->cbData);
    return OnCommand(command) ? TRUE : FALSE;
}

LRESULT CALLBACK CClockWnd::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<CClockWnd *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || self->m_hWnd != hwnd)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT CClockWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TRAYNOTIFY) {
        DispatchTrayMessage(lParam);
        return 0;
    }
    if (message == m_nTaskbarCreated && m_nTaskbarCreated != 0) {
        OnTaskbarCreated();
        return 0;
    }
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1; // the paint covers every pixel
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_NCHITTEST: {
        // The whole face is the caption: the system drags it.
        const LRESULT hit = DefWindowProcW(m_hWnd, message, wParam, lParam);
        return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION)
            m_clock.PressedOnFace();
        break;
    case WM_EXITSIZEMOVE:
        KillTimer(m_hWnd, RestTimerId);
        m_clock.MoveRested();
        return 0;
    case WM_MOVE: OnMove(); return 0;
    case WM_NCRBUTTONUP:
    case WM_CONTEXTMENU: OnTrayRButtonUp(); return 0;
    case WM_COMMAND: OnMenuCommand(LOWORD(wParam)); return 0;
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT *>(lParam));
    case WM_RUNLATER: {
        std::vector<std::function<void()>> work;
        work.swap(m_arrLater);
        for (auto &job : work)
            job();
        return 0;
    }
    case WM_SYSKEYDOWN:
        if (wParam != VK_F4)
            break;
        [[fallthrough]];
    case WM_CLOSE:
        // Alt+F4 ends the program exactly as Exit does.
        m_clock.Destroy();
        return 0;
    case WM_DESTROY: m_hWnd = nullptr; return 0;
    default: break;
    }
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}
