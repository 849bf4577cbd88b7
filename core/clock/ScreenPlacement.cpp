// A saved window rectangle checked against the screens that are there now.
#include "core/clock/ScreenPlacement.h"

namespace core {

namespace {

bool SharesAPixel(const Rect &a, const Rect &b)
{
    if (a.width <= 0 || a.height <= 0 || b.width <= 0 || b.height <= 0)
        return false;
    // 64 bits: an edge far out must not wrap round.
    const auto right = [](const Rect &r) { return static_cast<long long>(r.left) + r.width; };
    const auto bottom = [](const Rect &r) { return static_cast<long long>(r.top) + r.height; };
    return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}

} // namespace

Point VisibleTopLeft(const Rect &saved, const std::vector<Rect> &available, const Rect &primary)
{
    for (const Rect &area : available) {
        if (SharesAPixel(saved, area))
            return {saved.left, saved.top};
    }
    return {primary.left, primary.top};
}

} // namespace core
