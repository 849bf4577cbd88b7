// The further masked field kinds: construction, formatting, characters, keys and whole values.
#include "fieldedit/FieldKinds.h"

#include <optional>

#include "fieldedit/TextNumber.h"

namespace {

// Up and Down step the segment; Back and Delete set the given value, or change nothing without one.
void ApplyIntKey(CIntSegment &segment, FieldKey key, std::optional<int> nBack, std::optional<int> nDelete)
{
    if (key == FieldKey::Up)
        segment.Increment();
    else if (key == FieldKey::Down)
        segment.Decrement();
    else if (key == FieldKey::Back && nBack)
        segment.SetValue(*nBack);
    else if (key == FieldKey::Delete && nDelete)
        segment.SetValue(*nDelete);
}

bool IsEditKey(FieldKey key)
{
    return key == FieldKey::Back || key == FieldKey::Delete || key == FieldKey::Up || key == FieldKey::Down;
}

QString FormatReal(double dValue)
{
    return dValue < 0 ? QString::asprintf("%+08.2f", dValue) : QString::asprintf(" %07.2f", dValue);
}

// The groups of a digit string of the given group sizes, or nothing when it is not exactly such digits.
std::optional<std::vector<int>> SplitDigits(const QString &strDigits, std::initializer_list<int> sizes)
{
    qsizetype nTotal = 0;
    for (int nSize : sizes)
        nTotal += nSize;
    if (strDigits.size() != nTotal)
        return std::nullopt;
    for (QChar c : strDigits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    std::vector<int> groups;
    qsizetype nPos = 0;
    for (int nSize : sizes) {
        groups.push_back(strDigits.mid(nPos, nSize).toInt());
        nPos += nSize;
    }
    return groups;
}

QStringList MonthNames()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

} // namespace

void FormattedField::OnChar(char32_t ch)
{
    const int nCurrent = GetCurrentSegment();
    if (nCurrent >= 0)
        Segment(nCurrent).AcceptChar(ch);
    DrawValues();
}

void FormattedField::DrawValues()
{
    SetSegmentTexts(FormatValues());
}

// A text with a number.

TextNumberField::TextNumberField()
{
    Setup({QString(12, u' '), QStringLiteral("0000")}, {QStringLiteral(" ")}, QString(), QString());
}

void TextNumberField::OnKeyDown(FieldKey key)
{
    const bool bOnText = GetCurrentSegment() == 0;
    if (bOnText) {
        if (key == FieldKey::Delete)
            m_text.Reset();
    } else {
        ApplyIntKey(m_number, key, 0, 0);
    }
    DrawValues();
    if (bOnText && key == FieldKey::Space)
        return;
    FormattedField::OnKeyDown(key);
}

bool TextNumberField::SetValue(const QString &strText, int nNumber)
{
    if (nNumber < m_number.GetMinimum() || nNumber > m_number.GetMaximum())
        return false;
    if (!m_text.SetText(strText))
        return false;
    m_number.SetValue(nNumber);
    DrawValues();
    return true;
}

CFieldSegment &TextNumberField::Segment(int nIndex)
{
    if (nIndex == 0)
        return m_text;
    return m_number;
}

QStringList TextNumberField::FormatValues() const
{
    return {m_text.GetText().leftJustified(12, u' '), FormatInt("%04d", m_number)};
}

// A year with a month.

YearMonthField::YearMonthField()
{
    Setup({QStringLiteral("0000"), QStringLiteral("00")}, {QStringLiteral("-")}, QString(), QString());
}

void YearMonthField::OnKeyDown(FieldKey key)
{
    if (GetCurrentSegment() == 0) {
        ApplyIntKey(m_year, key, std::nullopt, std::nullopt);
    } else if (key == FieldKey::Up) {
        m_month.Increment();
        if (m_month.IsEqual(0))
            m_year.Increment();
    } else if (key == FieldKey::Down) {
        m_month.Decrement();
        if (m_month.IsEqual(11))
            m_year.Decrement();
    }
    DrawValues();
    FormattedField::OnKeyDown(key);
}

bool YearMonthField::SetValue(int nYear, int nMonthIndex)
{
    if (nYear < m_year.GetMinimum() || nYear > m_year.GetMaximum() || nMonthIndex < m_month.GetMinimum()
        || nMonthIndex > m_month.GetMaximum())
        return false;
    m_year.SetValue(nYear);
    m_month.SetValue(nMonthIndex);
    DrawValues();
    return true;
}

CFieldSegment &YearMonthField::Segment(int nIndex)
{
    if (nIndex == 0)
        return m_year;
    return m_month;
}

QStringList YearMonthField::FormatValues() const
{
    return {FormatInt("%04d", m_year), FormatInt("%02d", m_month)};
}

// Two two-digit numbers.

NumberPairField::NumberPairField()
{
    Setup({QStringLiteral("00"), QStringLiteral("00")}, {QStringLiteral("/")}, QString(), QString());
}

void NumberPairField::OnKeyDown(FieldKey key)
{
    ApplyIntKey(GetCurrentSegment() == 0 ? m_first : m_second, key, std::nullopt, 1);
    DrawValues();
    FormattedField::OnKeyDown(key);
}

bool NumberPairField::SetValue(int nFirst, int nSecond)
{
    if (nFirst < 0 || nFirst > 99 || nSecond < 0 || nSecond > 99)
        return false;
    m_first.SetValue(nFirst);
    m_second.SetValue(nSecond);
    DrawValues();
    return true;
}

CFieldSegment &NumberPairField::Segment(int nIndex)
{
    if (nIndex == 0)
        return m_first;
    return m_second;
}

QStringList NumberPairField::FormatValues() const
{
    return {FormatInt("%02d", m_first), FormatInt("%02d", m_second)};
}

// A month name with a day.

MonthDayField::MonthDayField()
    : MonthDayField(MonthNames())
{
}

MonthDayField::MonthDayField(QStringList names)
    : m_month(std::move(names))
{
    m_day.SetValue(1);
    Setup({m_month.GetText().leftJustified(9, u' ', true), QStringLiteral("01")}, {QStringLiteral(" ")}, QString(),
          QString());
}

void MonthDayField::OnChar(char32_t ch)
{
    if (GetCurrentSegment() == 0) {
        if (ch >= U'a' && ch <= U'z')
            ch = ch - U'a' + U'A';
        m_month.AcceptChar(ch);
    } else {
        m_day.AcceptChar(ch);
    }
    DrawValues();
}

void MonthDayField::OnKeyDown(FieldKey key)
{
    if (GetCurrentSegment() == 0) {
        if (key == FieldKey::Delete)
            m_month.SelectName(QStringLiteral("January"));
        else if (key == FieldKey::Up)
            m_month.SelectNext();
        else if (key == FieldKey::Down)
            m_month.SelectPrevious();
    } else {
        ApplyIntKey(m_day, key, std::nullopt, 1);
    }
    DrawValues();
    FormattedField::OnKeyDown(key);
}

bool MonthDayField::SetValue(int nMonthIndex, int nDay)
{
    if (nDay < m_day.GetMinimum() || nDay > m_day.GetMaximum())
        return false;
    if (!m_month.SelectIndex(nMonthIndex))
        return false;
    m_day.SetValue(nDay);
    DrawValues();
    return true;
}

CFieldSegment &MonthDayField::Segment(int nIndex)
{
    if (nIndex == 0)
        return m_month;
    return m_day;
}

QStringList MonthDayField::FormatValues() const
{
    return {m_month.GetText().leftJustified(9, u' '), FormatInt("%02d", m_day)};
}

// A three-digit with a two-digit number.

Number32Field::Number32Field()
{
    Setup({QStringLiteral("000"), QStringLiteral("00")}, {QStringLiteral("-")}, QString(), QString());
}

void Number32Field::OnKeyDown(FieldKey key)
{
    ApplyIntKey(GetCurrentSegment() == 0 ? m_first : m_second, key, 0, 0);
    DrawValues();
    FormattedField::OnKeyDown(key);
}

bool Number32Field::SetValue(int nFirst, int nSecond)
{
    if (nFirst < 0 || nFirst > 999 || nSecond < 0 || nSecond > 99)
        return false;
    m_first.SetValue(nFirst);
    m_second.SetValue(nSecond);
    DrawValues();
    return true;
}

CFieldSegment &Number32Field::Segment(int nIndex)
{
    if (nIndex == 0)
        return m_first;
    return m_second;
}

QStringList Number32Field::FormatValues() const
{
    return {FormatInt("%03d", m_first), FormatInt("%02d", m_second)};
}

// Digit groups 3-3-4.

Digits334Field::Digits334Field()
{
    Setup({QStringLiteral("000"), QStringLiteral("000"), QStringLiteral("0000")},
          {QStringLiteral(") "), QStringLiteral("-")}, QStringLiteral("("), QString());
}

void Digits334Field::OnKeyDown(FieldKey key)
{
    const int nCurrent = GetCurrentSegment();
    ApplyIntKey(nCurrent == 0 ? m_first : nCurrent == 1 ? m_second : m_third, key, 0, 0);
    DrawValues();
    FormattedField::OnKeyDown(key);
}

QString Digits334Field::GetDigits() const
{
    return FormatValues().join(QString());
}

bool Digits334Field::SetDigits(const QString &strDigits)
{
    const auto groups = SplitDigits(strDigits, {3, 3, 4});
    if (!groups)
        return false;
    m_first.SetValue((*groups)[0]);
    m_second.SetValue((*groups)[1]);
    m_third.SetValue((*groups)[2]);
    DrawValues();
    return true;
}

CFieldSegment &Digits334Field::Segment(int nIndex)
{
    if (nIndex == 0)
        return m_first;
    if (nIndex == 1)
        return m_second;
    return m_third;
}

QStringList Digits334Field::FormatValues() const
{
    return {FormatInt("%03d", m_first), FormatInt("%03d", m_second), FormatInt("%04d", m_third)};
}

// Digit groups 3-2-4.

Digits324Field::Digits324Field()
{
    Setup({QStringLiteral("000"), QStringLiteral("00"), QStringLiteral("0000")}, {QStringLiteral("-")}, QString(),
          QString());
}

void Digits324Field::OnChar(char32_t ch)
{
    switch (GetCurrentSegment()) {
    case 0:
        if (m_first.AcceptChar(ch) && ++m_nFirstKeys == 3) {
            m_nFirstKeys = 0;
            SelectSegment(1);
        }
        break;
    case 1:
        if (m_second.AcceptChar(ch) && ++m_nSecondKeys == 2) {
            m_nSecondKeys = 0;
            SelectSegment(2);
        }
        break;
    case 2:
        m_third.AcceptChar(ch);
        break;
    default:
        break;
    }
    DrawValues();
}

void Digits324Field::OnKeyDown(FieldKey key)
{
    const int nCurrent = GetCurrentSegment();
    ApplyIntKey(nCurrent == 0 ? m_first : nCurrent == 1 ? m_second : m_third, key, 0, 0);
    if (IsEditKey(key)) {
        if (nCurrent == 0)
            m_nFirstKeys = 0;
        else if (nCurrent == 1)
            m_nSecondKeys = 0;
    }
    DrawValues();
    FormattedField::OnKeyDown(key);
}

QString Digits324Field::GetDigits() const
{
    return FormatValues().join(QString());
}

bool Digits324Field::SetDigits(const QString &strDigits)
{
    const auto groups = SplitDigits(strDigits, {3, 2, 4});
    if (!groups)
        return false;
    m_first.SetValue((*groups)[0]);
    m_second.SetValue((*groups)[1]);
    m_third.SetValue((*groups)[2]);
    DrawValues();
    return true;
}

CFieldSegment &Digits324Field::Segment(int nIndex)
{
    if (nIndex == 0)
        return m_first;
    if (nIndex == 1)
        return m_second;
    return m_third;
}

QStringList Digits324Field::FormatValues() const
{
    return {FormatInt("%03d", m_first), FormatInt("%02d", m_second), FormatInt("%04d", m_third)};
}

// A pair of real numbers.

RealPairField::RealPairField()
{
    Setup({QStringLiteral(" 0000.00"), QStringLiteral(" 0000.00")}, {QStringLiteral(",")}, QStringLiteral("("),
          QStringLiteral(")"));
}

void RealPairField::OnKeyDown(FieldKey key)
{
    CRealSegment &segment = GetCurrentSegment() == 0 ? m_first : m_second;
    if (key == FieldKey::Up)
        segment.Increment();
    else if (key == FieldKey::Down)
        segment.Decrement();
    else if (key == FieldKey::Delete)
        segment.SetValue(0.0);
    DrawValues();
    FormattedField::OnKeyDown(key);
}

bool RealPairField::SetValue(double dFirst, double dSecond)
{
    auto inRange = [](double x) { return x >= -9999.99 && x <= 9999.99; };
    if (!inRange(dFirst) || !inRange(dSecond))
        return false;
    m_first.SetValue(dFirst);
    m_second.SetValue(dSecond);
    DrawValues();
    return true;
}

CFieldSegment &RealPairField::Segment(int nIndex)
{
    if (nIndex == 0)
        return m_first;
    return m_second;
}

QStringList RealPairField::FormatValues() const
{
    return {FormatReal(m_first.GetValue()), FormatReal(m_second.GetValue())};
}
