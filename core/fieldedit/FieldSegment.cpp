// The segment value objects: integer, real, name and text segments.
#include "core/fieldedit/FieldSegment.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace core {

namespace {

std::int64_t DigitsValue(const std::u16string &strDigits)
{
    std::int64_t nValue = 0;
    for (char16_t c : strDigits)
        nValue = nValue * 10 + (c - u'0');
    return nValue;
}

} // namespace

CIntSegment::CIntSegment(int nMinimum, int nMaximum, int nStep)
    : m_nStep(nStep), m_bNegativesAllowed(nMinimum < 0), m_nMinimum(nMinimum), m_nMaximum(nMaximum)
{
}

bool CIntSegment::AcceptChar(char32_t ch)
{
    if (ch >= U'0' && ch <= U'9') {
        const char16_t digit = static_cast<char16_t>(ch);
        std::u16string strDigits = m_strTyped + digit;
        if (DigitsValue(strDigits) > m_nMaximum)
            strDigits = std::u16string(1, digit);
        const std::int64_t nMagnitude = DigitsValue(strDigits);
        const std::int64_t nValue = m_bNegative ? -nMagnitude : nMagnitude;
        if (nValue > m_nMaximum)
            return false;
        m_strTyped = strDigits;
        m_nValue = static_cast<int>(nValue);
        return true;
    }
    if (ch == U'-' && m_bNegativesAllowed) {
        m_bNegative = !m_bNegative;
        m_nValue = static_cast<int>(-static_cast<std::int64_t>(m_nValue));
        return true;
    }
    return false;
}

void CIntSegment::Reset()
{
    m_nValue = m_nMinimum;
}

void CIntSegment::Increment()
{
    const std::int64_t nNext = static_cast<std::int64_t>(m_nValue) + m_nStep;
    m_nValue = nNext > m_nMaximum ? m_nMinimum : static_cast<int>(nNext);
    m_strTyped.clear();
}

void CIntSegment::Decrement()
{
    const std::int64_t nNext = static_cast<std::int64_t>(m_nValue) - m_nStep;
    m_nValue = nNext < m_nMinimum ? m_nMaximum : static_cast<int>(nNext);
    m_strTyped.clear();
}

double CIntSegment::GetValue() const
{
    return m_nValue;
}

void CIntSegment::SetValue(int nValue)
{
    if (nValue < m_nMinimum || nValue > m_nMaximum)
        return;
    m_nValue = nValue;
    if (nValue == 0)
        m_bNegative = false;
    m_strTyped.clear();
}

bool IsTypeable(char32_t ch)
{
    // Controls, surrogates, private use and noncharacters, then the invisible format characters.
    static constexpr std::pair<char32_t, char32_t> refused[] = {
        {0x0000, 0x001F}, {0x007F, 0x009F}, {0xD800, 0xF8FF}, {0xFDD0, 0xFDEF}, {0xFFFE, 0xFFFF},
        {0x00AD, 0x00AD}, {0x0600, 0x0605}, {0x061C, 0x061C}, {0x06DD, 0x06DD}, {0x070F, 0x070F},
        {0x0890, 0x0891}, {0x08E2, 0x08E2}, {0x180E, 0x180E}, {0x200B, 0x200F}, {0x202A, 0x202E},
        {0x2060, 0x2064}, {0x2066, 0x206F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB},
    };
    if (ch > 0xFFFF)
        return false;
    for (const auto &[first, last] : refused) {
        if (ch >= first && ch <= last)
            return false;
    }
    return true;
}

