// CNumber32Edit: the field of a three-digit with a two-digit number.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class Number32Field;
}

class CNumber32Edit : public CFieldEdit
{
    Q_OBJECT

public:
    explicit CNumber32Edit(QWidget *parent = nullptr);
    ~CNumber32Edit() override;

    int GetFirst() const;
    int GetSecond() const;
    // False, changing nothing, for a first number outside 0 to 999 or a second outside 0 to 99.
    bool SetValue(int nFirst, int nSecond);

private:
    core::Number32Field *m_pField; // owned by the field edit
};
