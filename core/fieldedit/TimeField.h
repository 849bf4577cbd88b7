// TimeField: the rules of the time-of-day field HH:MM:SS, without a window.
#pragma once

#include <string>

#include "core/fieldedit/FieldModel.h"
#include "core/fieldedit/FieldSegment.h"

namespace core {

class TimeField : public FieldModel
{
public:
    TimeField();

    // Digits go to the current segment; the hour and the minute move on after two taken characters.
    void OnChar(char32_t ch) override;
    // Back and Delete clear the current segment, Up and Down step it; then the keys navigate.
    void OnKeyDown(FieldKey key) override;

    // Sets the time from a text ending in HH:MM:SS (or HH MM SS); false, changing nothing, when the
    // text holds no time. A number outside its segment's range leaves that segment as it was.
    bool SetTime(const std::u16string &strTime);
    void GetTime(int &nHour, int &nMinute, int &nSecond) const;

private:
    void DrawValues();

    int m_nMinuteKeys = 0;
    int m_nHourKeys = 0;
    CIntSegment m_hour{0, 23, 1};
    CIntSegment m_minute{0, 59, 1};
    CIntSegment m_second{0, 59, 1};
};

} // namespace core
