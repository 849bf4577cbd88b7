// CReminderPopup: the note a fired reminder opens: the note picture's shape, half see-through,
// above every window, the message in red; it jiggles until clicked and closes a little later.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <windows.h>

#include "common/Gdi.h"
#include "core/note/PopupLogic.h"
#include "core/pictures/BitmapFile.h"

namespace win32 {

class CReminderPopup;

// What a note tells its owner, the clock.
class NoteHost
{
public:
    virtual ~NoteHost() = default;
    // A left click: the note stops jiggling (its alarm may be quieted) and closes on its own soon.
    virtual void NoteClicked(CReminderPopup &note) = 0;
    // The user put the reminder off by `minutes` from the note's menu; the note closes right after.
    virtual void NoteSnoozed(CReminderPopup &note, const std::string &gbkMessage, int minutes) = 0;
    // The note's window is gone. This is the last call the note makes: the owner may delete it
    // here, and only here (or at any time outside the note's calls).
    virtual void NoteClosed(CReminderPopup &note) = 0;
};

class CReminderPopup
{
public:
    static constexpr UINT_PTR PopupTimerId = 6001;
    static constexpr UINT PopupTimerMs = 100;
    static constexpr BYTE Alpha = 200;
    // The snoozes its right-click menu offers, and the menu command of each.
    static constexpr int SnoozeMinutes[] = {5, 10, 30};
    static constexpr UINT SnoozeCommand(int minutes) { return 0x7000u + static_cast<UINT>(minutes); }

    // Opens a note with `gbkMessage` (the reminder's GBK bytes) in the middle of the work area of
    // the monitor that shows `clock` (the primary monitor when `clock` is null). `picture` is the
    // note picture's full path; when it is missing or unusable the built-in picture of `instance`
    // (Note.rc) is shown instead, and that is reported. The note is shown at once and jiggles.
    // Null only when the system refused the window.
    static std::unique_ptr<CReminderPopup> Open(HINSTANCE instance, HWND clock, const std::filesystem::path &picture,
                                                const std::string &gbkMessage, NoteHost &host);
    // Closes a window still open, without telling the host.
    ~CReminderPopup();

    CReminderPopup(const CReminderPopup &) = delete;
    CReminderPopup &operator=(const CReminderPopup &) = delete;

    // One tick of a timer: every tick moves the jiggle all notes share; the note's own timer also
    // moves the window or counts down to its closing.
    void OnTimer(UINT_PTR nIDEvent);

    HWND Window() const { return m_hWnd; }
    const std::string &Message() const { return m_strMessage; }
    RECT HomeRect() const { return m_rcHome; }
    // False when the built-in picture stands in for the named one.
    bool UsesOwnPicture() const { return m_bOwnPicture; }
    bool IsClosing() const { return m_countdown.bClosing; }

private:
    CReminderPopup(HINSTANCE instance, const std::string &gbkMessage, NoteHost &host);

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnLButtonDown();
    void OnMouseMove();
    void OnContextMenu(POINT at);
    void OnCommand(UINT id);
    void DrawPicture(HDC dc) const;
    void DrawMessage(HDC dc) const;

    HINSTANCE m_hInstance;
    NoteHost &m_host;
    std::string m_strMessage;
    HWND m_hWnd = nullptr;
    RECT m_rcHome{};
    SIZE m_size{};
    bool m_bOwnPicture = false;
    bool m_bDeleting = false;
    bool m_bDragging = false;
    POINT m_ptGrab{};
    popup::CloseCountdown m_countdown;
    GdiObject<HBITMAP> m_bmpPicture;
    GdiObject<HFONT> m_font;
};

} // namespace win32
