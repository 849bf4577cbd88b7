// The clock's behaviour over its front end (see Clock.h).
#include "core/clock/Clock.h"

#include <algorithm>
#include <climits>
#include <system_error>
#include <utility>

#include "core/alert/TrayTip.h"
#include "core/clock/SecondTick.h"
#include "core/files/IniFile.h"
#include "core/reminders/ReminderCheck.h"
#include "core/reminders/ReminderStore.h"

namespace core {

Clock::Clock(ClockView &view, AutoStartStore &autoStart, ClockFiles files)
    : m_view(view)
    , m_autoStart(autoStart)
    , m_files(std::move(files))
{
}

void Clock::Create(platform::Moment now)
{
    ::LoadReminders(m_reminders, m_files.reminders, now);
    LoadSettings();
    m_view.MakeFace(ReadIniString(m_files.settings, "skin", "background", ""),
                    ReadIniString(m_files.settings, "skin", "number", ""));
    m_view.MoveWindow(m_stored);
    // The first wake comes at once and shows the time.
    m_view.StartTick();
}

void Clock::LoadSettings()
{
    const auto toInt = [](long value) { return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX)); };
    m_stored = {toInt(ReadIniInt(m_files.settings, "location", "x", 0)),
                toInt(ReadIniInt(m_files.settings, "location", "y", 0))};
    m_position.SetStored(m_stored);
    // The entry follows the program wherever it moved; one the desktop switched off stays off.
    if (ReadIniInt(m_files.settings, "autorun", "enable", 1) != 0)
        m_autoStart.RenewAutoRun();
    m_bSoundOn = ReadIniInt(m_files.settings, "alert", "sound", 1) != 0;
}

void Clock::FinishCreate(platform::Moment now)
{
    if (m_iconDay >= 0 || m_bDestroyed)
        return;
    m_bAutoRun = m_autoStart.IsAutoRun();
    m_iconDay = platform::ToLocal(now).day;
    m_view.SetDayIcon(m_iconDay);
    // A tray host may draw the menu without asking first: the ticks are right from the start.
    m_view.SetMenuTicks(m_bAutoRun, m_bSoundOn);
    UpdateTip(now);
}

void Clock::Tick(platform::Moment now)
{
    if (m_bDestroyed)
        return;
    const platform::LocalFields local = platform::ToLocal(now);
    if (!platform::IsNewSecond(m_lastSecond, local.second))
        return;
    const ClockDigits shown = m_digits;
    m_digits = {local.hour / 10, local.hour % 10, local.minute / 10,
                local.minute % 10, local.second / 10, local.second % 10};

    int opened = CheckReminders(m_reminders, local.hour, local.minute, local.second, now,
                                [this](const std::string &message) { m_view.OpenNote(message); });
    for (const std::string &message : m_snoozes.TakeDue(now)) {
        m_view.OpenNote(message);
        ++opened;
    }
    // The text stays as it is until its next reminder or midnight, unless the clock went back.
    if (m_iconDay >= 0 && (opened > 0 || now >= m_tipChangesAt || now < m_tipMadeAt))
        UpdateTip(now);

    // Only the glyphs that changed are drawn again: usually the last digit alone.
    std::array<bool, 6> changed{};
    for (std::size_t i = 0; i < changed.size(); ++i)
        changed[i] = shown[i] != m_digits[i];
    m_view.DrawDigits(m_digits, changed);

    if (m_iconDay >= 0 && local.day != m_iconDay) {
        m_iconDay = local.day;
        m_view.SetDayIcon(m_iconDay);
    }
}

void Clock::UpdateTip(platform::Moment now)
{
    m_view.SetTrayTip(alert::TrayTipText(m_reminders, now, m_snoozes, &m_tipChangesAt));
    m_tipMadeAt = now;
}

void Clock::NoteOpened(const void *note, std::int64_t steadyMs)
{
    if (m_bDestroyed)
        return;
    ApplyAlarm(m_alarm.Opened(note, steadyMs));
}

void Clock::NoteQuieted(const void *note)
{
    ApplyAlarm(m_alarm.Quieted(note));
}

void Clock::Snooze(const void *note, const std::string &message, int minutes, platform::Moment now)
{
    NoteQuieted(note);
    if (m_bDestroyed)
        return;
    m_snoozes.Add(message, now + static_cast<platform::Moment>(minutes) * 60);
    RemindersChanged(now);
}

void Clock::SoundCheck(std::int64_t steadyMs)
{
    ApplyAlarm(m_alarm.Tick(steadyMs));
}

