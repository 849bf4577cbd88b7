// The clock window's links to the notes, the chime and the settings sheet.
#include "app/ClockWnd.h"

#include <algorithm>

#include "core/paths/AppFolders.h"
#include "sheet/MyPropertySheet.h"

namespace {

// The sound's wake: often enough that a repeat starts within a quarter second of its time.
constexpr UINT kSoundCheckMs = 250;

} // namespace

void CClockWnd::OpenNote(const std::string &message)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::filesystem::path picture = core::FindDataFile(m_folders.skinDirs, L"通知.MSG");
    std::unique_ptr<win32::CReminderPopup> note = win32::CReminderPopup::Open(instance, m_hWnd, picture, message, *this);
    if (!note)
        return;
    const void *id = note.get();
    m_arrNotes.push_back(std::move(note));
    m_clock.NoteOpened(id, SteadyMs());
}

void CClockWnd::WatchSound(bool on)
{
    if (on)
        SetTimer(m_hWnd, SoundTimerId, kSoundCheckMs, nullptr);
    else
        KillTimer(m_hWnd, SoundTimerId);
}

void CClockWnd::NoteClicked(win32::CReminderPopup &note)
{
    m_clock.NoteQuieted(&note);
}

void CClockWnd::NoteSnoozed(win32::CReminderPopup &note, const std::string &gbkMessage, int minutes)
{
    m_clock.Snooze(&note, gbkMessage, minutes, platform::CurrentMoment());
}

void CClockWnd::NoteClosed(win32::CReminderPopup &note)
{
    m_clock.NoteQuieted(&note);
    std::erase_if(m_arrNotes, [&note](const std::unique_ptr<win32::CReminderPopup> &open) { return open.get() == &note; });
}

void CClockWnd::OpenSheet()
{
    RunSettingsSheet(GetModuleHandleW(nullptr), *this);
}

void CClockWnd::SaveSkin(const std::string &background, const std::string &digits)
{
    m_clock.SaveSkin(background, digits);
}

bool CClockWnd::SaveReminders()
{
    return m_clock.SaveReminders(platform::CurrentMoment());
}
