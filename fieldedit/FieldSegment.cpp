// The integer segment: typed digits, stepping with wrap-around, range checks.
#include "fieldedit/FieldSegment.h"

namespace {

qint64 DigitsValue(const QString &strDigits)
{
    qint64 nValue = 0;
    for (QChar c : strDigits)
        nValue = nValue * 10 + (c.unicode() - u'0');
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
        const QChar digit(static_cast<char16_t>(ch));
        QString strDigits = m_strTyped + digit;
        if (DigitsValue(strDigits) > m_nMaximum)
            strDigits = QString(digit);
        const qint64 nMagnitude = DigitsValue(strDigits);
        const qint64 nValue = m_bNegative ? -nMagnitude : nMagnitude;
        if (nValue > m_nMaximum)
            return false;
        m_strTyped = strDigits;
        m_nValue = static_cast<int>(nValue);
        return true;
    }
    if (ch == U'-' && m_bNegativesAllowed) {
        m_bNegative = !m_bNegative;
        m_nValue = static_cast<int>(-static_cast<qint64>(m_nValue));
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
    const qint64 nNext = static_cast<qint64>(m_nValue) + m_nStep;
    m_nValue = nNext > m_nMaximum ? m_nMinimum : static_cast<int>(nNext);
    m_strTyped.clear();
}

void CIntSegment::Decrement()
{
    const qint64 nNext = static_cast<qint64>(m_nValue) - m_nStep;
    m_nValue = nNext < m_nMinimum ? m_nMaximum : static_cast<int>(nNext);
    m_strTyped.clear();
}

bool CIntSegment::IsGreater(double x) const
{
    return GetValue() > x;
}

bool CIntSegment::IsLess(double x) const
{
    return GetValue() < x;
}

bool CIntSegment::IsGreaterOrEqual(double x) const
{
    return GetValue() >= x;
}

bool CIntSegment::IsLessOrEqual(double x) const
{
    return GetValue() <= x;
}

bool CIntSegment::IsEqual(double x) const
{
    return GetValue() == x;
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
