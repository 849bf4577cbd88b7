// Writes, removes and checks the program's autostart desktop entry.
#include "platform/AutoStart.h"

#include <utility>

#include <QDir>
#include <QFile>

#include "core/clock/AutoStartEntry.h"
#include "platform/IniFile.h"
#include "platform/ProgramDir.h"

namespace platform {

AutoStart::AutoStart(QString folder, QString executable)
    : m_strFolder(std::move(folder)), m_strExecutable(std::move(executable))
{
}

QString AutoStart::EntryPath() const
{
    return m_strFolder + QStringLiteral("/Dovetick.desktop");
}

bool AutoStart::IsAutoRun() const
{
    QFile entry(EntryPath());
    return entry.open(QIODevice::ReadOnly) && !core::DisabledByDesktop(entry.readAll().toStdString());
}

bool AutoStart::SetAutoRun(bool on) const
{
    const QString path = EntryPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);

    const QString executable = m_strExecutable.isEmpty() ? ExecutablePath() : m_strExecutable;
    if (executable.isEmpty() || !QDir().mkpath(m_strFolder))
        return false;
    return WriteFileAtomically(path, DesktopEntryText(executable));
}

bool AutoStart::RenewAutoRun() const
{
    QFile entry(EntryPath());
    if (entry.open(QIODevice::ReadOnly) && core::DisabledByDesktop(entry.readAll().toStdString()))
        return true;
    return SetAutoRun(true);
}

QByteArray DesktopEntryText(const QString &executable)
{
    return QByteArray::fromStdString(core::DesktopEntryText(executable.toStdString()));
}

} // namespace platform
