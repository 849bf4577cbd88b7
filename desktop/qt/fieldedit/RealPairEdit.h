// CRealPairEdit: the field of two signed numbers with two decimals.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class RealPairField;
}

class CRealPairEdit : public CFieldEdit
{
    Q_OBJECT

public:
    explicit CRealPairEdit(QWidget *parent = nullptr);
    ~CRealPairEdit() override;

    double GetFirst() const;
    double GetSecond() const;
    // Rounded to two decimals, a half upwards. False, changing nothing, for a number outside -9999.99
    // to 9999.99.
    bool SetValue(double dFirst, double dSecond);

private:
    core::RealPairField *m_pField; // owned by the field edit
};
