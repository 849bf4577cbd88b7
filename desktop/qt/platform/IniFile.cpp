// Settings files for Qt strings, through the shared settings file rules.
#include "platform/IniFile.h"

#include <QFile>

#include "core/files/AtomicSave.h"
#include "platform/UserMessage.h"

namespace platform {

std::filesystem::path FsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

void ReadIniString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultText, QString &out)
{
    out = QString::fromStdString(core::ReadIniString(FsPath(path), section.toStdString(), key.toStdString(),
                                                     defaultText.toStdString()));
}

bool WriteIniString(const QString &path, const QString &section, const QString &key,
                    const QString &value)
{
    return core::WriteIniString(FsPath(path), section.toStdString(), key.toStdString(), value.toStdString());
}

void ReadIniInt(const QString &path, const QString &section, const QString &key,
                long defaultValue, long &out)
{
    out = core::ReadIniInt(FsPath(path), section.toStdString(), key.toStdString(), defaultValue);
}

bool WriteIniInt(const QString &path, const QString &section, const QString &key, long value)
{
    return core::WriteIniInt(FsPath(path), section.toStdString(), key.toStdString(), value);
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    std::string error;
    if (core::SaveFileAtomically(FsPath(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                 error))
        return true;
    LogProblem(QStringLiteral("cannot save %1: %2; the file is left as it was").arg(path, QString::fromStdString(error)));
    return false;
}

} // namespace platform
