// The alarm sound: the sound theme's "alarm-clock-elapsed" event, played through libcanberra on a
// worker thread so that the caller never waits for the sound system.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace alert {

class AlarmSound
{
public:
    AlarmSound();
    // Stops the sound and ends the worker.
    ~AlarmSound();

    AlarmSound(const AlarmSound &) = delete;
    AlarmSound &operator=(const AlarmSound &) = delete;

    // Both return at once. Play starts the sound from its beginning; Stop cuts it off. Without
    // libcanberra, a sound server or a sound theme they do nothing, and standard error says why,
    // once.
    void Play();
    void Stop();

private:
    enum class Command { Play, Stop, Quit };

    void Post(Command command);
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Command> m_queue;
    std::thread m_worker;
};

} // namespace alert
