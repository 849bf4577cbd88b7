// CDigits324Edit: the field of nine digits grouped 3-2-4.
#include "fieldedit/Digits324Edit.h"

#include "fieldedit/FieldKinds.h"

CDigits324Edit::CDigits324Edit(QWidget *parent)
    : CFieldEdit(std::make_unique<Digits324Field>(), parent), m_pField(static_cast<Digits324Field *>(&Model()))
{
}

CDigits324Edit::~CDigits324Edit() = default;

QString CDigits324Edit::GetDigits() const
{
    return m_pField->GetDigits();
}

bool CDigits324Edit::SetDigits(const QString &strDigits)
{
    if (!m_pField->SetDigits(strDigits))
        return false;
    Redraw();
    return true;
}
