// Prints how long reading, outlining and digit-box search take for a 2000 x 2000 background.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

#include "core/pictures/BitmapFile.h"
#include "core/pictures/Shape.h"
#include "core/pictures/bench/MedianTime.h"
#include "core/pictures/tests/BmpWriter.h"

namespace {

core::Picture Blank(int side, std::uint32_t colour)
{
    return {side, side, std::vector<std::uint32_t>(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), colour)};
}

void Disc(core::Picture &picture, int cx, int cy, int radius, std::uint32_t colour)
{
    for (int y = std::max(0, cy - radius); y < std::min(picture.height, cy + radius); ++y)
        for (int x = std::max(0, cx - radius); x < std::min(picture.width, cx + radius); ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < radius * radius)
                picture.At(x, y) = colour;
}

core::Picture RoundFace(int side)
{
    core::Picture image = Blank(side, core::Rgb(255, 255, 255));
    Disc(image, side / 2, side / 2, side / 2, core::Rgb(40, 70, 160));
    for (int i = 0; i < 12; ++i)
        Disc(image, side / 2 + (i - 6) * side / 16 + side / 80, side / 4 + side / 80, side / 80, core::Rgb(200, 200, 220));
    for (int y = side / 2 - 12; y < side / 2 + 13; ++y)
        for (int x = side / 2 - 55; x < side / 2 + 55; ++x)
            image.At(x, y) = core::Rgb(0, 0, 0);
    return image;
}

// Every pixel alternates with its neighbour: the largest number of runs a picture can have.
core::Picture Checkerboard(int side)
{
    core::Picture image = Blank(side, 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.At(x, y) = (x + y) % 2 ? core::Rgb(255, 0, 255) : core::Rgb(30, 30, 30);
    return image;
}

void Report(const char *name, const core::Picture &picture)
{
    std::vector<core::PixelRect> rects;
    std::optional<core::PixelPoint> box;
    const double outline = MedianMilliseconds([&] { rects = core::OutlineRects(picture); });
    const double digits = MedianMilliseconds([&] { box = core::FindDigitBox(picture); });
    std::printf("%-22s outline %8.2f ms (%zu rectangles)   digit box %7.2f ms (%s)\n", name, outline,
                rects.size(), digits, box ? "found" : "none");
}

} // namespace

int main()
{
    const int side = 2000;
    const core::Picture face = RoundFace(side);
    std::printf("Shaping a %d x %d picture, median of 9 runs\n", side, side);
    Report("round face on white", face);
    Report("checkerboard", Checkerboard(side));

    std::error_code ec;
    const std::filesystem::path path = std::filesystem::temp_directory_path(ec) / "dovetock-shape-bench.bmp";
    if (!ec && testbmp::Write(path, testbmp::From(face))) {
        const double load = MedianMilliseconds([&] { core::LoadBitmapFile(path); });
        const double whole = MedianMilliseconds([&] {
            if (const auto picture = core::LoadBitmapFile(path)) {
                core::OutlineRects(*picture);
                core::FindDigitBox(*picture);
            }
        });
        std::printf("%-22s read    %8.2f ms   read + outline + digit box %7.2f ms\n", "24-bit BMP file", load, whole);
        std::filesystem::remove(path, ec);
    }
    return 0;
}
