// CColorEdit: a line edit with its own background and text colour.
#pragma once

#include <cstdint>

#include <QLineEdit>

// A colour as 0x00BBGGRR.
using ColorRef = std::uint32_t;

class CColorEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CColorEdit(QWidget *parent = nullptr);
    ~CColorEdit() override;

    // Each returns the colour it replaces; a new control is white text on black.
    ColorRef SetBackColor(ColorRef crBack);
    ColorRef SetForeColor(ColorRef crFore);

private:
    void ApplyColors();

    ColorRef m_crBack = 0x000000;
    ColorRef m_crFore = 0xFFFFFF;
};
