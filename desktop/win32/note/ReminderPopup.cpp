// The reminder note's window: picture, outline, jiggle, drag, snooze menu and the red message.
#include "note/ReminderPopup.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "common/Text.h"
#include "core/files/Gbk.h"
#include "core/pictures/Shape.h"
#include "note/NoteParts.h"

namespace win32 {

namespace {

const wchar_t kClassName[] = L"DovetockReminderNote";
// The program's arrow cursor (cursor resource 130), when the module has one.
constexpr int kCursorId = 130;
// The size of the built-in picture, used as it is when even that cannot be read.
constexpr SIZE kPlainSize{122, 130};
// Where the message goes in the picture: (6, 67) to (116, 124), right and bottom excluded; one
// line every font cell.
constexpr RECT kTextBox{6, 67, 116, 124};
constexpr int kLineHeight = 18;

} // namespace

CReminderPopup::CReminderPopup(HINSTANCE instance, const std::string &gbkMessage, NoteHost &host)
    : m_hInstance(instance), m_host(host), m_strMessage(gbkMessage), m_font(CreateMessageFont())
{
}

CReminderPopup::~CReminderPopup()
{
    m_bDeleting = true;
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

std::unique_ptr<CReminderPopup> CReminderPopup::Open(HINSTANCE instance, HWND clock, const std::filesystem::path &picture,
                                                     const std::string &gbkMessage, NoteHost &host)
{
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    if (!GetClassInfoExW(instance, kClassName, &cls)) {
        cls.style = CS_VREDRAW;
        cls.lpfnWndProc = &CReminderPopup::WndProc;
        cls.hInstance = instance;
        cls.lpszClassName = kClassName;
        if (!RegisterClassExW(&cls))
            return nullptr;
    }

    std::unique_ptr<CReminderPopup> note(new CReminderPopup(instance, gbkMessage, host));
    const NotePicture loaded = LoadNotePicture(instance, picture);
    note->m_bOwnPicture = loaded.own;
    note->m_size = loaded.picture ? SIZE{loaded.picture->width, loaded.picture->height} : kPlainSize;
    if (loaded.picture)
        note->m_bmpPicture.Reset(MakeBitmap(*loaded.picture));

    const RECT area = NoteWorkArea(clock);
    const core::Rect home = popup::CentredRect({area.left, area.top, area.right - area.left, area.bottom - area.top},
                                               {note->m_size.cx, note->m_size.cy});
    note->m_rcHome = RECT{home.left, home.top, home.left + home.width, home.top + home.height};

    note->m_bDeleting = true; // a window that fails while being made is not reported as closed
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, kClassName, L"", WS_POPUP | WS_SYSMENU,
                                home.left, home.top, home.width, home.height, nullptr, nullptr, instance, note.get());
    if (!hwnd)
        return nullptr;
    note->m_bDeleting = false;
    SetLayeredWindowAttributes(hwnd, 0, Alpha, LWA_ALPHA);
    if (loaded.picture)
        SetWindowRgn(hwnd, MakeRegion(core::OutlineRects(*loaded.picture)), FALSE); // the window owns it now
    SetTimer(hwnd, PopupTimerId, PopupTimerMs, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return note;
}

void CReminderPopup::OnTimer(UINT_PTR nIDEvent)
{
    popup::Shake &shake = popup::SharedShake();
    shake = popup::NextShake(shake);
    if (nIDEvent != PopupTimerId || !m_hWnd)
        return;
    if (m_countdown.bClosing) {
        if (m_countdown.Tick()) {
            KillTimer(m_hWnd, PopupTimerId);
            DestroyWindow(m_hWnd); // may delete this note: nothing of it is touched after
        }
        return;
    }
    SetWindowPos(m_hWnd, nullptr, m_rcHome.left + shake.shakeDx, m_rcHome.top + shake.shakeDy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK CReminderPopup::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *created = static_cast<CReminderPopup *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        created->m_hWnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto *note = reinterpret_cast<CReminderPopup *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!note)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return note->OnMessage(message, wParam, lParam); // the note may be gone once this returns
}

LRESULT CReminderPopup::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove();
        return 0;
    case WM_LBUTTONUP:
        m_bDragging = false;
        ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        m_bDragging = false;
        return 0;
    case WM_CONTEXTMENU:
        OnContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_SETCURSOR:
        if (HCURSOR cursor = LoadCursorW(m_hInstance, MAKEINTRESOURCEW(kCursorId))) {
            SetCursor(cursor);
            return TRUE;
        }
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))); // IDC_ARROW
        return TRUE;
    case WM_ERASEBKGND:
        DrawPicture(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hWnd, &ps);
        DrawMessage(dc);
        EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        DrawPicture(reinterpret_cast<HDC>(wParam));
        DrawMessage(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DESTROY:
        KillTimer(m_hWnd, PopupTimerId);
        return 0;
    case WM_NCDESTROY: {
        HWND hwnd = m_hWnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        m_hWnd = nullptr;
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        if (!m_bDeleting)
            m_host.NoteClosed(*this); // the last use of this note
        return result;
    }
    default:
        return DefWindowProcW(m_hWnd, message, wParam, lParam);
    }
}

