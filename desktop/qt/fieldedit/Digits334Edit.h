// CDigits334Edit: the field of ten digits grouped 3-3-4.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class Digits334Field;
}

class CDigits334Edit : public CFieldEdit
{
    Q_OBJECT

public:
    explicit CDigits334Edit(QWidget *parent = nullptr);
    ~CDigits334Edit() override;

    QString GetDigits() const;
    // The ten digits without separators. False, changing nothing, for anything else.
    bool SetDigits(const QString &strDigits);

private:
    core::Digits334Field *m_pField; // owned by the field edit
};
