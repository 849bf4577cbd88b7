// CTextNumberEdit: the field of a free text with a four-digit number.
#include "fieldedit/TextNumberEdit.h"

#include "fieldedit/FieldKinds.h"

CTextNumberEdit::CTextNumberEdit(QWidget *parent)
    : CFieldEdit(std::make_unique<TextNumberField>(), parent), m_pField(static_cast<TextNumberField *>(&Model()))
{
}

CTextNumberEdit::~CTextNumberEdit() = default;

QString CTextNumberEdit::GetText() const
{
    return m_pField->GetText();
}

int CTextNumberEdit::GetNumber() const
{
    return m_pField->GetNumber();
}

bool CTextNumberEdit::SetValue(const QString &strText, int nNumber)
{
    if (!m_pField->SetValue(strText, nNumber))
        return false;
    Redraw();
    return true;
}
