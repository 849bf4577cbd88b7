// Conversion between the program's texts (QString) and the GBK bytes kept in its files.
#pragma once

#include <optional>
#include <string>

#include <QString>

namespace platform {

// GBK bytes to text; bytes that are not valid GBK become U+FFFD.
QString FromGbk(const std::string &bytes);

// Text to GBK bytes, or nothing when some character has no GBK form.
std::optional<std::string> ToGbk(const QString &text);

} // namespace platform
