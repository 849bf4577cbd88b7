// CMyPropertyPage4: the schedule page; the sheet holds it but never shows it.
#pragma once

#include "settings/PropertyPage.h"

class CMyPropertyPage4 : public CPropertyPage
{
public:
    explicit CMyPropertyPage4(QWidget *parent = nullptr)
        : CPropertyPage(QStringLiteral("行事历"), QSize(215, 95), parent)
    {
    }
};
