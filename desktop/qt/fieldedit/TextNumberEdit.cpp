// CTextNumberEdit: the field of a free text with a four-digit number.
#include "fieldedit/TextNumberEdit.h"

#include "core/fieldedit/FieldKinds.h"

CTextNumberEdit::CTextNumberEdit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::TextNumberField>(), parent), m_pField(static_cast<core::TextNumberField *>(&Model()))
{
}

CTextNumberEdit::~CTextNumberEdit() = default;

QString CTextNumberEdit::GetText() const
{
    return QString::fromStdU16String(m_pField->GetText());
}

int CTextNumberEdit::GetNumber() const
{
    return m_pField->GetNumber();
}

bool CTextNumberEdit::SetValue(const QString &strText, int nNumber)
{
    if (!m_pField->SetValue(strText.toStdU16String(), nNumber))
        return false;
    Redraw();
    return true;
}
