// CNumberPairEdit: the field of two two-digit numbers.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class NumberPairField;
}

class CNumberPairEdit : public CFieldEdit
{
    Q_OBJECT

public:
    explicit CNumberPairEdit(QWidget *parent = nullptr);
    ~CNumberPairEdit() override;

    int GetFirst() const;
    int GetSecond() const;
    // False, changing nothing, for a number outside 0 to 99.
    bool SetValue(int nFirst, int nSecond);

private:
    core::NumberPairField *m_pField; // owned by the field edit
};
