// The segment value objects: integer, real, name and text segments.
#include "fieldedit/FieldSegment.h"

#include <cmath>

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

namespace {

bool IsTypeable(char32_t ch)
{
    return ch >= 0x20 && ch <= 0xFFFF && !QChar::isSurrogate(ch) && QChar(static_cast<char16_t>(ch)).isPrint();
}

QChar UpperAscii(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - u'a' + u'A') : c;
}

bool StartsWithIgnoringAsciiCase(const QString &strText, const QString &strPrefix)
{
    if (strPrefix.size() > strText.size())
        return false;
    for (qsizetype i = 0; i < strPrefix.size(); ++i) {
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
    const QChar c(static_cast<char16_t>(ch));
    const qsizetype nPoint = m_strTyped.indexOf(u'.');
    if (ch == U'.' && (m_nDecimals <= 0 || nPoint >= 0))
        return false;
    if (bDigit && nPoint >= 0 && m_strTyped.size() - nPoint > m_nDecimals)
        return false;

    const double dLimit = m_bSign ? -m_dMinimum : m_dMaximum;
    auto magnitude = [](const QString &strTyped) {
        double dWhole = 0.0, dScale = 1.0;
        bool bFraction = false;
        for (QChar t : strTyped) {
            if (t == u'.') {
                bFraction = true;
            } else if (bFraction) {
                dScale /= 10.0;
                dWhole += (t.unicode() - u'0') * dScale;
            } else {
                dWhole = dWhole * 10.0 + (t.unicode() - u'0');
            }
        }
        return dWhole;
    };
    QString strTyped = m_strTyped + c;
    if (magnitude(strTyped) > dLimit) {
        strTyped = QString(c);
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

CNameSegment::CNameSegment(QStringList names)
    : m_names(std::move(names))
{
}

bool CNameSegment::AcceptChar(char32_t ch)
{
    if (!IsTypeable(ch) || m_names.isEmpty())
        return false;
    const QString strChar(QChar(static_cast<char16_t>(ch)));
    const QString strExtended = m_strTyped + strChar;
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

QString CNameSegment::GetText() const
{
    return m_names.isEmpty() ? QString() : m_names[m_nIndex];
}

QString CNameSegment::SelectNext()
{
    if (m_names.isEmpty())
        return QString();
    if (++m_nIndex >= m_names.size())
        m_nIndex = 0;
    return m_names[m_nIndex];
}

QString CNameSegment::SelectPrevious()
{
    if (m_names.isEmpty())
        return QString();
    if (--m_nIndex < 0)
        m_nIndex = static_cast<int>(m_names.size()) - 1;
    return m_names[m_nIndex];
}

void CNameSegment::SelectName(const QString &strName)
{
    m_strTyped.clear();
    const qsizetype nFound = m_names.indexOf(strName);
    if (nFound >= 0)
        m_nIndex = static_cast<int>(nFound);
}

bool CNameSegment::SelectIndex(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_names.size())
        return false;
    m_nIndex = nIndex;
    m_strTyped.clear();
    return true;
}

int CNameSegment::FindStartingWith(const QString &strPrefix, int nFrom) const
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
        if (m_strText.isEmpty())
            return false;
        m_strText.chop(1);
        return true;
    }
    if (!IsTypeable(ch) || m_strText.size() >= m_nMaxLength)
        return false;
    m_strText += QChar(static_cast<char16_t>(ch));
    return true;
}

void CTextSegment::Reset()
{
    m_strText.clear();
}

QString CTextSegment::GetText() const
{
    return m_strText;
}

bool CTextSegment::SetText(const QString &strText)
{
    if (strText.size() > m_nMaxLength)
        return false;
    for (QChar c : strText) {
        if (!IsTypeable(c.unicode()))
            return false;
    }
    m_strText = strText;
    return true;
}
