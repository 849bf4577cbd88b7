// CDigits324Edit: the field of nine digits grouped 3-2-4.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class Digits324Field;
}

class CDigits324Edit : public CFieldEdit
{
    Q_OBJECT

public:
    explicit CDigits324Edit(QWidget *parent = nullptr);
    ~CDigits324Edit() override;

    QString GetDigits() const;
    // The nine digits without separators. False, changing nothing, for anything else.
    bool SetDigits(const QString &strDigits);

private:
    core::Digits324Field *m_pField; // owned by the field edit
};
