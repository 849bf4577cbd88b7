// CTextNumberEdit: the field of a free text with a four-digit number.
#pragma once

#include "fieldedit/FieldEdit.h"

namespace core {
class TextNumberField;
}

class CTextNumberEdit : public CFieldEdit
{
    Q_OBJECT

public:
    explicit CTextNumberEdit(QWidget *parent = nullptr);
    ~CTextNumberEdit() override;

    QString GetText() const;
    int GetNumber() const;
    // False, changing nothing, for a text over 12 characters or with characters that cannot be typed,
    // or a number outside 0 to 9999.
    bool SetValue(const QString &strText, int nNumber);

private:
    core::TextNumberField *m_pField; // owned by the field edit
};
