// Where a window saved at some position is shown when the screens have changed since.
#pragma once

#include <vector>

#include "core/note/Geometry.h"

namespace core {

// The top-left corner at which to show a window saved as `saved`: unchanged when the rectangle
// shares a pixel with one of the screens' `available` areas, otherwise the top-left corner of
// `primary`, the primary screen's available area, so that the window can be seen and dragged.
Point VisibleTopLeft(const Rect &saved, const std::vector<Rect> &available, const Rect &primary);

} // namespace core
