// The time-of-day field's characters, keys, automatic advance and reading of a time text.
#include "core/fieldedit/TimeField.h"

#include <algorithm>

#include "core/fieldedit/TextNumber.h"

namespace core {

TimeField::TimeField()
{
    Setup({u"00", u"00", u"00"}, {u":"}, u"", u"");
}

void TimeField::OnChar(char32_t ch)
{
    switch (GetCurrentSegment()) {
    case 0:
        if (m_hour.AcceptChar(ch) && ++m_nHourKeys == 2) {
            m_nHourKeys = 0;
            SelectSegment(1);
        }
        break;
    case 1:
        if (m_minute.AcceptChar(ch) && ++m_nMinuteKeys == 2) {
            m_nMinuteKeys = 0;
            SelectSegment(2);
        }
        break;
    case 2:
        m_second.AcceptChar(ch);
        break;
    default:
        break;
    }
    DrawValues();
}

void TimeField::OnKeyDown(FieldKey key)
{
    const int nCurrent = GetCurrentSegment();
    CIntSegment *segments[] = {&m_hour, &m_minute, &m_second};
    if (nCurrent >= 0 && nCurrent < 3
        && (key == FieldKey::Back || key == FieldKey::Delete || key == FieldKey::Up || key == FieldKey::Down)) {
        CIntSegment &segment = *segments[nCurrent];
        if (key == FieldKey::Up)
            segment.Increment();
        else if (key == FieldKey::Down)
            segment.Decrement();
        else
            segment.SetValue(0);
        if (nCurrent == 0)
            m_nHourKeys = 0;
        else if (nCurrent == 1)
            m_nMinuteKeys = 0;
        DrawValues();
    }
    FieldModel::OnKeyDown(key);
}

bool TimeField::SetTime(const std::u16string &strTime)
{
    std::u16string strDigits = strTime.substr(strTime.size() - std::min<std::size_t>(strTime.size(), 8));
    std::erase(strDigits, u':');
    std::erase(strDigits, u' ');
    if (strDigits.size() != 6)
        return false;
    const std::u16string_view digits(strDigits);
    m_hour.SetValue(LeadingInteger(digits.substr(0, 2)));
    m_minute.SetValue(LeadingInteger(digits.substr(2, 2)));
    m_second.SetValue(LeadingInteger(digits.substr(4, 2)));
    DrawValues();
    return true;
}

void TimeField::GetTime(int &nHour, int &nMinute, int &nSecond) const
{
    nHour = static_cast<int>(m_hour.GetValue());
    nMinute = static_cast<int>(m_minute.GetValue());
    nSecond = static_cast<int>(m_second.GetValue());
}

void TimeField::DrawValues()
{
    SetSegmentTexts({FormatInt(m_hour, 2), FormatInt(m_minute, 2), FormatInt(m_second, 2)});
}

} // namespace core
