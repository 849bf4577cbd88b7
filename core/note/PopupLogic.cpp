// The jiggle step, the closing countdown, the centring and the message lines of a reminder popup.
#include "core/note/PopupLogic.h"

#include <algorithm>
#include <initializer_list>

namespace popup {

Shake NextShake(Shake shake)
{
    if (shake.shakeDx > 0 || (shake.shakeDy <= 0 && shake.shakeDx < 0))
        shake.shakeDx = -shake.shakeDx;
    else
        shake.shakeDy = -shake.shakeDy;
    return shake;
}

Shake &SharedShake()
{
    static Shake shared;
    return shared;
}

void CloseCountdown::Click()
{
    bClosing = true;
    nTicksLeft = ClickTicks;
}

bool CloseCountdown::Tick()
{
    if (!bClosing)
        return false;
    if (nTicksLeft > 0) {
        --nTicksLeft;
        return false;
    }
    return true;
}

core::Rect CentredRect(const core::Rect &available, const core::Size &size)
{
    const int left = available.left + available.width / 2 - size.width / 2;
    const int top = available.top + available.height / 2 - size.height / 2;
    return {left, top, size.width, size.height};
}

} // namespace popup

namespace popup {

namespace {

const std::string_view kEllipsis = "\xA1\xAD"; // "…"

bool IsLead(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}

bool IsTrail(unsigned char c)
{
    return c >= 0x40 && c <= 0xFE && c != 0x7F;
}

// The characters of a GBK text: double-byte ones, and single bytes (a lead byte without its trail
// byte stands alone).
std::vector<std::string_view> Characters(std::string_view text)
{
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = i + 1 < text.size() && IsLead(text[i]) && IsTrail(text[i + 1]) ? 2 : 1;
        chars.push_back(text.substr(i, n));
        i += n;
    }
    return chars;
}

bool IsSpace(std::string_view c)
{
    return c == " " || c == "\t";
}

bool IsOneOf(std::string_view c, std::initializer_list<std::string_view> set)
{
    return std::find(set.begin(), set.end(), c) != set.end();
}

// Never at the start of a line: ，。、；：？！）》」』】〕…”’． and their ASCII kin.
bool IsClosing(std::string_view c)
{
    return IsOneOf(c, {"\xA3\xAC", "\xA1\xA3", "\xA1\xA2", "\xA3\xBB", "\xA3\xBA", "\xA3\xBF", "\xA3\xA1",
                       "\xA3\xA9", "\xA1\xB7", "\xA1\xB9", "\xA1\xBB", "\xA1\xBF", "\xA1\xB3", "\xA1\xAD",
                       "\xA1\xB1", "\xA1\xAF", "\xA3\xAE", ",", ".", ";", ":", "?", "!", ")", "]", "}"});
}

// Never at the end of a line: （《「『【〔“‘ and their ASCII kin.
bool IsOpening(std::string_view c)
{
    return IsOneOf(c, {"\xA3\xA8", "\xA1\xB6", "\xA1\xB8", "\xA1\xBA", "\xA1\xBE", "\xA1\xB2", "\xA1\xB0",
                       "\xA1\xAE", "(", "[", "{"});
}

bool CanBreakBetween(std::string_view before, std::string_view after)
{
    if (IsSpace(after) || IsClosing(after) || IsOpening(before))
        return false;
    return IsSpace(before) || before.size() == 2 || after.size() == 2;
}

int Cells(std::string_view c)
{
    return static_cast<int>(c.size());
}

// The line that starts at `from`: it ends before `end`, and the next one starts at `next`.
struct LineSpan {
    std::size_t end;
    std::size_t next;
};

LineSpan NextLine(const std::vector<std::string_view> &chars, std::size_t from, int columns)
{
    std::size_t i = from, lastBreak = from;
    int width = 0, spaces = 0;
    for (; i < chars.size(); ++i) {
        if (i > from && CanBreakBetween(chars[i - 1], chars[i]))
            lastBreak = i;
        if (IsSpace(chars[i])) {
            ++spaces; // spaces count only once something follows them on the line
            continue;
        }
        if (width + spaces + Cells(chars[i]) > columns)
            break;
        width += spaces + Cells(chars[i]);
        spaces = 0;
    }
    if (i == chars.size())
        return {i, i};
    if (lastBreak > from)
        return {lastBreak, lastBreak};
    const std::size_t end = std::max(i, from + 1);
    return {end, end};
}

std::string Join(const std::vector<std::string_view> &chars, std::size_t from, std::size_t end)
{
    while (end > from && IsSpace(chars[end - 1]))
        --end;
    std::string line;
    for (std::size_t i = from; i < end; ++i)
        line += chars[i];
    return line;
}

// What fits of the text from `from` in a line that ends with "…".
std::string Elided(const std::vector<std::string_view> &chars, std::size_t from, int columns)
{
    std::size_t end = from;
    for (int width = 0; end < chars.size() && width + Cells(chars[end]) <= columns - Cells(kEllipsis); ++end)
        width += Cells(chars[end]);
    return Join(chars, from, end) + std::string(kEllipsis);
}

bool HasText(const std::vector<std::string_view> &chars, std::size_t from)
{
    return std::any_of(chars.begin() + static_cast<std::ptrdiff_t>(from), chars.end(),
                       [](std::string_view c) { return !IsSpace(c); });
}

} // namespace

std::vector<std::string> MessageLines(std::string_view gbk, int columns, int maxLines)
{
    std::vector<std::vector<std::string_view>> paragraphs;
    for (std::size_t start = 0;;) {
        const std::size_t newline = gbk.find('\n', start);
        std::string_view paragraph = gbk.substr(start, newline == std::string_view::npos ? newline : newline - start);
        if (newline != std::string_view::npos && !paragraph.empty() && paragraph.back() == '\r')
            paragraph.remove_suffix(1);
        paragraphs.push_back(Characters(paragraph));
        if (newline == std::string_view::npos)
            break;
        start = newline + 1;
    }

    std::vector<std::string> lines;
    if (maxLines <= 0)
        return lines;
    for (std::size_t p = 0; p < paragraphs.size(); ++p) {
        const std::vector<std::string_view> &chars = paragraphs[p];
        std::size_t from = 0;
        do {
            const LineSpan span = NextLine(chars, from, columns);
            bool textLeft = HasText(chars, span.next);
            for (std::size_t q = p + 1; q < paragraphs.size() && !textLeft; ++q)
                textLeft = HasText(paragraphs[q], 0);
            if (textLeft && static_cast<int>(lines.size()) + 1 == maxLines) {
                lines.push_back(Elided(chars, from, columns));
                return lines;
            }
            lines.push_back(Join(chars, from, span.end));
            if (!textLeft)
                return lines;
            from = span.next;
        } while (from < chars.size());
    }
    return lines;
}

} // namespace popup
