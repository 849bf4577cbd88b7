// CYearMonthEdit: the field of a year with a month.
#include "fieldedit/YearMonthEdit.h"

#include "core/fieldedit/FieldKinds.h"

CYearMonthEdit::CYearMonthEdit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::YearMonthField>(), parent), m_pField(static_cast<core::YearMonthField *>(&Model()))
{
}

CYearMonthEdit::~CYearMonthEdit() = default;

int CYearMonthEdit::GetYear() const
{
    return m_pField->GetYear();
}

int CYearMonthEdit::GetMonthIndex() const
{
    return m_pField->GetMonthIndex();
}

bool CYearMonthEdit::SetValue(int nYear, int nMonthIndex)
{
    if (!m_pField->SetValue(nYear, nMonthIndex))
        return false;
    Redraw();
    return true;
}
