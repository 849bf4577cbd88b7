// libFuzzer target: arbitrary bytes as config.ini. Reading must give bounded values; a write after
// it must succeed, read back as written, and leave every other setting as it read before.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "core/files/Gbk.h"
#include "core/files/IniFile.h"

namespace {

struct Setting {
    const char *section;
    const char *key;
};

// The settings the clock keeps, and a section of its own for writes that add a section.
constexpr std::array<Setting, 6> kSettings{{
    {"location", "x"},
    {"location", "y"},
    {"autorun", "enable"},
    {"skin", "background"},
    {"skin", "number"},
    {"extra", "value"},
}};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// A folder on a memory file system where there is one, so that the synced writes stay fast.
const std::filesystem::path &Folder()
{
    struct Scratch {
        std::filesystem::path dir;
        Scratch()
        {
            const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                ? std::filesystem::path("/dev/shm")
                : std::filesystem::temp_directory_path();
            // One folder per process: fuzz runs of other builds may run at the same time.
            dir = base / ("inifuzz-" + std::to_string(getpid()));
            std::filesystem::create_directories(dir);
        }
        ~Scratch() { std::filesystem::remove_all(dir); }
    };
    static const Scratch scratch;
    return scratch.dir;
}

std::string Contents(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    Check(static_cast<bool>(file));
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

std::array<std::string, kSettings.size()> ReadAll(const std::filesystem::path &path)
{
    std::array<std::string, kSettings.size()> values;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        values[i] = core::ReadIniString(path, kSettings[i].section, kSettings[i].key, "<none>");
        Check(core::Utf8Length(values[i]) <= core::kIniValueMaxChars && core::IsValidUtf8(values[i]));
        const long number = core::ReadIniInt(path, kSettings[i].section, kSettings[i].key, -7);
        Check(number == core::ParseIniLong(values[i] == "<none>" ? "-7" : values[i]));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte picks the setting to write and the next few give its value; the whole input
    // is the file.
    if (size == 0)
        return 0;
    const std::size_t which = data[0] % kSettings.size();
    const std::size_t valueLength = size > 1 ? std::min<std::size_t>(data[1] % 48, size - 2) : 0;
    std::string value(reinterpret_cast<const char *>(data) + 2, valueLength);
    std::erase_if(value, [](char ch) { return ch == '\n' || ch == '\r' || ch == '\0'; });
    if (!core::IsValidUtf8(value))
        value = core::GbkToUtf8(value);

    const std::filesystem::path path = Folder() / "config.ini";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        Check(static_cast<bool>(file.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size))));
    }

    const auto before = ReadAll(path);
    const Setting &setting = kSettings[which];
    Check(core::WriteIniString(path, setting.section, setting.key, value));
    const auto after = ReadAll(path);

    // Blanks around a value are not kept.
    std::string_view expected = value;
    while (!expected.empty() && (expected.front() == ' ' || (expected.front() >= '\t' && expected.front() <= '\r')))
        expected.remove_prefix(1);
    while (!expected.empty() && (expected.back() == ' ' || (expected.back() >= '\t' && expected.back() <= '\r')))
        expected.remove_suffix(1);
    Check(after[which] == expected);
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (i != which)
            Check(after[i] == before[i]);
    }
    // A second write of the same value leaves the file byte for byte as it was.
    const std::string written = Contents(path);
    Check(core::WriteIniString(path, setting.section, setting.key, value));
    Check(Contents(path) == written);
    return 0;
}
