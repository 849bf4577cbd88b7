// CMyPropertySheet: the settings dialog with the About, Display and Time reminders pages, a
// PropertySheetW placed beside the clock and modal to the clock window alone.
#pragma once

#include "sheet/MyPropertyPage1.h"
#include "sheet/MyPropertyPage2.h"
#include "sheet/MyPropertyPage3.h"
#include "sheet/PropertyPage.h"
#include "sheet/SheetHost.h"

class CMyPropertySheet
{
public:
    explicit CMyPropertySheet(HINSTANCE instance);
    ~CMyPropertySheet();
    CMyPropertySheet(const CMyPropertySheet &) = delete;
    CMyPropertySheet &operator=(const CMyPropertySheet &) = delete;

    // Opens the sheet without a loop of its own, on the About page, placed and shown; owned by the
    // clock window. Null when it could not be made.
    HWND Create();
    // Runs the sheet until OK or Cancel, with the clock window disabled and every other window of the
    // program live. Returns IDOK or IDCANCEL.
    INT_PTR DoModal();
    // One message of the sheet's loop: the sheet's page and dialog keys first (Ctrl+Tab,
    // Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp switch pages from every control), everything else
    // translated and dispatched.
    void PumpMessage(MSG &msg);
    // True once OK or Cancel has ended the sheet.
    bool IsClosed() const;
    INT_PTR Result() const { return m_nResult; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Places the sheet at the clock's left edge, 100 pixels below its top, its whole frame inside the
    // work area of the clock's monitor at the right and bottom.
    void OnInitDialog();
    // The pages have taken OK: the sheet ends with IDOK.
    void OnOK() { m_nResult = IDOK; }

    SheetHost *m_pClockWnd = nullptr;
    CMyPropertyPage1 m_page1;
    CMyPropertyPage2 m_page2;
    CMyPropertyPage3 m_page3;
    CMyPropertyPage4 m_page4;
    CMyPropertyPage5 m_page5;

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT nMsg, LPARAM lParam);

    HINSTANCE m_hInstance;
    HWND m_hWnd = nullptr;
    INT_PTR m_nResult = IDCANCEL;
};
