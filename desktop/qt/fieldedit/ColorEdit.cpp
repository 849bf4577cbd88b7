// CColorEdit: a line edit painted with its own background and text colour.
#include "fieldedit/ColorEdit.h"

#include <QPalette>

namespace {

QColor ToColor(ColorRef cr)
{
    return QColor(static_cast<int>(cr & 0xFF), static_cast<int>((cr >> 8) & 0xFF), static_cast<int>((cr >> 16) & 0xFF));
}

} // namespace

CColorEdit::CColorEdit(QWidget *parent)
    : QLineEdit(parent)
{
    ApplyColors();
}

CColorEdit::~CColorEdit() = default;

ColorRef CColorEdit::SetBackColor(ColorRef crBack)
{
    const ColorRef crOld = m_crBack;
    m_crBack = crBack;
    ApplyColors();
    return crOld;
}

ColorRef CColorEdit::SetForeColor(ColorRef crFore)
{
    const ColorRef crOld = m_crFore;
    m_crFore = crFore;
    ApplyColors();
    return crOld;
}

void CColorEdit::ApplyColors()
{
    QPalette pal = palette();
    pal.setBrush(QPalette::Base, QBrush(ToColor(m_crBack)));
    pal.setColor(QPalette::Text, ToColor(m_crFore));
    setPalette(pal);
    update();
}
