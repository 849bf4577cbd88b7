// CMonthDayEdit: the field of a month name with a day.
#include "fieldedit/MonthDayEdit.h"

#include "core/fieldedit/FieldKinds.h"

CMonthDayEdit::CMonthDayEdit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::MonthDayField>(), parent), m_pField(static_cast<core::MonthDayField *>(&Model()))
{
}

CMonthDayEdit::~CMonthDayEdit() = default;

QString CMonthDayEdit::GetMonthName() const
{
    return QString::fromStdU16String(m_pField->GetMonthName());
}

int CMonthDayEdit::GetMonthIndex() const
{
    return m_pField->GetMonthIndex();
}

int CMonthDayEdit::GetDay() const
{
    return m_pField->GetDay();
}

bool CMonthDayEdit::SetValue(int nMonthIndex, int nDay)
{
    if (!m_pField->SetValue(nMonthIndex, nDay))
        return false;
    Redraw();
    return true;
}
