// Window outlines cut from pictures, and the digit box of a background.
#pragma once

#include <optional>
#include <vector>

#include "core/pictures/BitmapFile.h"

namespace core {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect &) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint &) const = default;
};

// The pixels of the picture whose colour differs from its top-left pixel, as the runs of each
// row; rows with the same runs as the row above extend its rectangles downwards. Bands go from
// the top, runs within a band from the left, none touching. A null picture gives none.
std::vector<PixelRect> OutlineRects(const Picture &picture);

// The digit box marker: a position where columns x and x + 109 are black for rows y .. y + 24.
// The last passing position in column-major scan order (largest x, then largest y) wins.
// Nothing is found when the top-left pixel is itself black.
std::optional<PixelPoint> FindDigitBox(const Picture &picture);

} // namespace core
