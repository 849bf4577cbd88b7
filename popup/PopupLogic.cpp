// The jiggle step, the closing countdown and the centring of a reminder popup.
#include "popup/PopupLogic.h"

namespace popup {

Shake NextShake(Shake shake)
{
    if (shake.shakeDx > 0 || (shake.shakeDy <= 0 && shake.shakeDx < 0))
        shake.shakeDx = -shake.shakeDx;
    else
        shake.shakeDy = -shake.shakeDy;
    return shake;
}

Shake &SharedShake()
{
    static Shake shared;
    return shared;
}

void CloseCountdown::Click()
{
    bClosing = true;
    nTicksLeft = ClickTicks;
}

bool CloseCountdown::Tick()
{
    if (!bClosing)
        return false;
    if (nTicksLeft > 0) {
        --nTicksLeft;
        return false;
    }
    return true;
}

QRect CentredRect(const QRect &available, const QSize &size)
{
    const int left = available.left() + available.width() / 2 - size.width() / 2;
    const int top = available.top() + available.height() / 2 - size.height() / 2;
    return QRect(left, top, size.width(), size.height());
}

} // namespace popup
