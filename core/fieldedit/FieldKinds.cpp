// The further masked field kinds: construction, formatting, characters, keys and whole values.
#include "core/fieldedit/FieldKinds.h"

#include <cstdio>
#include <optional>

#include "core/fieldedit/TextNumber.h"

namespace core {

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

bool InRange(const CIntSegment &segment, int nValue)
{
    return nValue >= segment.GetMinimum() && nValue <= segment.GetMaximum();
}

bool IsEditKey(FieldKey key)
{
    return key == FieldKey::Back || key == FieldKey::Delete || key == FieldKey::Up || key == FieldKey::Down;
}

std::u16string FormatReal(double dValue)
{
    char buffer[64];
    const int nLength = dValue < 0 ? std::snprintf(buffer, sizeof buffer, "%+08.2f", dValue)
                                   : std::snprintf(buffer, sizeof buffer, " %07.2f", dValue);
    return Widen(std::string_view(buffer, nLength > 0 ? static_cast<std::size_t>(nLength) : 0));
}

// A text padded with spaces to at least nWidth characters, or cut to nWidth with bCut.
std::u16string LeftJustified(std::u16string strText, std::size_t nWidth, bool bCut = false)
{
    if (strText.size() < nWidth)
        strText.append(nWidth - strText.size(), u' ');
    else if (bCut)
        strText.resize(nWidth);
    return strText;
}

// The largest number of nWidth decimal digits.
int AllNines(int nWidth)
{
    int nValue = 0;
    for (int i = 0; i < nWidth; ++i)
        nValue = nValue * 10 + 9;
    return nValue;
}

// The groups of a digit string of the given group sizes, or nothing when it is not exactly such digits.
std::optional<std::vector<int>> SplitDigits(const std::u16string &strDigits, const std::vector<int> &sizes)
{
    std::size_t nTotal = 0;
    for (int nSize : sizes)
        nTotal += static_cast<std::size_t>(nSize);
    if (strDigits.size() != nTotal)
        return std::nullopt;
    for (char16_t c : strDigits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    std::vector<int> groups;
    std::size_t nPos = 0;
    for (int nSize : sizes) {
        groups.push_back(LeadingInteger(std::u16string_view(strDigits).substr(nPos, static_cast<std::size_t>(nSize))));
        nPos += static_cast<std::size_t>(nSize);
    }
    return groups;
}

FieldTexts MonthNames()
{
    return {u"January", u"February", u"March",     u"April",   u"May",      u"June",
            u"July",    u"August",   u"September", u"October", u"November", u"December"};
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

// Numbers of fixed digit counts.

DigitGroupsField::DigitGroupsField(std::vector<int> widths, FieldTexts separators, std::u16string prefix,
                                   std::optional<int> nBack, std::optional<int> nDelete, bool bMoveOn)
    : m_widths(std::move(widths)), m_typed(m_widths.size(), 0), m_nBack(nBack), m_nDelete(nDelete), m_bMoveOn(bMoveOn)
{
    FieldTexts templates;
    for (int nWidth : m_widths) {
        m_groups.emplace_back(0, AllNines(nWidth), 1);
        templates.emplace_back(static_cast<std::size_t>(nWidth), u'0');
    }
    Setup(templates, std::move(separators), std::move(prefix), u"");
}

void DigitGroupsField::OnChar(char32_t ch)
{
    const int nCurrent = GetCurrentSegment();
    const bool bLast = nCurrent + 1 == static_cast<int>(m_groups.size());
    if (m_groups[nCurrent].AcceptChar(ch) && m_bMoveOn && !bLast && ++m_typed[nCurrent] == m_widths[nCurrent]) {
        m_typed[nCurrent] = 0;
        SelectSegment(nCurrent + 1);
    }
    DrawValues();
}

void DigitGroupsField::OnKeyDown(FieldKey key)
{
    const int nCurrent = GetCurrentSegment();
    ApplyIntKey(m_groups[nCurrent], key, m_nBack, m_nDelete);
    if (IsEditKey(key))
        m_typed[nCurrent] = 0;
    DrawValues();
    FormattedField::OnKeyDown(key);
}

bool DigitGroupsField::SetGroups(const std::vector<int> &values)
{
    if (values.size() != m_groups.size())
        return false;
    for (size_t i = 0; i < values.size(); ++i) {
        if (!InRange(m_groups[i], values[i]))
            return false;
    }
    for (size_t i = 0; i < values.size(); ++i)
        m_groups[i].SetValue(values[i]);
    DrawValues();
    return true;
}

std::u16string DigitGroupsField::GetDigits() const
{
    std::u16string strDigits;
    for (const std::u16string &strGroup : FormatValues())
        strDigits += strGroup;
    return strDigits;
}

bool DigitGroupsField::SetDigits(const std::u16string &strDigits)
{
    const auto groups = SplitDigits(strDigits, m_widths);
    return groups && SetGroups(*groups);
}

CFieldSegment &DigitGroupsField::Segment(int nIndex)
{
    return m_groups[nIndex];
}

FieldTexts DigitGroupsField::FormatValues() const
{
    FieldTexts values;
    for (size_t i = 0; i < m_groups.size(); ++i)
        values.push_back(FormatInt(m_groups[i], m_widths[i]));
    return values;
}

// Two two-digit numbers.

NumberPairField::NumberPairField()
    : DigitGroupsField({2, 2}, {u"/"}, u"", std::nullopt, 1)
{
}

// A three-digit with a two-digit number.

Number32Field::Number32Field()
    : DigitGroupsField({3, 2}, {u"-"}, u"", 0, 0)
{
}

// Digit groups 3-3-4.

Digits334Field::Digits334Field()
    : DigitGroupsField({3, 3, 4}, {u") ", u"-"}, u"(", 0, 0)
{
}

// Digit groups 3-2-4.

Digits324Field::Digits324Field()
    : DigitGroupsField({3, 2, 4}, {u"-"}, u"", 0, 0, true)
{
}

// A text with a number.

TextNumberField::TextNumberField()
{
    Setup({std::u16string(12, u' '), u"0000"}, {u" "}, u"", u"");
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

bool TextNumberField::SetValue(const std::u16string &strText, int nNumber)
{
    if (!InRange(m_number, nNumber))
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

FieldTexts TextNumberField::FormatValues() const
{
    return {LeftJustified(m_text.GetText(), 12), FormatInt(m_number, 4)};
}

// A year with a month.

YearMonthField::YearMonthField()
{
    Setup({u"0000", u"00"}, {u"-"}, u"", u"");
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
    if (!InRange(m_year, nYear) || !InRange(m_month, nMonthIndex))
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

FieldTexts YearMonthField::FormatValues() const
{
    return {FormatInt(m_year, 4), FormatInt(m_month, 2)};
}

// A month name with a day.

MonthDayField::MonthDayField()
    : MonthDayField(MonthNames())
{
}

MonthDayField::MonthDayField(FieldTexts names)
    : m_month(std::move(names))
{
    m_day.SetValue(1);
    Setup({LeftJustified(m_month.GetText(), 9, true), u"01"}, {u" "}, u"", u"");
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
            m_month.SelectName(u"January");
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
    if (!InRange(m_day, nDay))
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

FieldTexts MonthDayField::FormatValues() const
{
    return {LeftJustified(m_month.GetText(), 9), FormatInt(m_day, 2)};
}

// A pair of real numbers.

RealPairField::RealPairField()
{
    Setup({u" 0000.00", u" 0000.00"}, {u","}, u"(", u")");
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

FieldTexts RealPairField::FormatValues() const
{
    return {FormatReal(m_first.GetValue()), FormatReal(m_second.GetValue())};
}

} // namespace core
