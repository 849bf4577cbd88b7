// Entry point of the Dovetock desktop clock.
#include <QtGlobal>

#include "app/ClockApp.h"

int main(int argc, char **argv)
{
    // A Wayland client can neither place itself nor stay on top: use X11 (XWayland) unless the
    // user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    CClockApp app(argc, argv);
    return app.Run();
}
