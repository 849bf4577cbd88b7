// Entry point of the Dovetock desktop clock.
#include <QtGlobal>

#include "app/ClockApp.h"

int main(int argc, char **argv)
{
    // A Wayland client can neither place itself nor stay on top: use X11 (XWayland) unless the
    // user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The face changes by a few hundred bytes a second. Through shared memory Qt would wait for the
    // X server to finish with the previous picture before each paint, a round trip that wakes the
    // program twice a second; sending the pixels over the connection needs none.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    CClockApp app(argc, argv);
    return app.Run();
}
