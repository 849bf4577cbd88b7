// fault_driver: saves and checks notify.dat and config.ini through the program's own functions,
// and kills a saving process at random moments to show that every save replaces a file whole.
//
//   fault_driver save-reminders FILE GENERATION   save the reminder set of GENERATION
//   fault_driver check-reminders FILE             print the generation FILE holds; fail unless whole
//   fault_driver save-ini FILE GENERATION         write location x and y = GENERATION, as a move does
//   fault_driver picture FILE WIDTH HEIGHT         write a grey BMP picture with the header's size
//       fields as given (rows only where the size is positive; run-length data when it is large)
//   fault_driver kill-loop reminders|ini FILE SAVES
//       a child saves generation after generation; it is killed (SIGKILL) after a random delay,
//       the file is checked, and this repeats until SAVES saves have completed.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "core/pictures/tests/BmpWriter.h"
#include "platform/IniFile.h"
#include "core/time/LocalTime.h"
#include "core/reminders/ReminderStore.h"

namespace {

constexpr platform::Moment kNow = 1778572800;

// Generation g holds 1 + g % 7 daily reminders whose messages all name g; the longer messages
// make the file big enough for a kill to land inside a write.
ReminderMap ReminderSet(long generation)
{
    ReminderMap map;
    const int count = 1 + static_cast<int>(generation % 7);
    for (int i = 0; i < count; ++i) {
        auto record = std::make_unique<ReminderRecord>();
        std::string message = "generation " + std::to_string(generation) + " reminder " + std::to_string(i) + " ";
        message.append(static_cast<std::size_t>(30 * i), static_cast<char>('a' + i));
        record->Set(1971, 1, 1, 7, i, 30, 1, message, ReminderRecord::KindDaily, kNow);
        map.Insert(std::move(record));
    }
    return map;
}

// The generation a reminder file holds, or nothing (with the reason on stderr) when it is not one
// whole set.
std::optional<long> ReminderGeneration(const QString &path)
{
    ReminderMap map;
    const LoadResult result = LoadReminders(map, platform::FsPath(path), kNow);
    if (result != LoadResult::Loaded) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), DescribeLoadResult(result).c_str());
        return std::nullopt;
    }
    std::optional<long> generation;
    bool consistent = !map.IsEmpty();
    map.ForEach([&](const ReminderRecord &r) {
        long g = -1;
        if (std::sscanf(r.message.c_str(), "generation %ld", &g) != 1)
            consistent = false;
        if (!generation)
            generation = g;
        consistent = consistent && g == *generation;
    });
    if (!consistent || map.Size() != static_cast<std::size_t>(1 + *generation % 7)) {
        std::fprintf(stderr, "%s: records of different saves mixed, or some missing\n", qPrintable(path));
        return std::nullopt;
    }
    return generation;
}

bool SaveReminderGeneration(const QString &path, long generation)
{
    return SaveReminders(ReminderSet(generation), platform::FsPath(path));
}

const QString kLocation = QStringLiteral("location");

bool SaveIniGeneration(const QString &path, long generation)
{
    return platform::WriteIniInt(path, kLocation, QStringLiteral("x"), generation)
        && platform::WriteIniInt(path, kLocation, QStringLiteral("y"), generation);
}

// x and y of a settings file, or nothing when a setting the test put there has gone.
std::optional<std::pair<long, long>> IniPosition(const QString &path)
{
    QString background;
    long enable = -1;
    platform::ReadIniString(path, QStringLiteral("skin"), QStringLiteral("background"), QString(), background);
    platform::ReadIniInt(path, QStringLiteral("autorun"), QStringLiteral("enable"), -1, enable);
    if (background != QStringLiteral("Classic") || enable != 0) {
        std::fprintf(stderr, "%s: the other settings are gone\n", qPrintable(path));
        return std::nullopt;
    }
    long x = -1;
    long y = -1;
    platform::ReadIniInt(path, kLocation, QStringLiteral("x"), -1, x);
    platform::ReadIniInt(path, kLocation, QStringLiteral("y"), -1, y);
    return std::make_pair(x, y);
}

// Forks a child that saves generations first, first + 1, ... and writes each finished one to a
// pipe; kills it after `delay`; returns the last generation it reported (first - 1 when none).
long SaveUntilKilled(bool reminders, const QString &path, long first, std::chrono::microseconds delay)
{
    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        for (long g = first;; ++g) {
            if (!(reminders ? SaveReminderGeneration(path, g) : SaveIniGeneration(path, g)))
                _exit(3);
            if (write(fds[1], &g, sizeof g) != sizeof g)
                _exit(4);
        }
    }
    close(fds[1]);
    usleep(static_cast<useconds_t>(delay.count()));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFSIGNALED(status)) {
        std::fprintf(stderr, "the saving process ended by itself (status %d): a save failed\n", status);
        std::exit(1);
    }
    long last = first - 1;
    long g = 0;
    while (read(fds[0], &g, sizeof g) == sizeof g)
        last = g;
    close(fds[0]);
    return last;
}

