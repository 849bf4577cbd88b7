// Prints how long the reminder check and the reminder file take for 10 000 records, as wall-clock
// time and as processor time of this process (the two differ on a busy machine).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include <filesystem>

#include "core/reminders/ReminderCheck.h"
#include "core/reminders/ReminderStore.h"

namespace {

constexpr int RecordCount = 10000;
constexpr int CheckPasses = 1000;
constexpr int FileRounds = 30;

struct Sample {
    double wall = 0; // microseconds
    double cpu = 0;  // microseconds
};

class Stopwatch
{
public:
    Stopwatch() : m_wall(std::chrono::steady_clock::now()), m_cpu(std::clock()) {}
    Sample Lap()
    {
        const auto wall = std::chrono::steady_clock::now();
        const std::clock_t cpu = std::clock();
        const Sample sample{std::chrono::duration<double, std::micro>(wall - m_wall).count(),
                            1e6 * static_cast<double>(cpu - m_cpu) / CLOCKS_PER_SEC};
        m_wall = wall;
        m_cpu = cpu;
        return sample;
    }

private:
    std::chrono::steady_clock::time_point m_wall;
    std::clock_t m_cpu;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Mean(const std::vector<double> &values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return sum / static_cast<double>(values.size());
}

void Report(const char *what, const std::vector<Sample> &samples)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Sample &s : samples) {
        wall.push_back(s.wall);
        cpu.push_back(s.cpu);
    }
    std::printf("%-38s wall median %9.3f ms  min %9.3f ms | cpu mean %9.3f ms\n", what, Median(wall) / 1000,
                *std::min_element(wall.begin(), wall.end()) / 1000, Mean(cpu) / 1000);
}

void Fill(ReminderMap &map, platform::Moment now)
{
    for (int i = 0; i < RecordCount; ++i) {
        const int seconds = static_cast<int>(static_cast<long long>(i) * 86400 / RecordCount); // distinct keys
        auto record = std::make_unique<ReminderRecord>();
        record->Set(1971, 1, 1, seconds / 3600, seconds / 60 % 60, seconds % 60, 1,
                    "\xC6\xF0\xB4\xB2\xB3\xD4\xD2\xA9 take the 8 o'clock pill", ReminderRecord::KindDaily, now);
        map.Insert(std::move(record));
    }
}

} // namespace

int main()
{
    const platform::Moment start = platform::CurrentMoment();
    ReminderMap map;
    Fill(map, start);

    std::vector<Sample> check;
    int fired = 0;
    for (int pass = 0; pass < CheckPasses; ++pass) {
        const platform::Moment now = start + pass;
        const platform::LocalFields local = platform::ToLocal(now);
        Stopwatch watch;
        fired += CheckReminders(map, local.hour, local.minute, local.second, now, [](const std::string &) {});
        check.push_back(watch.Lap());
    }

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "dovetock-reminder-bench";
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / "notify.dat";
    std::vector<Sample> save, load, both, write, read;
    for (int round = 0; round < FileRounds; ++round) {
        Stopwatch watch;
        const bool saved = SaveReminders(map, path);
        const Sample saveSample = watch.Lap();
        ReminderMap loaded;
        const bool complete = LoadReminders(loaded, path, start) == LoadResult::Loaded;
        const Sample loadSample = watch.Lap();
        if (!saved || !complete || loaded.Size() != map.Size()) {
            std::fprintf(stderr, "the save or the load failed\n");
            return 1;
        }
        save.push_back(saveSample);
        load.push_back(loadSample);
        both.push_back({saveSample.wall + loadSample.wall, saveSample.cpu + loadSample.cpu});

        std::string buffer;
        watch.Lap();
        WriteReminders(map, buffer);
        write.push_back(watch.Lap());
        ReminderMap fromMemory;
        ReadReminders(fromMemory, buffer, start);
        read.push_back(watch.Lap());
    }

    std::printf("%d records; %d check passes over consecutive seconds (%d fired); %d save/load rounds\n",
                RecordCount, CheckPasses, fired, FileRounds);
    Report("CheckReminders at one second change", check);
    Report("SaveReminders (notify.dat)", save);
    Report("LoadReminders (notify.dat)", load);
    Report("save + load", both);
    Report("WriteReminders to memory", write);
    Report("ReadReminders from memory", read);
    std::filesystem::remove_all(dir);
    return 0;
}
