// The About page: its template says it all; the hidden homepage button opens the homepage.
#include "sheet/MyPropertyPage1.h"

#include <shellapi.h>

#include "sheet/SheetIds.h"

namespace {

// The maker publishes no homepage, so the hidden button has nothing to open.
constexpr const wchar_t *kHomepage = L"";

} // namespace

void CMyPropertyPage1::OnCommand(int nId, int)
{
    if (nId == IDC_HOMEPAGE)
        OnHomepage();
}

void CMyPropertyPage1::OnHomepage()
{
    if (*kHomepage)
        ShellExecuteW(m_hWnd, nullptr, kHomepage, nullptr, nullptr, SW_SHOWNORMAL);
}
