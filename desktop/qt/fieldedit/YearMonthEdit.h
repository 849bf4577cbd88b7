// CYearMonthEdit: the field of a year with a month.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class YearMonthField;
}

class CYearMonthEdit : public CFieldEdit
{
    Q_OBJECT

public:
    explicit CYearMonthEdit(QWidget *parent = nullptr);
    ~CYearMonthEdit() override;

    int GetYear() const;
    int GetMonthIndex() const;
    // The month counts 0 (January) to 11. False, changing nothing, for a year outside 0 to 9999 or a
    // month outside 0 to 11.
    bool SetValue(int nYear, int nMonthIndex);

private:
    core::YearMonthField *m_pField; // owned by the field edit
};
