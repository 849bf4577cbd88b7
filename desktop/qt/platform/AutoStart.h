// Starting the program at logon through a per-machine desktop entry in an autostart folder.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

#include "core/clock/Clock.h"

namespace platform {

class AutoStart : public core::AutoStartStore {
public:
    // The store works on `folder`; `executable` names the program the entry starts, by default
    // the running executable at the moment of each write.
    explicit AutoStart(QString folder, QString executable = QString());

    // Full path of the entry: folder, "/", "Dovetick.desktop".
    QString EntryPath() const;

    // True when the entry exists, can be read and the desktop has not switched it off.
    bool IsAutoRun() const override;

    // Writes the entry (on) or removes it (off). Returns success; callers may ignore it.
    bool SetAutoRun(bool on) const override;

    // Writes the entry afresh with the current executable, except one the desktop switched off,
    // which stays as it is. Returns success.
    bool RenewAutoRun() const override;

    std::string Location() const override { return EntryPath().toStdString(); }

private:
    QString m_strFolder;
    QString m_strExecutable;
};

// The desktop entry that starts `executable` (see core/clock/AutoStartEntry.h).
QByteArray DesktopEntryText(const QString &executable);

} // namespace platform
