// Starting the program at logon through a per-machine desktop entry in an autostart folder.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

class AutoStart {
public:
    // The store works on `folder`; `executable` names the program the entry starts, by default
    // the running executable at the moment of each write.
    explicit AutoStart(QString folder, QString executable = QString());

    // The system-wide autostart folder the program uses.
    static QString SystemFolder();

    // Full path of the entry: folder, "/", "Dovetick.desktop".
    QString EntryPath() const;

    // True when the entry exists, can be read and the desktop has not switched it off.
    bool IsAutoRun() const;

    // Writes the entry (on) or removes it (off). Returns success; callers may ignore it.
    bool SetAutoRun(bool on) const;

    // Writes the entry afresh with the current executable, except one the desktop switched off,
    // which stays as it is. Returns success.
    bool RenewAutoRun() const;

private:
    QString m_strFolder;
    QString m_strExecutable;
};

// One argument of a desktop entry's Exec line: double-quoted, with ", `, $ and \ escaped and
// % doubled, then escaped as a string value (\ doubled, line breaks and tabs as \n, \r, \t).
QString QuoteExecArgument(const QString &argument);

// The text of the desktop entry that starts `executable`; TryExec names it too, so that a
// removed program leaves no failing start at logon behind.
QByteArray DesktopEntryText(const QString &executable);

// True when an entry's text says the desktop switched it off: Hidden=true or
// X-GNOME-Autostart-enabled=false in its [Desktop Entry] group, as startup-application tools write.
bool DisabledByDesktop(const QByteArray &entryText);

} // namespace platform
