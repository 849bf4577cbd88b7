// CMyPropertyPage2: the Display page, choosing the background and digit skins for the next start.
#pragma once

#include "core/sheet/PageRules.h"
#include "sheet/PropertyPage.h"

class CMyPropertyPage2 : public CPropertyPage
{
public:
    CMyPropertyPage2() : CPropertyPage(105) {}

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int nId, int nCode) override;
    // Writes a changed choice through the clock and asks for a restart.
    bool OnApply() override;

private:
    void OnSelendokStyle();
    int Selection(int nId) const;
    std::string SelectedName(int nId) const;

    SkinChoice m_choice;
};
