// CPropertyPage: a page of the settings sheet on its dialog template; its window is made by the
// sheet the first time the page is shown.
#pragma once

#include <string>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

class CMyPropertySheet;
class SheetHost;

class CPropertyPage
{
public:
    explicit CPropertyPage(int nTemplate) : m_nTemplate(nTemplate) {}
    virtual ~CPropertyPage() = default;
    CPropertyPage(const CPropertyPage &) = delete;
    CPropertyPage &operator=(const CPropertyPage &) = delete;

    // The page as PropertySheetW takes it.
    PROPSHEETPAGEW Describe(HINSTANCE instance);
    HWND GetSafeHwnd() const { return m_hWnd; }
    // True once the page's window exists (it has been shown).
    bool IsCreated() const { return m_hWnd != nullptr; }

    CMyPropertySheet *m_pSheet = nullptr;

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnCommand(int /*nId*/, int /*nCode*/) {}
    virtual void OnNotify(const NMHDR & /*header*/) {}
    // On OK and Apply for every created page; false keeps the sheet open.
    virtual bool OnApply() { return true; }

    // Marks the page as changed: the sheet enables Apply.
    void SetModified(bool bChanged);
    // The clock, reached through the sheet that holds the page.
    SheetHost *GetClockWnd() const;
    HWND Item(int nId) const { return GetDlgItem(m_hWnd, nId); }
    std::wstring ItemText(int nId) const;

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    int m_nTemplate;
};

// CMyPropertyPage4: the schedule page; the sheet holds it but never shows it.
class CMyPropertyPage4 : public CPropertyPage
{
public:
    CMyPropertyPage4() : CPropertyPage(107) {}
};

// CMyPropertyPage5: the monthly calendar page; the sheet holds it but never shows it.
class CMyPropertyPage5 : public CPropertyPage
{
public:
    CMyPropertyPage5() : CPropertyPage(108) {}
};
