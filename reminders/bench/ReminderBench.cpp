// Prints how long the reminder check and the reminder file take for 10 000 records.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QTemporaryDir>

#include "reminders/ReminderCheck.h"
#include "reminders/ReminderStore.h"

namespace {

constexpr int RecordCount = 10000;
constexpr int Rounds = 50;

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

void Fill(ReminderMap &map, platform::Moment now)
{
    for (int i = 0; i < RecordCount; ++i) {
        const int seconds = i * 8 + 3; // spread over the day, every record a distinct key
        auto record = std::make_unique<ReminderRecord>();
        record->Set(1971, 1, 1, seconds / 3600, seconds / 60 % 60, seconds % 60, 1,
                    "\xC6\xF0\xB4\xB2\xB3\xD4\xD2\xA9 take the 8 o'clock pill", ReminderRecord::KindDaily, now);
        map.Insert(std::move(record));
    }
}

void Report(const char *what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    double sum = 0;
    for (double s : samples)
        sum += s;
    std::printf("%-44s median %9.1f us   mean %9.1f us   max %9.1f us\n", what, samples[samples.size() / 2],
                sum / static_cast<double>(samples.size()), samples.back());
}

} // namespace

int main()
{
    const platform::Moment start = platform::CurrentMoment();
    ReminderMap map;
    Fill(map, start);

    std::vector<double> check;
    int fired = 0;
    for (int round = 0; round < Rounds * 20; ++round) {
        const platform::Moment now = start + round;
        const platform::LocalFields local = platform::ToLocal(now);
        const auto begin = Clock::now();
        fired += CheckReminders(map, local.hour, local.minute, local.second, now,
                                [](const std::string &) {});
        check.push_back(Microseconds(Clock::now() - begin));
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notify.dat"));
    std::vector<double> save;
    std::vector<double> load;
    std::vector<double> both;
    for (int round = 0; round < Rounds; ++round) {
        const auto begin = Clock::now();
        if (!SaveReminders(map, path)) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
        const auto saved = Clock::now();
        ReminderMap loaded;
        if (LoadReminders(loaded, path, start) != LoadResult::Loaded || loaded.Size() != map.Size()) {
            std::fprintf(stderr, "load failed\n");
            return 1;
        }
        const auto end = Clock::now();
        save.push_back(Microseconds(saved - begin));
        load.push_back(Microseconds(end - saved));
        both.push_back(Microseconds(end - begin));
    }

    std::printf("%d records, %d check passes (%d fired), %d save/load rounds\n", RecordCount, Rounds * 20, fired,
                Rounds);
    Report("CheckReminders at one second change", check);
    Report("SaveReminders", save);
    Report("LoadReminders", load);
    Report("save + load", both);
    return 0;
}
