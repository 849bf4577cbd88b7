// ClockAccess: what the settings sheet and its pages use of the clock window.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class ReminderMap;

// The clock window implements this; the sheet and its pages reach the clock only through it.
class ClockAccess
{
public:
    virtual ~ClockAccess() = default;

    // Screen position of the clock window's top-left corner (m_nX, m_nY).
    virtual QPoint ClockPosition() const = 0;

    // Names of all background skins and of all digit skins, in catalogue order.
    virtual const QStringList &BackgroundNames() const = 0;
    virtual const QStringList &DigitNames() const = 0;

    // The skins the running clock shows (m_strBkName, m_strNumName).
    virtual QString CurrentBackground() const = 0;
    virtual QString CurrentDigits() const = 0;

    // Writes the chosen background and digit skin names to the settings file.
    virtual void SaveSkin(const QString &background, const QString &number) = 0;

    // Asks for a restart once the sheet has closed (sets m_bRestart).
    virtual void SetRestart() = 0;

    // The reminders the clock checks every second; the pages change them in place.
    virtual ReminderMap &Reminders() = 0;

    // Writes every reminder to notify.dat; false when the file could not be replaced.
    virtual bool SaveReminders() = 0;
};
