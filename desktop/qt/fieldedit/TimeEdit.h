// CTimeEdit: the time-of-day field HH:MM:SS.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class TimeField;
}

class CTimeEdit : public CFieldEdit
{
    Q_OBJECT

public:
    // Shows 00:00:00 with the hour current.
    explicit CTimeEdit(QWidget *parent = nullptr);
    ~CTimeEdit() override;

    // Sets the time from a text ending in HH:MM:SS (or HH MM SS). False, changing nothing, when the
    // text holds no time; a number outside its segment's range leaves that segment as it was.
    bool SetTime(QString strTime);
    void GetTime(int &nHour, int &nMinute, int &nSecond) const;

private:
    core::TimeField *m_pTime; // owned by the field edit
};
