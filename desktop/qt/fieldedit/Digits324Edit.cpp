// CDigits324Edit: the field of nine digits grouped 3-2-4.
#include "fieldedit/Digits324Edit.h"

#include "core/fieldedit/FieldKinds.h"

CDigits324Edit::CDigits324Edit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::Digits324Field>(), parent), m_pField(static_cast<core::Digits324Field *>(&Model()))
{
}

CDigits324Edit::~CDigits324Edit() = default;

QString CDigits324Edit::GetDigits() const
{
    return QString::fromStdU16String(m_pField->GetDigits());
}

bool CDigits324Edit::SetDigits(const QString &strDigits)
{
    if (!m_pField->SetDigits(strDigits.toStdU16String()))
        return false;
    Redraw();
    return true;
}
