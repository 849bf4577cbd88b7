// Where a window saved at some position is shown when the screens have changed since.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace platform {

// The top-left corner at which to show a window saved as `saved`: unchanged when the rectangle
// shares a pixel with one of the screens' `available` areas, otherwise the top-left corner of
// `primary`, the primary screen's available area, so that the window can be seen and dragged.
QPoint VisibleTopLeft(const QRect &saved, const QList<QRect> &available, const QRect &primary);

} // namespace platform
