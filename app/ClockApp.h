// CClockApp: the application object; owns the Qt application and the clock window.
#pragma once

#include <QApplication>

#include "app/ClockWnd.h"

class CClockApp
{
public:
    CClockApp(int &argc, char **argv);

    // Creates and shows the clock window; always succeeds.
    bool InitInstance();
    // Runs the event loop until the clock window is destroyed.
    int Run();

private:
    QApplication m_app;
    CClockWnd m_wndClock;
};
