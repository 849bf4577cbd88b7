// The alert's snoozes and, until the note window arrives, the log line of a fired reminder.
#include "app/Alert.h"

#include "core/files/Gbk.h"
#include "core/files/Log.h"

namespace win32 {

void Alert::OpenNote(const std::string &message, std::int64_t steadyMs)
{
    // Stands in for the note window and its chime: the message goes to the log, and the note
    // counts as quieted at once, so no sound is due.
    const void *note = &message;
    m_rule.Opened(note, steadyMs);
    m_rule.Quieted(note);
    core::LogProblem("reminder: " + core::GbkToUtf8(message));
}

std::vector<std::string> Alert::PendingTexts() const
{
    std::vector<std::string> texts;
    for (const alert::Snooze &snooze : m_snoozes.Items())
        texts.push_back(alert::SnoozeToText(snooze));
    return texts;
}

void Alert::AdoptTexts(const std::vector<std::string> &texts)
{
    for (const std::string &text : texts) {
        if (auto snooze = alert::SnoozeFromText(text))
            m_snoozes.Add(snooze->message, snooze->due);
    }
}

void Alert::Clear()
{
    m_rule.Clear();
    m_snoozes.Clear();
}

} // namespace win32
