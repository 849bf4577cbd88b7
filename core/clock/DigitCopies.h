// How the time is laid into the digit box: ten copies from the digit strip, whose glyphs are 15
// pixels wide at 15 × d, with the colon at 150 and the box's edges at 160 (left) and 150 (right).
#pragma once

#include <array>
#include <cstddef>

#include "core/clock/Clock.h"

namespace core {

// The digit box in the background, and each glyph's height in the strip.
inline constexpr int kDigitBoxWidth = 110;
inline constexpr int kDigitBoxHeight = 25;

// One copy from the digit strip into the digit box: destination offset, width, source x.
struct DigitCopy {
    int dx;
    int width;
    int sourceX; // -1..-6: the glyph of digit index (-sourceX - 1)

    // The strip's x to copy from while `digits` are shown.
    int SourceX(const ClockDigits &digits) const
    {
        return sourceX >= 0 ? sourceX : 15 * digits[static_cast<std::size_t>(-sourceX - 1)];
    }
    // True when the copy shows a digit marked in `changed`.
    bool Shows(const std::array<bool, 6> &changed) const
    {
        return sourceX < 0 && changed[static_cast<std::size_t>(-sourceX - 1)];
    }
};

// The ten copies, in drawing order.
inline constexpr std::array<DigitCopy, 10> kDigitCopies{{
    {0, 2, 160},
    {70, 8, 150},
    {78, 15, -5},
    {93, 15, -6},
    {2, 15, -1},
    {17, 15, -2},
    {32, 8, 150},
    {40, 15, -3},
    {55, 15, -4},
    {108, 2, 150},
}};

} // namespace core
