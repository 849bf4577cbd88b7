// Figures of the Windows note and chime: how long opening a note takes (picture read, outline,
// window shown and painted), and how long after Play the first sound reaches the output, read
// from the WAV file ALSA's file output writes (named by DOVETOCK_PLAYED, a Unix path).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <windows.h>

#include "core/files/ReadFile.h"
#include "note/ChimeSound.h"
#include "note/ReminderPopup.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Quiet : win32::NoteHost {
    void NoteClicked(win32::CReminderPopup &) override {}
    void NoteSnoozed(win32::CReminderPopup &, const std::string &, int) override {}
    void NoteClosed(win32::CReminderPopup &) override {}
};

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// True once the 16-bit samples after the 44-byte header hold something louder than 1/30 of full scale.
bool Audible(const std::filesystem::path &path)
{
    const std::string bytes = core::ReadFileBytes(path).value_or("");
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<short>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (sample > 1000 || sample < -1000)
            return true;
    }
    return false;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::filesystem::path picture = argc > 1 ? argv[1] : L"";
    const int runs = 30;
    Quiet host;
    std::vector<double> open;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        auto note = win32::CReminderPopup::Open(GetModuleHandleW(nullptr), nullptr, picture, "\xC7\xEB\xBF\xAA\xBB\xE1", host);
        open.push_back(Ms(Clock::now() - start));
    }
    std::printf("note open (picture, outline, shown and painted): median %.2f ms of %d\n", Median(open), runs);

    const char *played = std::getenv("DOVETOCK_PLAYED");
    if (!played)
        return 0;
    const std::filesystem::path out = std::string("Z:") + played;
    win32::ChimeSound chime(GetModuleHandleW(nullptr));
    std::vector<double> latency;
    for (int i = 0; i < 5; ++i) {
        std::filesystem::remove(out);
        const auto start = Clock::now();
        if (!chime.Play())
            return 1;
        while (!Audible(out) && Clock::now() - start < std::chrono::seconds(10))
            Sleep(5);
        latency.push_back(Ms(Clock::now() - start));
        chime.Stop();
        Sleep(200);
    }
    std::printf("chime: first audible sample at the output after Play: median %.0f ms of %zu\n", Median(latency),
                latency.size());
    return 0;
}
