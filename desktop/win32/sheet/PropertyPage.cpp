// Page base of the settings sheet: the dialog procedure, the modified flag, the way to the clock.
#include "sheet/PropertyPage.h"

#include "fieldedit/ColorEdit.h"
#include "sheet/MyPropertySheet.h"

PROPSHEETPAGEW CPropertyPage::Describe(HINSTANCE instance)
{
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = instance;
    page.pszTemplate = MAKEINTRESOURCEW(m_nTemplate);
    page.pfnDlgProc = DialogProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

void CPropertyPage::SetModified(bool bChanged)
{
    HWND sheet = GetParent(m_hWnd);
    if (bChanged)
        PropSheet_Changed(sheet, m_hWnd);
    else
        PropSheet_UnChanged(sheet, m_hWnd);
}

SheetHost *CPropertyPage::GetClockWnd() const
{
    return m_pSheet ? m_pSheet->m_pClockWnd : nullptr;
}

std::wstring CPropertyPage::ItemText(int nId) const
{
    HWND item = Item(nId);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK CPropertyPage::DialogProc(HWND hwnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_INITDIALOG) {
        auto *page = reinterpret_cast<CPropertyPage *>(reinterpret_cast<const PROPSHEETPAGEW *>(lParam)->lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->m_hWnd = hwnd;
        return page->OnInitDialog();
    }
    auto *page = reinterpret_cast<CPropertyPage *>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!page)
        return FALSE;
    switch (nMsg) {
    case WM_COMMAND:
        page->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR &header = *reinterpret_cast<const NMHDR *>(lParam);
        if (header.code == static_cast<UINT>(PSN_APPLY)) {
            const bool bApplied = page->OnApply();
            if (bApplied && reinterpret_cast<const PSHNOTIFY *>(lParam)->lParam && page->m_pSheet)
                page->m_pSheet->OnOK();
            SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, bApplied ? PSNRET_NOERROR : PSNRET_INVALID);
            return TRUE;
        }
        page->OnNotify(header);
        return FALSE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(
            CColorEdit::ReflectColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_NCDESTROY:
        page->m_hWnd = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
