// A saved window rectangle checked against the screens that are there now.
#include "platform/ScreenPlacement.h"

namespace platform {

QPoint VisibleTopLeft(const QRect &saved, const QList<QRect> &available, const QRect &primary)
{
    for (const QRect &area : available) {
        if (saved.intersects(area))
            return saved.topLeft();
    }
    return primary.topLeft();
}

} // namespace platform
