// Text at the Win32 edge: the program keeps UTF-8 (and GBK bytes for stored messages); every
// Win32 call takes UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::wstring Wide(std::string_view utf8);
// UTF-16 to UTF-8; lone surrogates become U+FFFD.
std::string Utf8(std::wstring_view wide);

} // namespace win32
