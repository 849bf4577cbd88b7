// GBK (code page 936) text, the encoding of the texts in the program's files, and UTF-8, the
// encoding of every other text the program handles.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// GBK bytes to UTF-8; bytes that are not valid GBK become U+FFFD, one per byte that starts no
// character.
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GBK bytes, or nothing when the text is not valid UTF-8 or some character has no GBK
// form.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// True when `utf8` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view utf8);

// The number of characters (code points) in well-formed UTF-8.
std::size_t Utf8Length(std::string_view utf8);

// The longest start of well-formed `utf8` that holds at most `maxChars` characters.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxChars);

namespace detail {
// The one conversion the operating system provides: the whole of `in` from GBK to UTF-8
// (`toUtf8`) or from UTF-8 to GBK, failing on anything that does not convert exactly.
bool ConvertGbk(std::string_view in, bool toUtf8, std::string &out);
} // namespace detail

} // namespace core
