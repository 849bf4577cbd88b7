// Settings files (INI) for Qt strings: the shared settings file rules with QString names and
// values (see core/files/IniFile.h for the rules).
#pragma once

#include <filesystem>

#include <QByteArray>
#include <QString>

#include "core/files/IniFile.h"

namespace platform {

// The file system path of a Qt path.
std::filesystem::path FsPath(const QString &path);

// Reads section/key into out; a missing file, section or key gives defaultText.
void ReadIniString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultText, QString &out);

// Writes section/key = value; false, leaving the file as it was, when it cannot.
bool WriteIniString(const QString &path, const QString &section, const QString &key,
                    const QString &value);

// Reads section/key as a decimal integer the way atol does.
void ReadIniInt(const QString &path, const QString &section, const QString &key,
                long defaultValue, long &out);

// Writes section/key as a decimal integer ("%ld").
bool WriteIniInt(const QString &path, const QString &section, const QString &key, long value);

// Replaces the file at `path` with `bytes` whole (see core/files/AtomicSave.h); on failure the
// reason goes to the log and false is returned.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace platform
