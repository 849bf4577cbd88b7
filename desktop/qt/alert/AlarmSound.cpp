// The worker thread that owns the libcanberra context: the library is opened, and the context
// created and connected, on the first play, never on the interface thread. Opened at run time,
// libcanberra and the codecs it brings cost the clock's start nothing.
#include "alert/AlarmSound.h"

#include <canberra.h>
#include <dlfcn.h>

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

// The few functions of libcanberra the sound uses, looked up in the library opened at run time.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_strerror) strerror = nullptr;

    QString Reason(int error) const { return QString::fromUtf8(strerror(error)); }
};

template<typename Function>
bool Find(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Opens libcanberra once for the life of the program; false with the reason when it is missing.
bool OpenCanberra(Canberra &canberra, QString &why)
{
    void *library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        why = QString::fromLocal8Bit(dlerror());
        return false;
    }
    if (Find(library, "ca_context_create", canberra.create)
        && Find(library, "ca_context_change_props", canberra.changeProps)
        && Find(library, "ca_context_open", canberra.open) && Find(library, "ca_context_play", canberra.play)
        && Find(library, "ca_context_cancel", canberra.cancel)
        && Find(library, "ca_context_destroy", canberra.destroy) && Find(library, "ca_strerror", canberra.strerror))
        return true;
    why = QString::fromLocal8Bit(dlerror());
    dlclose(library);
    return false;
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
    Canberra ca;
    bool bOpened = false;
    bool bTried = false;
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
                ca.cancel(context, kSoundId);
            continue;
        }
        if (!bTried) {
            bTried = true;
            QString why;
            bOpened = OpenCanberra(ca, why);
            if (!bOpened)
                SayOnce(bSaid, QStringLiteral("libcanberra cannot be loaded (%1)").arg(why));
        }
        if (!bOpened)
            continue;
        if (!context) {
            int error = ca.create(&context);
            if (error == CA_SUCCESS) {
                ca.changeProps(context, CA_PROP_APPLICATION_NAME, "Dovetock", CA_PROP_APPLICATION_ID, "dovetock",
                               nullptr);
                error = ca.open(context);
            }
            if (error != CA_SUCCESS) {
                SayOnce(bSaid, QStringLiteral("no sound server (%1)").arg(ca.Reason(error)));
                if (context)
                    ca.destroy(context);
                context = nullptr;
                continue;
            }
        }
        ca.cancel(context, kSoundId);
        const int error = ca.play(context, kSoundId, CA_PROP_EVENT_ID, "alarm-clock-elapsed",
                                  CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr);
        if (error == CA_ERROR_NOTFOUND)
            SayOnce(bSaid, QStringLiteral("no sound theme has the alarm-clock-elapsed sound"));
        else if (error != CA_SUCCESS)
            SayOnce(bSaid, QStringLiteral("the alarm sound cannot be played (%1)").arg(ca.Reason(error)));
    }
    if (context) {
        ca.cancel(context, kSoundId);
        ca.destroy(context);
    }
}

} // namespace alert