void Clock::ApplyAlarm(alert::AlarmRule::Action action)
{
    // The wake runs only while a sound is under way.
    if (m_alarm.Sounding() != m_bWatchingSound) {
        m_bWatchingSound = m_alarm.Sounding();
        m_view.WatchSound(m_bWatchingSound);
    }
    if (action == alert::AlarmRule::Action::Stop)
        m_view.StopSound();
    else if (action == alert::AlarmRule::Action::Play && m_bSoundOn && !m_bDestroyed)
        m_view.PlaySound();
}

void Clock::RemindersChanged(platform::Moment now)
{
    if (m_iconDay >= 0)
        UpdateTip(now);
}

bool Clock::PrepareFolder() const
{
    std::error_code error;
    std::filesystem::create_directories(m_files.settings.parent_path(), error);
    return !error;
}

void Clock::ToggleAutoStart()
{
    m_bAutoRun = !m_bAutoRun;
    PrepareFolder();
    WriteIniInt(m_files.settings, "autorun", "enable", m_bAutoRun ? 1 : 0);
    if (!m_autoStart.SetAutoRun(m_bAutoRun)) {
        m_view.ShowMessage(m_bAutoRun
            ? "无法写入 " + m_autoStart.Location() + "，时钟不会在登录时自动启动"
            : "无法删除 " + m_autoStart.Location() + "，时钟仍会在登录时自动启动");
    }
    m_bAutoRun = m_autoStart.IsAutoRun();
}

void Clock::ToggleSound()
{
    m_bSoundOn = !m_bSoundOn;
    // Switched off, a sound now playing stops; switched on, it sounds at its next repeat.
    if (!m_bSoundOn)
        m_view.StopSound();
    PrepareFolder();
    WriteIniInt(m_files.settings, "alert", "sound", m_bSoundOn ? 1 : 0);
}

void Clock::MenuShowing()
{
    m_bAutoRun = m_autoStart.IsAutoRun();
    m_view.SetMenuTicks(m_bAutoRun, m_bSoundOn);
}

void Clock::Configure()
{
    // One sheet at a time: the tray menu stays reachable while the sheet is open.
    if (m_bConfiguring || m_bDestroyed)
        return;
    m_bConfiguring = true;
    m_view.OpenSheet();
    m_bConfiguring = false;
    // Exit chosen while the sheet was open has already ended the clock: no restart then.
    if (m_bRestart && !m_bDestroyed)
        Restart();
}

void Clock::Restart()
{
    // The new clock is handed the pending snoozes; without it this one keeps running.
    std::vector<std::string> arguments;
    for (const alert::Snooze &snooze : m_snoozes.Items())
        arguments.push_back("--snooze=" + alert::SnoozeToText(snooze));
    if (!m_view.Restart(arguments)) {
        m_bRestart = false;
        return;
    }
    Destroy();
}

void Clock::SaveSkin(const std::string &background, const std::string &digits)
{
    // The settings file is let go when the clock ends.
    if (m_bDestroyed)
        return;
    PrepareFolder();
    WriteIniString(m_files.settings, "skin", "background", background);
    WriteIniString(m_files.settings, "skin", "number", digits);
}

bool Clock::SaveReminders(platform::Moment now)
{
    // Every edit of the reminders page ends here: the tooltip follows it.
    RemindersChanged(now);
    PrepareFolder();
    return ::SaveReminders(m_reminders, m_files.reminders);
}

void Clock::MoveRested()
{
    if (const std::optional<WindowPosition> pos = m_position.Rest())
        SaveLocation(*pos);
}

void Clock::SaveLocation(WindowPosition pos)
{
    if (m_bDestroyed)
        return;
    PrepareFolder();
    WriteIniInt(m_files.settings, "location", "x", pos.x);
    WriteIniInt(m_files.settings, "location", "y", pos.y);
}

bool Clock::Command(std::string_view command, platform::Moment now)
{
    // A clock that is ending leaves every command to the clock after it.
    if (m_bDestroyed)
        return false;
    if (command.starts_with("restore ")) {
        std::string_view rest = command.substr(8);
        while (!rest.empty()) {
            const std::size_t space = rest.find(' ');
            if (const auto snooze = alert::SnoozeFromText(rest.substr(0, space)))
                m_snoozes.Add(snooze->message, snooze->due);
            rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        }
        RemindersChanged(now);
        m_view.ShowWindow(true);
        return true;
    }
    if (command == "show" || command == "settings") {
        m_view.ShowWindow(true);
        if (command == "settings")
            m_view.Later([this] { Configure(); });
        return true;
    }
    if (command == "quit") {
        m_view.Later([this] { Destroy(); });
        return true;
    }
    return false;
}

void Clock::Destroy()
{
    if (m_bDestroyed)
        return;
    // A drag that has not come to rest yet is written before the clock ends.
    MoveRested();
    m_bDestroyed = true;
    // Notes, sound and snoozes end with the clock.
    ApplyAlarm(m_alarm.Clear());
    m_snoozes.Clear();
    m_view.Close();
}

} // namespace core
