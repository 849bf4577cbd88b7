// CDigits334Edit: the field of ten digits grouped 3-3-4.
#include "fieldedit/Digits334Edit.h"

#include "core/fieldedit/FieldKinds.h"

CDigits334Edit::CDigits334Edit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::Digits334Field>(), parent), m_pField(static_cast<core::Digits334Field *>(&Model()))
{
}

CDigits334Edit::~CDigits334Edit() = default;

QString CDigits334Edit::GetDigits() const
{
    return QString::fromStdU16String(m_pField->GetDigits());
}

bool CDigits334Edit::SetDigits(const QString &strDigits)
{
    if (!m_pField->SetDigits(strDigits.toStdU16String()))
        return false;
    Redraw();
    return true;
}
