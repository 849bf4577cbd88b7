// CTimeEdit: the time-of-day field control.
#include "fieldedit/TimeEdit.h"

#include "core/fieldedit/TimeField.h"

CTimeEdit::CTimeEdit(QWidget *parent)
    : CFieldEdit(std::make_unique<core::TimeField>(), parent), m_pTime(static_cast<core::TimeField *>(&Model()))
{
}

CTimeEdit::~CTimeEdit() = default;

bool CTimeEdit::SetTime(QString strTime)
{
    if (!m_pTime->SetTime(strTime.toStdU16String()))
        return false;
    Redraw();
    return true;
}

void CTimeEdit::GetTime(int &nHour, int &nMinute, int &nSecond) const
{
    m_pTime->GetTime(nHour, nMinute, nSecond);
}
