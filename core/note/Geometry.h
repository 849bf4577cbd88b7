// Points, sizes and rectangles in pixels of the screen, for the rules that place windows.
#pragma once

namespace core {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point &, const Point &) = default;
};

struct Size {
    int width = 0;
    int height = 0;

    friend bool operator==(const Size &, const Size &) = default;
};

// The rectangle of `width` x `height` pixels whose top-left pixel is (left, top).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Rect &, const Rect &) = default;
};

} // namespace core
