// CRealPairEdit: the field of two signed numbers with two decimals.
#include "fieldedit/RealPairEdit.h"

#include "core/fieldedit/FieldKinds.h"

CRealPairEdit::CRealPairEdit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::RealPairField>(), parent), m_pField(static_cast<core::RealPairField *>(&Model()))
{
}

CRealPairEdit::~CRealPairEdit() = default;

double CRealPairEdit::GetFirst() const
{
    return m_pField->GetFirst();
}

double CRealPairEdit::GetSecond() const
{
    return m_pField->GetSecond();
}

bool CRealPairEdit::SetValue(double dFirst, double dSecond)
{
    if (!m_pField->SetValue(dFirst, dSecond))
        return false;
    Redraw();
    return true;
}
