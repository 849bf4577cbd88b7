// The clock's behaviour: its start, the work of each second, the menu commands, the tray clicks,
// the moves of its window and the commands of a later start. A front end implements ClockView,
// forwards its events here and draws; every decision is taken here.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/alert/AlarmRule.h"
#include "core/alert/SnoozeQueue.h"
#include "core/clock/PositionRecorder.h"
#include "core/reminders/ReminderMap.h"
#include "core/time/LocalTime.h"

namespace core {

// Hour tens, hour ones, minute tens, minute ones, second tens, second ones.
using ClockDigits = std::array<int, 6>;

// What the clock asks of its front end.
class ClockView
{
public:
    virtual ~ClockView() = default;

    // Reads the skins named in the settings (empty: none), sizes and outlines the window. The
    // skin catalogue and pictures belong to the front end.
    virtual void MakeFace(const std::string &background, const std::string &digits) = 0;
    // Puts the window at `topLeft`, or where it shows when that is off every screen.
    virtual void MoveWindow(WindowPosition topLeft) = 0;
    // Starts the once-a-second wake that calls Clock::Tick.
    virtual void StartTick() = 0;
    // Draws `digits`; `changed` marks the ones that differ from those drawn before.
    virtual void DrawDigits(const ClockDigits &digits, const std::array<bool, 6> &changed) = 0;
    virtual void ShowWindow(bool visible) = 0;
    // The tray icon shows the day of the month `day` (the first call puts the icon in the tray).
    virtual void SetDayIcon(int day) = 0;
    // Sets the tray tooltip (UTF-8).
    virtual void SetTrayTip(const std::string &text) = 0;
    virtual void SetMenuTicks(bool autoStart, bool sound) = 0;
    // Opens a note with a fired reminder's message (GBK bytes). The note reports back through
    // Clock::NoteOpened, NoteQuieted and Snooze.
    virtual void OpenNote(const std::string &message) = 0;
    // Plays the alarm sound once from its start, or stops it.
    virtual void PlaySound() = 0;
    virtual void StopSound() = 0;
    // While on, calls Clock::SoundCheck about four times a second.
    virtual void WatchSound(bool on) = 0;
    // Shows the settings sheet; returns once it has closed.
    virtual void OpenSheet() = 0;
    // Starts the program again with `arguments`; false (and the user told) when it cannot.
    virtual bool Restart(const std::vector<std::string> &arguments) = 0;
    // Ends the clock: notes, sound and snoozes dropped, tray icon removed, wake stopped, window
    // closed, program left.
    virtual void Close() = 0;
    // Tells the user something went wrong (UTF-8).
    virtual void ShowMessage(const std::string &text) = 0;
    // Runs `work` once the event now handled is done.
    virtual void Later(std::function<void()> work) = 0;
};

// Where the wish to start at logon is kept (a desktop entry, the registry).
class AutoStartStore
{
public:
    virtual ~AutoStartStore() = default;
    // True when the clock starts at logon.
    virtual bool IsAutoRun() const = 0;
    // Writes (on) or removes (off) the start; false when the store refused.
    virtual bool SetAutoRun(bool on) const = 0;
    // Writes the start afresh for the running program, except one the desktop switched off.
    virtual bool RenewAutoRun() const = 0;
    // Where the start is kept, for messages (UTF-8).
    virtual std::string Location() const = 0;
};

// The files the clock keeps; `settings` is config.ini, `reminders` notify.dat.
struct ClockFiles {
    std::filesystem::path settings;
    std::filesystem::path reminders;
};

class Clock
{
public:
    Clock(ClockView &view, AutoStartStore &autoStart, ClockFiles files);

    // The creation sequence: reminders, settings, the face, its place, the tick.
    void Create(platform::Moment now);
    // What the face does not need, done once after its first paint: the tray icon, the menu
    // ticks and the tooltip.
    void FinishCreate(platform::Moment now);

    // The wake at `now`: work happens only when the second has changed.
    void Tick(platform::Moment now);

    // Menu commands.
    void Hide() { m_view.ShowWindow(false); }
    void Exit() { Destroy(); }
    void ToggleAutoStart();
    void ToggleSound();
    void Configure();
    // The tray menu is about to show: its ticks follow the store and the setting.
    void MenuShowing();
    // A tray click with the left button shows the window.
    void TrayClicked() { m_view.ShowWindow(true); }

    // The settings sheet: the skin choice written, a restart wished for after it closes.
    void SaveSkin(const std::string &background, const std::string &digits);
    void AskRestart() { m_bRestart = true; }
    ReminderMap &Reminders() { return m_reminders; }
    // Writes every reminder; false when the file could not be replaced.
    bool SaveReminders(platform::Moment now);

    // The reminders or snoozes changed outside the second's work: the tooltip follows.
    void RemindersChanged(platform::Moment now);

    // The notes: one opened and jiggles (`note` names it until it is quieted; `steadyMs` is a
    // steady clock's milliseconds); one was clicked or closed; one was put off by `minutes`.
    void NoteOpened(const void *note, std::int64_t steadyMs);
    void NoteQuieted(const void *note);
    void Snooze(const void *note, const std::string &message, int minutes, platform::Moment now);
    // The sound's wake: it plays again or stops as the alarm rule says.
    void SoundCheck(std::int64_t steadyMs);
    const alert::SnoozeQueue &Snoozes() const { return m_snoozes; }

    // The window: the button went down on the face; it moved (true: the rest timer must start
    // again); the rest time passed or the button came up.
    void PressedOnFace() { m_position.UserMoveStarted(); }
    bool Moved(WindowPosition pos) { return m_position.Moved(pos); }
    void MoveRested();
    // Writes the window's position to the settings.
    void SaveLocation(WindowPosition pos);

    // A command of a later start: "show", "settings", "quit" or "restore" with snooze texts.
    // False for an unknown one, and for every one once the clock has ended.
    bool Command(std::string_view command, platform::Moment now);

    // Ends the clock; nothing after it.
    void Destroy();

    const ClockDigits &Digits() const { return m_digits; }
    bool AutoRun() const { return m_bAutoRun; }
    bool SoundOn() const { return m_bSoundOn; }
    bool IsDestroyed() const { return m_bDestroyed; }
    WindowPosition StoredPosition() const { return m_stored; }

private:
    void LoadSettings();
    void UpdateTip(platform::Moment now);
    void ApplyAlarm(alert::AlarmRule::Action action);
    void Restart();
    bool PrepareFolder() const;

    ClockView &m_view;
    AutoStartStore &m_autoStart;
    ClockFiles m_files;
    ReminderMap m_reminders;
    PositionRecorder m_position;
    alert::AlarmRule m_alarm;
    alert::SnoozeQueue m_snoozes;
    bool m_bWatchingSound = false;
    WindowPosition m_stored;
    ClockDigits m_digits{};
    int m_lastSecond = 0;
    int m_iconDay = -1; // -1 until the tray icon is up
    platform::Moment m_tipMadeAt = 0;
    platform::Moment m_tipChangesAt = 0;
    bool m_bAutoRun = false;
    bool m_bSoundOn = true;
    bool m_bRestart = false;
    bool m_bConfiguring = false;
    bool m_bDestroyed = false;
};

} // namespace core