namespace {

char16_t UpperAscii(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool StartsWithIgnoringAsciiCase(const std::u16string &strText, const std::u16string &strPrefix)
{
    if (strPrefix.size() > strText.size())
        return false;
    for (std::size_t i = 0; i < strPrefix.size(); ++i) {
        if (UpperAscii(strText[i]) != UpperAscii(strPrefix[i]))
            return false;
    }
    return true;
}

} // namespace

CRealSegment::CRealSegment(double dMinimum, double dMaximum, double dStep, int nDecimals)
    : m_nDecimals(nDecimals), m_dMinimum(dMinimum), m_dMaximum(dMaximum), m_dStep(dStep)
{
}

bool CRealSegment::AcceptChar(char32_t ch)
{
    if (ch == U'-') {
        if (m_dMinimum >= 0)
            return false;
        m_bSign = !m_bSign;
        m_dValue = m_dValue == 0.0 ? 0.0 : -m_dValue;
        return true;
    }
    const bool bDigit = ch >= U'0' && ch <= U'9';
    if (!bDigit && ch != U'.')
        return false;
    const char16_t c = static_cast<char16_t>(ch);
    const std::size_t nPoint = m_strTyped.find(u'.');
    const bool bPoint = nPoint != std::u16string::npos;
    if (ch == U'.' && (m_nDecimals <= 0 || bPoint))
        return false;
    if (bDigit && bPoint && m_strTyped.size() - nPoint > static_cast<std::size_t>(m_nDecimals))
        return false;

    const double dLimit = m_bSign ? -m_dMinimum : m_dMaximum;
    auto magnitude = [](const std::u16string &strTyped) {
        double dWhole = 0.0, dScale = 1.0;
        bool bFraction = false;
        for (char16_t t : strTyped) {
            if (t == u'.') {
                bFraction = true;
            } else if (bFraction) {
                dScale /= 10.0;
                dWhole += (t - u'0') * dScale;
            } else {
                dWhole = dWhole * 10.0 + (t - u'0');
            }
        }
        return dWhole;
    };
    std::u16string strTyped = m_strTyped + c;
    if (magnitude(strTyped) > dLimit) {
        strTyped = std::u16string(1, c);
        if (magnitude(strTyped) > dLimit)
            return false;
    }
    m_strTyped = strTyped;
    const double dMagnitude = Rounded(magnitude(strTyped));
    m_dValue = dMagnitude == 0.0 ? 0.0 : (m_bSign ? -dMagnitude : dMagnitude);
    return true;
}

void CRealSegment::Reset()
{
    m_dValue = m_dMinimum;
}

void CRealSegment::Increment()
{
    const double dNext = Rounded(m_dValue + m_dStep);
    m_strTyped.clear();
    m_dValue = dNext > m_dMaximum ? m_dMinimum : dNext;
    m_bSign = m_dValue < 0;
}

void CRealSegment::Decrement()
{
    const double dNext = Rounded(m_dValue - m_dStep);
    m_strTyped.clear();
    m_dValue = dNext < m_dMinimum ? m_dMaximum : dNext;
    m_bSign = m_dValue < 0;
}

double CRealSegment::GetValue() const
{
    return m_dValue;
}

void CRealSegment::SetValue(double x)
{
    if (!(x >= m_dMinimum && x <= m_dMaximum))
        return;
    m_dValue = Rounded(x);
    if (m_dValue == 0.0)
        m_dValue = 0.0;
    m_bSign = m_dValue < 0;
    m_strTyped.clear();
}

double CRealSegment::Rounded(double x) const
{
    const double dScale = std::pow(10.0, m_nDecimals);
    return std::floor(x * dScale + 0.5) / dScale;
}

CNameSegment::CNameSegment(std::vector<std::u16string> names)
    : m_names(std::move(names))
{
}

bool CNameSegment::AcceptChar(char32_t ch)
{
    if (!IsTypeable(ch) || m_names.empty())
        return false;
    const std::u16string strChar(1, static_cast<char16_t>(ch));
    const std::u16string strExtended = m_strTyped + strChar;
    int nFound = FindStartingWith(strExtended, 0);
    if (nFound >= 0) {
        m_strTyped = strExtended;
    } else {
        nFound = FindStartingWith(strChar, m_nIndex + 1);
        if (nFound < 0)
            return false;
        m_strTyped = strChar;
    }
    m_nIndex = nFound;
    return true;
}

void CNameSegment::Reset()
{
    m_nIndex = 0;
    m_strTyped.clear();
}

std::u16string CNameSegment::GetText() const
{
    return m_names.empty() ? std::u16string() : m_names[m_nIndex];
}

std::u16string CNameSegment::SelectNext()
{
    if (m_names.empty())
        return std::u16string();
    if (++m_nIndex >= static_cast<int>(m_names.size()))
        m_nIndex = 0;
    return m_names[m_nIndex];
}

std::u16string CNameSegment::SelectPrevious()
{
    if (m_names.empty())
        return std::u16string();
    if (--m_nIndex < 0)
        m_nIndex = static_cast<int>(m_names.size()) - 1;
    return m_names[m_nIndex];
}

void CNameSegment::SelectName(const std::u16string &strName)
{
    m_strTyped.clear();
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] == strName) {
            m_nIndex = static_cast<int>(i);
            break;
        }
    }
}

bool CNameSegment::SelectIndex(int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_names.size()))
        return false;
    m_nIndex = nIndex;
    m_strTyped.clear();
    return true;
}

int CNameSegment::FindStartingWith(const std::u16string &strPrefix, int nFrom) const
{
    const int nCount = static_cast<int>(m_names.size());
    for (int k = 0; k < nCount; ++k) {
        const int i = (nFrom + k) % nCount;
        if (StartsWithIgnoringAsciiCase(m_names[i], strPrefix))
            return i;
    }
    return -1;
}

CTextSegment::CTextSegment(int nMaxLength)
    : m_nMaxLength(nMaxLength)
{
}

bool CTextSegment::AcceptChar(char32_t ch)
{
    if (ch == U'\b') {
        if (m_strText.empty())
            return false;
        m_strText.pop_back();
        return true;
    }
    if (!IsTypeable(ch) || m_strText.size() >= static_cast<std::size_t>(m_nMaxLength))
        return false;
    m_strText += static_cast<char16_t>(ch);
    return true;
}

void CTextSegment::Reset()
{
    m_strText.clear();
}

std::u16string CTextSegment::GetText() const
{
    return m_strText;
}

bool CTextSegment::SetText(const std::u16string &strText)
{
    if (strText.size() > static_cast<std::size_t>(m_nMaxLength))
        return false;
    for (char16_t c : strText) {
        if (!IsTypeable(c))
            return false;
    }
    m_strText = strText;
    return true;
}

} // namespace core
