// CMyPropertyPage1: the About page with the program icon, the product line and the contact line.
#pragma once

#include "settings/PropertyPage.h"

class CMyPropertyPage1 : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CMyPropertyPage1(QWidget *parent = nullptr);
    ~CMyPropertyPage1() override;

protected:
    void OnInitDialog() override;
};
