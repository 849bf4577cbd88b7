// The alert of fired reminders: the alarm sound while popups jiggle, its on/off setting, and the
// queue of snoozed reminders.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "core/alert/AlarmRule.h"
#include "alert/AlarmSound.h"
#include "core/alert/SnoozeQueue.h"

namespace alert {

class Alert : public QObject
{
    Q_OBJECT

public:
    Alert();
    ~Alert() override;

    bool SoundOn() const { return m_bSoundOn; }
    // Switching off silences a sound now playing; switching on lets it sound at its next repeat.
    void SetSoundOn(bool on);

    // A popup opened and jiggles; `popup` identifies it until it is quieted.
    void PopupOpened(const void *popup);
    // The popup stopped jiggling: clicked, snoozed or closed.
    void PopupQuieted(const void *popup);

    void Snooze(const std::string &message, platform::Moment due) { m_snoozes.Add(message, due); }
    std::vector<std::string> TakeDueSnoozes(platform::Moment now) { return m_snoozes.TakeDue(now); }
    const SnoozeQueue &Snoozes() const { return m_snoozes; }

    // Silences the sound and drops every popup and snooze, as at exit.
    void Clear();

private:
    void Apply(AlarmRule::Action action);
    void OnRepeat();

    AlarmRule m_rule;
    SnoozeQueue m_snoozes;
    std::unique_ptr<AlarmSound> m_sound;
    QElapsedTimer m_clock;
    QTimer m_repeat;
    bool m_bSoundOn = true;
};

} // namespace alert
