// CMyPropertyPage1: the About page with the program icon, the product line and the contact line.
#pragma once

#include "sheet/PropertyPage.h"

class CMyPropertyPage1 : public CPropertyPage
{
public:
    CMyPropertyPage1() : CPropertyPage(104) {}

protected:
    void OnCommand(int nId, int nCode) override;

private:
    // Opens the maker's homepage with the shell.
    void OnHomepage();
};
