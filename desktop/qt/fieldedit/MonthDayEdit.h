// CMonthDayEdit: the field of a month name with a day.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class MonthDayField;
}

class CMonthDayEdit : public CFieldEdit
{
    Q_OBJECT

public:
    explicit CMonthDayEdit(QWidget *parent = nullptr);
    ~CMonthDayEdit() override;

    QString GetMonthName() const;
    int GetMonthIndex() const;
    int GetDay() const;
    // The month counts 0 (January) to 11. False, changing nothing, for a month outside 0 to 11 or a day
    // outside 1 to 31.
    bool SetValue(int nMonthIndex, int nDay);

private:
    core::MonthDayField *m_pField; // owned by the field edit
};
