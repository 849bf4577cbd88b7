// SheetHost: what the settings sheet uses of the clock; the clock window implements it.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

class ReminderMap;

class SheetHost
{
public:
    virtual ~SheetHost() = default;
    // The clock window's top-left corner.
    virtual POINT ClockPosition() const = 0;
    // The owner of the sheet; its monitor places the sheet.
    virtual HWND ClockWindow() const = 0;
    // Usable skins in catalogue order, UTF-8.
    virtual std::vector<std::string> BackgroundNames() const = 0;
    virtual std::vector<std::string> DigitNames() const = 0;
    // The skins the running clock shows.
    virtual std::string CurrentBackground() const = 0;
    virtual std::string CurrentDigits() const = 0;
    // Writes the chosen skins to the settings file.
    virtual void SaveSkin(const std::string &background, const std::string &digits) = 0;
    // Asks for a restart once the sheet has closed.
    virtual void SetRestart() = 0;
    // The reminders the clock checks every second; the sheet changes them in place.
    virtual ReminderMap &Reminders() = 0;
    // Writes every reminder to notify.dat; false when the file could not be replaced.
    virtual bool SaveReminders() = 0;
};

// Runs the sheet modal to host.ClockWindow(); returns IDOK or IDCANCEL.
INT_PTR RunSettingsSheet(HINSTANCE instance, SheetHost &host);
