// Typing, pasting, input-method text, deleting and undoing all go through the edit control; a
// result that breaks the limit is taken back, caret and selection included.
#include "sheet/GbkLimitEdit.h"

#include <commctrl.h>

#include "common/Text.h"

CGbkLimitEdit::~CGbkLimitEdit()
{
    if (m_hWnd)
        RemoveWindowSubclass(m_hWnd, SubclassProc, 0);
}

bool CGbkLimitEdit::Attach(HWND hwnd)
{
    if (m_hWnd || !IsWindow(hwnd) || !SetWindowSubclass(hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hWnd = hwnd;
    m_limit.Admit(win32::Utf8(GetText()));
    return true;
}

void CGbkLimitEdit::SetText(const std::wstring &text)
{
    m_limit.Admit(win32::Utf8(text));
    SetWindowTextW(m_hWnd, text.c_str());
}

std::wstring CGbkLimitEdit::GetText() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT CGbkLimitEdit::Guarded(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    const std::wstring before = GetText();
    DWORD nStart = 0, nEnd = 0;
    SendMessageW(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
    const LRESULT result = DefSubclassProc(m_hWnd, nMsg, wParam, lParam);
    const std::wstring after = GetText();
    if (after == before)
        return result;
    const std::string utf8 = win32::Utf8(after);
    if (m_limit.Fits(utf8)) {
        m_limit.Admit(utf8);
        return result;
    }
    SetWindowTextW(m_hWnd, before.c_str());
    SendMessageW(m_hWnd, EM_SETSEL, nStart, static_cast<LPARAM>(nEnd));
    SendMessageW(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0);
    return result;
}

LRESULT CALLBACK CGbkLimitEdit::SubclassProc(HWND hwnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR pData)
{
    auto *edit = reinterpret_cast<CGbkLimitEdit *>(pData);
    switch (nMsg) {
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, SubclassProc, 0);
        edit->m_hWnd = nullptr;
        return DefSubclassProc(hwnd, nMsg, wParam, lParam);
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
        return edit->Guarded(nMsg, wParam, lParam);
    default:
        return DefSubclassProc(hwnd, nMsg, wParam, lParam);
    }
}