int KillLoop(bool reminders, const QString &path, long saves)
{
    const char *what = reminders ? "notify.dat" : "config.ini";
    const bool ready = reminders
        ? SaveReminderGeneration(path, 0)
        : platform::WriteIniInt(path, QStringLiteral("autorun"), QStringLiteral("enable"), 0)
            && platform::WriteIniString(path, QStringLiteral("skin"), QStringLiteral("background"), QStringLiteral("Classic"))
            && SaveIniGeneration(path, 0);
    if (!ready) {
        std::fprintf(stderr, "cannot write the first %s\n", what);
        return 1;
    }
    std::mt19937 random(static_cast<unsigned>(std::random_device{}()));
    long current = 0; // the generation the file holds
    long done = 0;
    long kills = 0;
    long newer = 0; // kills after which the file held the save that had not been reported yet
    double microsPerSave = 300;
    while (done < saves) {
        // Delays up to a few saves long, so that kills fall at every point of a save.
        std::uniform_real_distribution<double> spread(0, 4 * microsPerSave);
        const auto delay = std::chrono::microseconds(static_cast<long>(spread(random)));
        const auto start = std::chrono::steady_clock::now();
        const long reported = SaveUntilKilled(reminders, path, current + 1, delay);
        const auto elapsed = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start);
        ++kills;
        const long finished = reported - current;
        done += finished;
        if (finished > 0)
            microsPerSave = 0.8 * microsPerSave + 0.2 * (elapsed.count() / static_cast<double>(finished + 1));

        long held = -1;
        if (reminders) {
            const std::optional<long> g = ReminderGeneration(path);
            if (!g) {
                std::fprintf(stderr, "FAIL: after kill %ld %s is not whole\n", kills, what);
                return 1;
            }
            held = *g;
        } else {
            const auto position = IniPosition(path);
            if (!position) {
                std::fprintf(stderr, "FAIL: after kill %ld %s is not whole\n", kills, what);
                return 1;
            }
            // x is written before y: x may be one save ahead of y, never behind.
            const auto [x, y] = *position;
            if (!(x == y || x == y + 1)) {
                std::fprintf(stderr, "FAIL: after kill %ld %s holds x=%ld y=%ld\n", kills, what, x, y);
                return 1;
            }
            held = y;
        }
        if (held != reported && held != reported + 1) {
            std::fprintf(stderr, "FAIL: after kill %ld %s holds save %ld, the last finished save was %ld\n", kills,
                         what, held, reported);
            return 1;
        }
        newer += held == reported + 1 ? 1 : 0;
        current = held;
        if (!reminders) {
            // Finish a half-done move, so that the next child starts from x == y.
            if (!SaveIniGeneration(path, held + 1)) {
                std::fprintf(stderr, "cannot write %s\n", what);
                return 1;
            }
            current = held + 1;
        }
    }
    int leftovers = 0;
    const QFileInfo info(path);
    for (const QFileInfo &entry : info.dir().entryInfoList(QDir::Files)) {
        if (entry.fileName() != info.fileName())
            ++leftovers;
    }
    std::printf("%s: %ld saves, killed %ld times; every kill left it whole, holding the last finished save "
                "or (%ld times) the one in progress; %d temporary files left behind\n",
                what, done, kills, newer, leftovers);
    return 0;
}

bool WritePicture(const QString &path, long width, long height)
{
    const long rows = height < 0 ? -height : height;
    testbmp::Layout layout{.width = static_cast<int>(width), .height = static_cast<int>(height)};
    if (width <= 0 || height == 0) {
        layout.rawBits = {0, 0, 0, 0}; // no rows: only the header states the size
    } else if (width * rows > 1000000) {
        // Run-length data with only the end mark: every pixel keeps colour 0.
        layout = {.width = layout.width, .height = layout.height, .bitCount = 8, .compression = 1, .clrUsed = 2,
                  .sizeImage = 2, .palette = {core::Rgb(128, 128, 128), core::Rgb(0, 0, 0)}, .rawBits = {0, 1}};
    } else {
        layout.pixel = [](int, int) { return 0x808080u; };
    }
    return testbmp::Write(platform::FsPath(path), testbmp::Make(layout));
}

int Usage()
{
    std::fprintf(stderr, "usage: fault_driver save-reminders|check-reminders|save-ini FILE [GENERATION]\n"
                         "       fault_driver kill-loop reminders|ini FILE SAVES\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return Usage();
    const std::string command = argv[1];
    if (command == "kill-loop" && argc == 5) {
        const std::string kind = argv[2];
        if (kind != "reminders" && kind != "ini")
            return Usage();
        return KillLoop(kind == "reminders", QString::fromLocal8Bit(argv[3]), std::atol(argv[4]));
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (command == "picture" && argc == 5)
        return WritePicture(path, std::atol(argv[3]), std::atol(argv[4])) ? 0 : 1;
    if (command == "save-reminders" && argc == 4) {
        if (SaveReminderGeneration(path, std::atol(argv[3])))
            return 0;
        std::fprintf(stderr, "reminders not saved; %s is as it was\n", argv[2]);
        return 1;
    }
    if (command == "check-reminders" && argc == 3) {
        const std::optional<long> g = ReminderGeneration(path);
        if (!g)
            return 1;
        std::printf("%ld\n", *g);
        return 0;
    }
    if (command == "save-ini" && argc == 4) {
        if (SaveIniGeneration(path, std::atol(argv[3])))
            return 0;
        std::fprintf(stderr, "settings not saved; %s is as it was\n", argv[2]);
        return 1;
    }
    return Usage();
}
