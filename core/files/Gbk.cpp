// GBK text: splitting bytes into characters and replacing what does not convert.
#include "core/files/Gbk.h"

namespace core {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD

bool IsLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Length of the GBK character at the start of `bytes`: 1 or 2, or 0 for a byte that starts none.
std::size_t CharLength(std::string_view bytes)
{
    const auto c = static_cast<unsigned char>(bytes[0]);
    if (c < 0x80)
        return 1;
    if (IsLead(c))
        return bytes.size() >= 2 && IsTrail(static_cast<unsigned char>(bytes[1])) ? 2 : 0;
    return c == 0x80 ? 1 : 0; // 0x80 is the euro sign in code page 936
}

// Length of the UTF-8 sequence at the start of `text`, or 0 when it is not well-formed.
std::size_t Utf8SequenceLength(std::string_view text)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char c = at(0);
    if (c < 0x80)
        return 1;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0;
        else if (c == 0xED)
            high = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;
        else if (c == 0xF4)
            high = 0x8F;
    } else
        return 0;
    if (text.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (at(i) < 0x80 || at(i) > 0xBF)
            return 0;
    return length;
}

} // namespace

std::string GbkToUtf8(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    std::string converted;
    while (!gbk.empty()) {
        // The longest run of well-formed characters converts in one call.
        std::size_t run = 0;
        while (run < gbk.size()) {
            const std::size_t length = CharLength(gbk.substr(run));
            if (length == 0)
                break;
            run += length;
        }
        if (run > 0) {
            if (detail::ConvertGbk(gbk.substr(0, run), true, converted)) {
                out += converted;
            } else {
                // A well-formed pair without a character: convert one at a time.
                for (std::size_t i = 0; i < run;) {
                    const std::size_t length = CharLength(gbk.substr(i, run - i));
                    out += detail::ConvertGbk(gbk.substr(i, length), true, converted) ? std::string_view(converted)
                                                                                     : Replacement;
                    i += length;
                }
            }
            gbk.remove_prefix(run);
        }
        if (!gbk.empty() && CharLength(gbk) == 0) {
            out += Replacement;
            gbk.remove_prefix(1);
        }
    }
    return out;
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8)
{
    std::string out;
    if (!IsValidUtf8(utf8) || !detail::ConvertGbk(utf8, false, out))
        return std::nullopt;
    return out;
}

bool IsValidUtf8(std::string_view utf8)
{
    while (!utf8.empty()) {
        const std::size_t length = Utf8SequenceLength(utf8);
        if (length == 0)
            return false;
        utf8.remove_prefix(length);
    }
    return true;
}

std::size_t Utf8Length(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxChars)
{
    std::size_t end = 0;
    for (std::size_t count = 0; count < maxChars && end < utf8.size(); ++count) {
        const std::size_t length = Utf8SequenceLength(utf8.substr(end));
        end += length == 0 ? 1 : length;
    }
    return utf8.substr(0, end);
}

} // namespace core
