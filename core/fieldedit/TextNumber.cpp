// Number reading and formatting shared by the field kinds.
#include "core/fieldedit/TextNumber.h"

#include <climits>
#include <cstdint>
#include <cstdio>

namespace core {

int LeadingInteger(std::u16string_view strText)
{
    std::size_t i = 0;
    const std::size_t n = strText.size();
    while (i < n && (strText[i] == u' ' || (strText[i] >= u'\t' && strText[i] <= u'\r')))
        ++i;
    bool bNegative = false;
    if (i < n && (strText[i] == u'-' || strText[i] == u'+')) {
        bNegative = strText[i] == u'-';
        ++i;
    }
    std::int64_t nValue = 0;
    for (; i < n && strText[i] >= u'0' && strText[i] <= u'9'; ++i) {
        if (nValue <= INT_MAX)
            nValue = nValue * 10 + (strText[i] - u'0');
    }
    if (bNegative)
        nValue = -nValue;
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(nValue);
}

std::u16string FormatInt(int nValue, int nWidth)
{
    char buffer[32];
    const int nLength = std::snprintf(buffer, sizeof buffer, "%0*d", nWidth, nValue);
    return Widen(std::string_view(buffer, nLength > 0 ? static_cast<std::size_t>(nLength) : 0));
}

std::u16string FormatInt(const CNumberSegment &segment, int nWidth)
{
    return FormatInt(static_cast<int>(segment.GetValue()), nWidth);
}

std::u16string Widen(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace core
