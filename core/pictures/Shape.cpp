// Cuts a window outline out of a picture by its key colour and finds the black digit box marker.
#include "core/pictures/Shape.h"

#include <cstddef>
#include <cstdint>

namespace core {

namespace {

constexpr int kBoxWidth = 110;
constexpr int kBoxHeight = 25;

bool IsBlack(std::uint32_t pixel)
{
    return (pixel & 0x00ffffffu) == 0;
}

} // namespace

std::vector<PixelRect> OutlineRects(const Picture &picture)
{
    if (picture.IsNull())
        return {};
    const int width = picture.width;
    const int height = picture.height;
    const std::uint32_t key = picture.At(0, 0);

    // One band per run of identical rows, each band a sorted list of non-touching runs.
    std::vector<PixelRect> rects;
    std::size_t bandStart = 0;
    std::size_t bandCount = 0;
    std::vector<int> runs; // start and end (exclusive) of each run of the current row
    for (int y = 0; y < height; ++y) {
        const std::uint32_t *line = &picture.At(0, y);
        runs.clear();
        int x = 0;
        while (x < width) {
            while (x < width && line[x] == key)
                ++x;
            if (x == width)
                break;
            const int start = x;
            while (x < width && line[x] != key)
                ++x;
            runs.push_back(start);
            runs.push_back(x);
        }

        bool same = bandCount != 0 && runs.size() == 2 * bandCount
            && rects[bandStart].y + rects[bandStart].height == y;
        for (std::size_t i = 0; same && i < bandCount; ++i) {
            const PixelRect &r = rects[bandStart + i];
            same = r.x == runs[2 * i] && r.x + r.width == runs[2 * i + 1];
        }
        if (same) {
            for (std::size_t i = 0; i < bandCount; ++i)
                ++rects[bandStart + i].height;
            continue;
        }
        bandStart = rects.size();
        bandCount = runs.size() / 2;
        for (std::size_t i = 0; i < bandCount; ++i)
            rects.push_back({runs[2 * i], y, runs[2 * i + 1] - runs[2 * i], 1});
    }
    return rects;
}

std::optional<PixelPoint> FindDigitBox(const Picture &picture)
{
    if (picture.IsNull())
        return std::nullopt;
    const int width = picture.width;
    const int height = picture.height;
    if (IsBlack(picture.At(0, 0)))
        return std::nullopt;
    if (width < kBoxWidth || height < kBoxHeight)
        return std::nullopt;

    // up[x]: how many black pixels end at the current row in column x. A box whose bottom row is
    // y passes when both of its edge columns count 25 or more there.
    std::vector<int> up(static_cast<std::size_t>(width), 0);
    std::optional<PixelPoint> best;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t *line = &picture.At(0, y);
        bool tall = false;
        for (int x = 0; x < width; ++x) {
            int &count = up[static_cast<std::size_t>(x)];
            count = IsBlack(line[x]) ? count + 1 : 0;
            tall = tall || count >= kBoxHeight;
        }
        if (!tall)
            continue;
        const int top = y - (kBoxHeight - 1);
        for (int x = width - kBoxWidth; x >= 0 && (!best || x >= best->x); --x) {
            if (up[static_cast<std::size_t>(x)] >= kBoxHeight
                && up[static_cast<std::size_t>(x + kBoxWidth - 1)] >= kBoxHeight) {
                best = PixelPoint{x, top};
                break;
            }
        }
    }
    return best;
}

} // namespace core
