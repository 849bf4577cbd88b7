// Prints how long listing the skins of a folder takes with and without checking that each one
// shows, for folders of 6, 50 and 200 skins of the shipped skins' sizes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "core/pictures/SkinCatalogue.h"
#include "core/pictures/bench/MedianTime.h"
#include "core/pictures/tests/BmpWriter.h"

namespace {

bool WriteSkins(const std::filesystem::path &directory, int count)
{
    const std::vector<std::uint8_t> background =
        testbmp::Make({.width = 240, .height = 120, .pixel = [](int, int) { return 0xff00ffu; }});
    const std::vector<std::uint8_t> digits =
        testbmp::Make({.width = 162, .height = 25, .pixel = [](int, int) { return 0x14c828u; }});
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "skin%03d.", i);
        if (!testbmp::Write(directory / (std::string(name) + "BK"), background)
            || !testbmp::Write(directory / (std::string(name) + "NUM"), digits))
            return false;
    }
    return true;
}

} // namespace

int main()
{
    std::printf("Listing the backgrounds and digit strips of a folder, median of 9 runs\n");
    std::error_code ec;
    const std::filesystem::path root = std::filesystem::temp_directory_path(ec) / "dovetock-skin-list-bench";
    for (const int count : {6, 50, 200}) {
        const std::filesystem::path path = root / std::to_string(count);
        std::filesystem::remove_all(path, ec);
        std::filesystem::create_directories(path, ec);
        if (ec || !WriteSkins(path, count)) {
            std::printf("cannot write %d skins\n", count);
            return 1;
        }
        const double names = MedianMilliseconds([&] {
            for (const char *extension : {"BK", "NUM"})
                core::EnumSkins(path, extension);
        });
        std::size_t listed = 0;
        const double usable = MedianMilliseconds([&] {
            listed = 0;
            for (const char *extension : {"BK", "NUM"})
                listed += core::UsableSkins(core::ListSkinFiles({path}, extension), extension).size();
        });
        std::printf("%4d skins of each kind: names only %7.2f ms, only usable ones %7.2f ms (%zu listed)\n", count,
                    names, usable, listed);
    }
    std::filesystem::remove_all(root, ec);
    return 0;
}
