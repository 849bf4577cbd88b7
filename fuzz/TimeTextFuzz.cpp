// libFuzzer target: arbitrary text given to the time field's SetTime. A refused text changes
// nothing; an accepted one leaves three values in range, shown as HH:MM:SS, that set themselves again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/fieldedit/TimeField.h"

namespace {

using core::TimeField;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Time {
    int hour = -1, minute = -1, second = -1;
    bool operator==(const Time &) const = default;
};

Time Read(const TimeField &field)
{
    Time t;
    field.GetTime(t.hour, t.minute, t.second);
    return t;
}

// UTF-8 as UTF-16, each byte that starts no well-formed character becoming U+FFFD.
std::u16string FromUtf8(const unsigned char *p, std::size_t n)
{
    std::u16string out;
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = p[i];
        const int nMore = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        char32_t cp = nMore == 0 ? c : nMore == 1 ? (c & 0x1F) : nMore == 2 ? (c & 0x0F) : (c & 0x07);
        bool bOk = nMore >= 0;
        for (int k = 1; bOk && k <= nMore; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                bOk = false;
            else
                cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        static constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (bOk && (cp < least[nMore] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            bOk = false;
        if (!bOk) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += static_cast<std::size_t>(nMore) + 1;
    }
    return out;
}

std::u16string Formatted(const Time &t)
{
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return std::u16string(buffer, buffer + (n > 0 ? n : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte chooses how the rest is read: UTF-8 or raw UTF-16 (unpaired surrogates too).
    if (size == 0)
        return 0;
    const unsigned char *text = data + 1;
    const std::size_t length = size - 1;
    std::u16string input;
    if (data[0] & 1) {
        input.resize(length / 2);
        std::memcpy(input.data(), text, length / 2 * 2);
    } else {
        input = FromUtf8(text, length);
    }

    TimeField field;
    Check(field.SetTime(u"09:08:07"));
    const Time start = Read(field);
    const std::u16string shown = field.ComposeText();
    Check(shown == u"09:08:07");

    if (!field.SetTime(input)) {
        Check(Read(field) == start && field.ComposeText() == shown);
        return 0;
    }
    const Time t = Read(field);
    Check(t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59);
    const std::u16string composed = field.ComposeText();
    Check(composed == Formatted(t));

    TimeField again;
    Check(again.SetTime(composed) && Read(again) == t && again.ComposeText() == composed);
    // Text in front of the last eight characters never matters.
    TimeField longer;
    Check(longer.SetTime(input + composed) && Read(longer) == t);
    return 0;
}
