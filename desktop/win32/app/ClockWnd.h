// CClockWnd: the shaped, always-on-top clock face, its tray icon and menu. It draws and forwards
// its events to the clock (core/clock/Clock.h), which takes every decision.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "app/TrayIcon.h"
#include "common/Gdi.h"
#include "core/clock/Clock.h"
#include "core/clock/DigitCopies.h"
#include "core/paths/AppFolders.h"
#include "note/ChimeSound.h"
#include "note/ReminderPopup.h"
#include "sheet/SheetHost.h"

class CClockWnd : public CTrayIcon, private core::ClockView, private win32::NoteHost, private SheetHost
{
public:
    static constexpr UINT_PTR ClockTimerId = 6000;
    static constexpr UINT_PTR RestTimerId = 6002;
    static constexpr UINT_PTR SoundTimerId = 6003;
    static constexpr int DigitBoxWidth = core::kDigitBoxWidth;
    static constexpr int DigitBoxHeight = core::kDigitBoxHeight;
    // A posted "run the work queued by Later".
    static constexpr UINT WM_RUNLATER = WM_APP + 1;
    // WM_COPYDATA's tag for a command of a later start (UTF-8 text).
    static constexpr ULONG_PTR CopyDataCommand = 0x4B435644;
    static const wchar_t ClassName[];

    // The files live in `folders`; the logon start is kept in `autoStart`.
    CClockWnd(const core::AppFolders &folders, std::unique_ptr<core::AutoStartStore> autoStart);
    ~CClockWnd() override;

    // The creation sequence (see core::Clock::Create), then stacking and opacity; false when the
    // window cannot be made.
    bool Create(const std::wstring &windowName);
    // What the face does not need, done once after its first paint: tray icon, ticks, tooltip.
    void FinishCreate();
    // A command of a later start (see core::Clock::Command).
    bool OnCommand(const std::string &command);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HMENU TrayMenu() const { return m_menuTray ? GetSubMenu(m_menuTray, 0) : nullptr; }
    const core::ClockDigits &Digits() const { return m_clock.Digits(); }
    POINT DigitBoxPosition() const { return m_ptDigits; }
    bool IsDestroyed() const { return m_clock.IsDestroyed(); }
    bool BuiltInBackground() const { return m_strBkPath.empty(); }
    bool BuiltInDigits() const { return m_strNumPath.empty(); }
    const core::Clock &Clock() const { return m_clock; }
    // The notes open now.
    std::size_t NoteCount() const { return m_arrNotes.size(); }

    int m_nX = 0;
    int m_nY = 0;
    std::string m_strBkName;
    std::string m_strNumName;
    std::vector<std::string> m_arrBkNames;
    std::vector<std::string> m_arrNumNames;

private:
    // core::ClockView
    void MakeFace(const std::string &background, const std::string &digits) override;
    void MoveWindow(core::WindowPosition topLeft) override;
    void StartTick() override;
    void DrawDigits(const core::ClockDigits &digits, const std::array<bool, 6> &changed) override;
    void ShowWindow(bool visible) override;
    void SetDayIcon(int day) override;
    void SetTrayTip(const std::string &text) override;
    void SetMenuTicks(bool autoStart, bool sound) override;
    void OpenNote(const std::string &message) override;
    void PlaySound() override { m_chime.Play(); }
    void StopSound() override { m_chime.Stop(); }
    void WatchSound(bool on) override;
    void OpenSheet() override;
    bool Restart(const std::vector<std::string> &arguments) override;
    void Close() override;
    void ShowMessage(const std::string &text) override;
    void Later(std::function<void()> work) override;

    // win32::NoteHost
    void NoteClicked(win32::CReminderPopup &note) override;
    void NoteSnoozed(win32::CReminderPopup &note, const std::string &gbkMessage, int minutes) override;
    void NoteClosed(win32::CReminderPopup &note) override;

    // SheetHost
    POINT ClockPosition() const override { return {m_nX, m_nY}; }
    HWND ClockWindow() const override { return m_hWnd; }
    // The usable skins, as listed when the face was made.
    std::vector<std::string> BackgroundNames() const override { return m_arrBkNames; }
    std::vector<std::string> DigitNames() const override { return m_arrNumNames; }
    std::string CurrentBackground() const override { return m_strBkName; }
    std::string CurrentDigits() const override { return m_strNumName; }
    void SaveSkin(const std::string &background, const std::string &digits) override;
    void SetRestart() override { m_clock.AskRestart(); }
    ReminderMap &Reminders() override { return m_clock.Reminders(); }
    bool SaveReminders() override;

    // CTrayIcon
    int OnTrayLButtonDown() override;
    int OnTrayRButtonUp() override;

    // Milliseconds of the system's steady clock, for the alarm's repeat.
    static std::int64_t SteadyMs() { return static_cast<std::int64_t>(GetTickCount64()); }
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnMenuCommand(int id);
    void OnMove();
    BOOL OnCopyData(const COPYDATASTRUCT *data);
    void ShowTrayMenu();
    // Picks the skin of one kind (see core::PickSkin); the file path, empty for the built-in one.
    std::filesystem::path ChooseSkin(std::string &name, std::vector<std::string> &names, const char *extension,
                                     const char *kind);
    void BuildShape(const core::Picture &background);

    core::AppFolders m_folders;
    std::unique_ptr<core::AutoStartStore> m_autoStart;
    core::Clock m_clock;
    std::vector<std::unique_ptr<win32::CReminderPopup>> m_arrNotes;
    win32::ChimeSound m_chime{GetModuleHandleW(nullptr)};
    HWND m_hWnd = nullptr;
    std::wstring m_strWindowName;
    std::filesystem::path m_strBkPath;
    std::filesystem::path m_strNumPath;
    win32::GdiObject<HBITMAP> m_bmpBackground;
    win32::GdiObject<HBITMAP> m_bmpDigits;
    SIZE m_size{0, 0};
    POINT m_ptDigits{0, 0};
    HMENU m_menuTray = nullptr;
    HICON m_hDayIcon = nullptr;
    UINT m_nTaskbarCreated = 0;
    std::vector<std::function<void()>> m_arrLater;
    bool m_bPainted = false;
    bool m_bFinished = false;
};
