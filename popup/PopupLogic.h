// The reminder popup's rules that need no window: the jiggle, the closing countdown, the centring.
#pragma once

#include <QRect>
#include <QSize>

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
QRect CentredRect(const QRect &available, const QSize &size);

} // namespace popup
