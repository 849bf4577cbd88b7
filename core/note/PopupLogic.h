// The reminder popup's rules that need no window: the jiggle, the closing countdown, the centring,
// the lines of the message.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/note/Geometry.h"

namespace popup {

// The jiggle offsets added to a popup's home position.
struct Shake {
    int shakeDx = 1;
    int shakeDy = 1;

    friend bool operator==(const Shake &, const Shake &) = default;
};

// The next offsets: shakeDx flips when it is positive, or when it is negative and shakeDy is not
// positive; otherwise shakeDy flips. From (1, 1): (-1, 1), (-1, -1), (1, -1), (-1, -1), (1, -1) ...
Shake NextShake(Shake shake);

// The offsets shared by every popup of the process; each tick of any popup advances them.
Shake &SharedShake();

// Closing after a click: the popup goes on the 21st tick after the last click.
struct CloseCountdown {
    static constexpr int ClickTicks = 20;

    bool bClosing = false;
    int nTicksLeft = 0;

    // A click (the first or another one) starts the count again.
    void Click();
    // One timer tick; true when the popup closes now.
    bool Tick();
};

// The home rectangle of a window of `size` centred in the available area `available`: each half
// is taken separately, rounded toward zero.
core::Rect CentredRect(const core::Rect &available, const core::Size &size);

// The message box of a note in cells of its font: a GBK byte is one cell (9 pixels), a double-byte
// character two; the 110 x 57 pixel box holds three lines of 12 cells, 18 pixels apart.
inline constexpr int kMessageColumns = 12;
inline constexpr int kMessageLines = 3;

// Breaks a GBK message into the lines a note shows, at most `maxLines` of at most `columns` cells.
// "\n" and "\r\n" end a line. A line breaks after spaces (dropped at the break) and before or after
// a double-byte character, but never before closing punctuation nor after opening punctuation, and
// never inside a double-byte character; a word longer than a line is broken where it stops fitting.
// When text is left over, the last line takes what fits of it before a closing "…".
std::vector<std::string> MessageLines(std::string_view gbk, int columns = kMessageColumns,
                                      int maxLines = kMessageLines);

} // namespace popup
