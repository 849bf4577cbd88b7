// CMyPropertyPage5: the monthly calendar page; the sheet holds it but never shows it.
#pragma once

#include "settings/PropertyPage.h"

class CMyPropertyPage5 : public CPropertyPage
{
public:
    explicit CMyPropertyPage5(QWidget *parent = nullptr)
        : CPropertyPage(QStringLiteral("月历"), QSize(215, 95), parent)
    {
    }
};
