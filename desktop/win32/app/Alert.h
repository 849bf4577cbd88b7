// The alert of fired reminders on Windows: the sound switch, the notes that jiggle (the alarm
// rule) and the queue of snoozed reminders. The note window and the chime come with the note; until
// then a fired reminder is written to the log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/alert/AlarmRule.h"
#include "core/alert/SnoozeQueue.h"

namespace win32 {

class Alert
{
public:
    bool SoundOn() const { return m_bSoundOn; }
    void SetSoundOn(bool on) { m_bSoundOn = on; }

    // Shows a fired reminder's message (GBK bytes).
    void OpenNote(const std::string &message, std::int64_t steadyMs);

    void Snooze(const std::string &message, platform::Moment due) { m_snoozes.Add(message, due); }
    std::vector<std::string> TakeDueSnoozes(platform::Moment now) { return m_snoozes.TakeDue(now); }
    const alert::SnoozeQueue &Snoozes() const { return m_snoozes; }
    // Every pending snooze in its text form, and those a restart handed over.
    std::vector<std::string> PendingTexts() const;
    void AdoptTexts(const std::vector<std::string> &texts);

    // Drops every note and snooze, as at exit.
    void Clear();

private:
    alert::AlarmRule m_rule;
    alert::SnoozeQueue m_snoozes;
    bool m_bSoundOn = true;
};

} // namespace win32
