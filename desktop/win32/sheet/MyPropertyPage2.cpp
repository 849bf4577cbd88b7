// The Display page: two drop-down lists of skin names, preselected from the running clock.
#include "sheet/MyPropertyPage2.h"

#include "common/Text.h"
#include "sheet/SheetHost.h"
#include "sheet/SheetIds.h"

namespace {

int Fill(HWND combo, const std::vector<std::string> &names, const std::string &current)
{
    for (const std::string &name : names)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Wide(name).c_str()));
    const int nIndex = PreselectIndex(names, current);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    return nIndex;
}

} // namespace

BOOL CMyPropertyPage2::OnInitDialog()
{
    int nBackground = -1;
    int nClockStyle = -1;
    if (const SheetHost *clock = GetClockWnd()) {
        nBackground = Fill(Item(IDC_BACKGROUND), clock->BackgroundNames(), clock->CurrentBackground());
        nClockStyle = Fill(Item(IDC_CLOCKSTYLE), clock->DigitNames(), clock->CurrentDigits());
    }
    m_choice = SkinChoice(nBackground, nClockStyle);
    return TRUE;
}

void CMyPropertyPage2::OnCommand(int nId, int nCode)
{
    if ((nId == IDC_BACKGROUND || nId == IDC_CLOCKSTYLE) && nCode == CBN_SELENDOK)
        OnSelendokStyle();
}

void CMyPropertyPage2::OnSelendokStyle()
{
    m_choice.OnSelect(Selection(IDC_BACKGROUND), Selection(IDC_CLOCKSTYLE));
    if (m_choice.IsChanged())
        SetModified(true);
}

bool CMyPropertyPage2::OnApply()
{
    SheetHost *clock = GetClockWnd();
    if (clock && m_choice.Apply(Selection(IDC_BACKGROUND), Selection(IDC_CLOCKSTYLE))) {
        clock->SaveSkin(SelectedName(IDC_BACKGROUND), SelectedName(IDC_CLOCKSTYLE));
        clock->SetRestart();
    }
    return true;
}

int CMyPropertyPage2::Selection(int nId) const
{
    return static_cast<int>(SendMessageW(Item(nId), CB_GETCURSEL, 0, 0));
}

std::string CMyPropertyPage2::SelectedName(int nId) const
{
    // No selection gives an empty name: the clock then picks a skin at its next start.
    const int nIndex = Selection(nId);
    if (nIndex < 0)
        return {};
    std::wstring name(static_cast<std::size_t>(SendMessageW(Item(nId), CB_GETLBTEXTLEN, nIndex, 0)) + 1, L'\0');
    name.resize(static_cast<std::size_t>(
        SendMessageW(Item(nId), CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(name.data()))));
    return win32::Utf8(name);
}