// A click stops the jiggle and starts the countdown again; holding the button drags the note.
void CReminderPopup::OnLButtonDown()
{
    m_countdown.Click();
    POINT cursor;
    RECT window;
    if (GetCursorPos(&cursor) && GetWindowRect(m_hWnd, &window)) {
        m_ptGrab = POINT{cursor.x - window.left, cursor.y - window.top};
        m_bDragging = true;
        SetCapture(m_hWnd);
    }
    m_host.NoteClicked(*this);
}

void CReminderPopup::OnMouseMove()
{
    POINT cursor;
    if (!m_bDragging || GetCapture() != m_hWnd || !GetCursorPos(&cursor))
        return;
    SetWindowPos(m_hWnd, nullptr, cursor.x - m_ptGrab.x, cursor.y - m_ptGrab.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The snooze menu at `at` (screen coordinates; the note's corner for a keyboard request). The
// note may close while it is open; its command then goes nowhere.
void CReminderPopup::OnContextMenu(POINT at)
{
    if (at.x == -1 && at.y == -1)
        at = POINT{m_rcHome.left, m_rcHome.top};
    HMENU menu = CreatePopupMenu();
    for (const int minutes : SnoozeMinutes)
        AppendMenuW(menu, MF_STRING, SnoozeCommand(minutes), (std::to_wstring(minutes) + L" 分钟后再提醒").c_str());
    HWND hwnd = m_hWnd;
    SetForegroundWindow(hwnd);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr); // may outlive the note
    DestroyMenu(menu);
    PostMessageW(hwnd, WM_NULL, 0, 0);
}

void CReminderPopup::OnCommand(UINT id)
{
    const auto *chosen = std::find_if(std::begin(SnoozeMinutes), std::end(SnoozeMinutes),
                                      [id](int minutes) { return SnoozeCommand(minutes) == id; });
    if (chosen == std::end(SnoozeMinutes))
        return;
    m_host.NoteSnoozed(*this, m_strMessage, *chosen);
    KillTimer(m_hWnd, PopupTimerId);
    DestroyWindow(m_hWnd); // may delete this note: nothing of it is touched after
}

void CReminderPopup::DrawPicture(HDC dc) const
{
    if (!m_bmpPicture) {
        const RECT all{0, 0, m_size.cx, m_size.cy};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, m_bmpPicture.Get());
    BitBlt(dc, 0, 0, m_size.cx, m_size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

// Each line core breaks the message into, centred, one font cell below the one before, clipped
// to the text box.
void CReminderPopup::DrawMessage(HDC dc) const
{
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, kTextBox.left, kTextBox.top, kTextBox.right, kTextBox.bottom);
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, m_font ? static_cast<HGDIOBJ>(m_font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    int top = kTextBox.top;
    for (const std::string &line : popup::MessageLines(m_strMessage)) {
        RECT row{kTextBox.left, top, kTextBox.right, top + kLineHeight};
        const std::wstring text = Wide(core::GbkToUtf8(line));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &row, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        top += kLineHeight;
    }
    RestoreDC(dc, saved);
}

} // namespace win32
