// The worker thread that owns the libcanberra context: it is created and connected on the first
// play, never on the interface thread.
#include "alert/AlarmSound.h"

#include <canberra.h>

#include <QString>

#include "platform/UserMessage.h"

namespace alert {

namespace {

constexpr std::uint32_t kSoundId = 1;

void SayOnce(bool &said, const QString &why)
{
    if (said)
        return;
    said = true;
    platform::LogProblem(QStringLiteral("reminders are silent: %1").arg(why));
}

QString Reason(int error)
{
    return QString::fromUtf8(ca_strerror(error));
}

} // namespace

AlarmSound::AlarmSound()
    : m_worker([this] { Run(); })
{
}

AlarmSound::~AlarmSound()
{
    Post(Command::Quit);
    m_worker.join();
}

void AlarmSound::Play()
{
    Post(Command::Play);
}

void AlarmSound::Stop()
{
    Post(Command::Stop);
}

void AlarmSound::Post(Command command)
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(command);
    }
    m_wake.notify_one();
}

void AlarmSound::Run()
{
    ca_context *context = nullptr;
    bool bSaid = false;
    for (;;) {
        Command command;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_queue.empty(); });
            command = m_queue.front();
            m_queue.pop_front();
        }
        if (command == Command::Quit)
            break;
        if (command == Command::Stop) {
            if (context)
                ca_context_cancel(context, kSoundId);
            continue;
        }
        if (!context) {
            int error = ca_context_create(&context);
            if (error == CA_SUCCESS) {
                ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Dovetock",
                                        CA_PROP_APPLICATION_ID, "dovetock", nullptr);
                error = ca_context_open(context);
            }
            if (error != CA_SUCCESS) {
                SayOnce(bSaid, QStringLiteral("no sound server (%1)").arg(Reason(error)));
                if (context)
                    ca_context_destroy(context);
                context = nullptr;
                continue;
            }
        }
        ca_context_cancel(context, kSoundId);
        const int error = ca_context_play(context, kSoundId, CA_PROP_EVENT_ID, "alarm-clock-elapsed",
                                          CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr);
        if (error == CA_ERROR_NOTFOUND)
            SayOnce(bSaid, QStringLiteral("no sound theme has the alarm-clock-elapsed sound"));
        else if (error != CA_SUCCESS)
            SayOnce(bSaid, QStringLiteral("the alarm sound cannot be played (%1)").arg(Reason(error)));
    }
    if (context) {
        ca_context_cancel(context, kSoundId);
        ca_context_destroy(context);
    }
}

} // namespace alert
