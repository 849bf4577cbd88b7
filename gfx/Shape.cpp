// Cuts a window outline out of a picture by its key colour and finds the black digit box marker.
#include "gfx/Shape.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kBoxWidth = 110;
constexpr int kBoxHeight = 25;

// A picture whose pixels can be compared as raw 32-bit values.
QImage Comparable(const QImage &picture)
{
    if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32)
        return picture;
    return picture.convertToFormat(QImage::Format_ARGB32);
}

bool IsBlack(QRgb pixel)
{
    return (pixel & 0x00ffffffu) == 0;
}

} // namespace

QRegion OutlineRegion(const QImage &picture)
{
    if (picture.isNull())
        return QRegion();
    const QImage image = Comparable(picture);
    const int width = image.width();
    const int height = image.height();
    const QRgb key = reinterpret_cast<const QRgb *>(image.constScanLine(0))[0];

    // One band per run of identical rows, each band a sorted list of non-touching runs.
    std::vector<QRect> rects;
    std::size_t bandStart = 0;
    std::size_t bandCount = 0;
    std::vector<int> runs; // start and end (exclusive) of each run of the current row
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
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
            && rects[bandStart].bottom() == y - 1;
        for (std::size_t i = 0; same && i < bandCount; ++i) {
            const QRect &r = rects[bandStart + i];
            same = r.left() == runs[2 * i] && r.right() + 1 == runs[2 * i + 1];
        }
        if (same) {
            for (std::size_t i = 0; i < bandCount; ++i)
                rects[bandStart + i].setBottom(y);
            continue;
        }
        bandStart = rects.size();
        bandCount = runs.size() / 2;
        for (std::size_t i = 0; i < bandCount; ++i)
            rects.emplace_back(QPoint(runs[2 * i], y), QPoint(runs[2 * i + 1] - 1, y));
    }

    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

std::optional<QPoint> FindDigitBox(const QImage &picture)
{
    if (picture.isNull())
        return std::nullopt;
    const QImage image = Comparable(picture);
    const int width = image.width();
    const int height = image.height();
    if (IsBlack(reinterpret_cast<const QRgb *>(image.constScanLine(0))[0]))
        return std::nullopt;
    if (width < kBoxWidth || height < kBoxHeight)
        return std::nullopt;

    // up[x]: how many black pixels end at the current row in column x. A box whose bottom row is
    // y passes when both of its edge columns count 25 or more there.
    std::vector<int> up(static_cast<std::size_t>(width), 0);
    std::optional<QPoint> best;
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        bool tall = false;
        for (int x = 0; x < width; ++x) {
            int &count = up[static_cast<std::size_t>(x)];
            count = IsBlack(line[x]) ? count + 1 : 0;
            tall = tall || count >= kBoxHeight;
        }
        if (!tall)
            continue;
        const int top = y - (kBoxHeight - 1);
        for (int x = width - kBoxWidth; x >= 0 && (!best || x >= best->x()); --x) {
            if (up[static_cast<std::size_t>(x)] >= kBoxHeight
                && up[static_cast<std::size_t>(x + kBoxWidth - 1)] >= kBoxHeight) {
                best = QPoint(x, top);
                break;
            }
        }
    }
    return best;
}
