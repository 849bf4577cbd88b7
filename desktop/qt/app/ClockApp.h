// CClockApp: the application object; owns the Qt application and the clock window.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QString>

#include "app/ClockWnd.h"

class CClockApp
{
public:
    CClockApp(int &argc, char **argv);

    // Creates and shows the clock window; always succeeds.
    bool InitInstance();
    // Becomes the one clock of `socketName` and runs it, carrying out `command` ("show",
    // "settings", or "restore" with snoozes) until the clock window is destroyed; hands the
    // command to a clock that took the name meanwhile and returns 0.
    int Run(const QString &socketName, const QByteArray &command);

private:
    // Carries out a command of a later start; false for an unknown one.
    bool OnCommand(const QByteArray &command);

    QApplication m_app;
    CClockWnd m_wndClock;
};
