// Settings files of sections and keys (INI) with the behaviour of the Windows profile functions.
//
// Section and key names match without regard to letter case, blanks around names, values and
// "=" are ignored on reading, and both CRLF and LF line ends are read. A write changes one key:
// the key's line is rewritten in place, a missing key is added at the end of its section and a
// missing section is added at the end of the file; every other line keeps its bytes. The file is
// replaced atomically, so a failed write leaves the old file whole. Texts are UTF-8, and files
// are written as UTF-8; a file that is not valid UTF-8 is read as GBK, the code page of the
// Windows program, and a write turns it into UTF-8.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace core {

// Longest value a read returns, in characters; longer values are cut.
inline constexpr std::size_t kIniValueMaxChars = 1023;

// The value of section/key; a missing file, section or key gives defaultText.
std::string ReadIniString(const std::filesystem::path &path, std::string_view section, std::string_view key,
                          std::string_view defaultText);

// Writes section/key = value. Returns false, leaving the file as it was, when the file cannot be
// read or replaced, or when a name or the value cannot be stored on one line (line breaks, a "]"
// in the section, a "=" in the key, an empty name); the reason then goes to the log.
bool WriteIniString(const std::filesystem::path &path, std::string_view section, std::string_view key,
                    std::string_view value);

// Reads section/key as a decimal integer the way atol does: leading blanks, an optional sign,
// digits; text that does not start with digits gives 0, values out of range are clamped.
long ReadIniInt(const std::filesystem::path &path, std::string_view section, std::string_view key,
                long defaultValue);

// Writes section/key as a decimal integer ("%ld").
bool WriteIniInt(const std::filesystem::path &path, std::string_view section, std::string_view key, long value);

// The integer at the start of text, with the rules of ReadIniInt.
long ParseIniLong(std::string_view text);

} // namespace core
