// Settings files of sections and keys (INI) with the behaviour of the Windows profile functions.
//
// Section and key names match without regard to letter case, blanks around names, values and
// "=" are ignored on reading, and both CRLF and LF line ends are read. A write changes one key:
// the key's line is rewritten in place, a missing key is added at the end of its section and a
// missing section is added at the end of the file; every other line keeps its bytes. The file is
// replaced atomically through a temporary file in the same folder, so a failed write leaves the
// old file whole. Files are written as UTF-8; a file that is not valid UTF-8 is read as GBK, the
// code page of the Windows program, and a write turns it into UTF-8.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Longest value a read returns, in characters; longer values are cut.
inline constexpr int kIniValueMaxChars = 1023;

// Reads section/key into out; a missing file, section or key gives defaultText.
void ReadIniString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultText, QString &out);

// Writes section/key = value. Returns false, leaving the file as it was, when the file cannot be
// read or replaced, or when a name or the value cannot be stored on one line (line breaks, a "]"
// in the section, a "=" in the key, an empty name).
bool WriteIniString(const QString &path, const QString &section, const QString &key,
                    const QString &value);

// Reads section/key as a decimal integer the way atol does: leading blanks, an optional sign,
// digits; text that does not start with digits gives 0, values out of range are clamped.
void ReadIniInt(const QString &path, const QString &section, const QString &key,
                long defaultValue, long &out);

// Writes section/key as a decimal integer ("%ld").
bool WriteIniInt(const QString &path, const QString &section, const QString &key, long value);

// Replaces the file at `path` with `bytes` through a temporary file in the same folder that is
// synced and renamed over it; on any failure the old file stays as it was, the reason goes to the
// log and false is returned.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);

// The integer at the start of text, with the rules of ReadIniInt.
long ParseIniLong(const QString &text);

} // namespace platform
