// CNumberPairEdit: the field of two two-digit numbers.
#include "fieldedit/NumberPairEdit.h"

#include "core/fieldedit/FieldKinds.h"

CNumberPairEdit::CNumberPairEdit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::NumberPairField>(), parent), m_pField(static_cast<core::NumberPairField *>(&Model()))
{
}

CNumberPairEdit::~CNumberPairEdit() = default;

int CNumberPairEdit::GetFirst() const
{
    return m_pField->GetFirst();
}

int CNumberPairEdit::GetSecond() const
{
    return m_pField->GetSecond();
}

bool CNumberPairEdit::SetValue(int nFirst, int nSecond)
{
    if (!m_pField->SetValue(nFirst, nSecond))
        return false;
    Redraw();
    return true;
}
