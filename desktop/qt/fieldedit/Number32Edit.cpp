// CNumber32Edit: the field of a three-digit with a two-digit number.
#include "fieldedit/Number32Edit.h"

#include "core/fieldedit/FieldKinds.h"

CNumber32Edit::CNumber32Edit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::Number32Field>(), parent), m_pField(static_cast<core::Number32Field *>(&Model()))
{
}

CNumber32Edit::~CNumber32Edit() = default;

int CNumber32Edit::GetFirst() const
{
    return m_pField->GetFirst();
}

int CNumber32Edit::GetSecond() const
{
    return m_pField->GetSecond();
}

bool CNumber32Edit::SetValue(int nFirst, int nSecond)
{
    if (!m_pField->SetValue(nFirst, nSecond))
        return false;
    Redraw();
    return true;
}
