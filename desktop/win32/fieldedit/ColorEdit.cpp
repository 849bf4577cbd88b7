// CColorEdit: the edit control subclassed for its colours; the parent hands its colour messages back.
#include "fieldedit/ColorEdit.h"

#include <commctrl.h>

namespace {

// The window property that leads from a control to its colour edit.
constexpr const wchar_t *kColorEditProp = L"Dovetock.ColorEdit";

} // namespace

CColorEdit::CColorEdit()
    : m_brush(CreateSolidBrush(m_crBack))
{
}

CColorEdit::~CColorEdit()
{
    if (m_hWnd) {
        RemoveWindowSubclass(m_hWnd, SubclassProc, 0);
        RemovePropW(m_hWnd, kColorEditProp);
    }
}

bool CColorEdit::Attach(HWND hwnd)
{
    if (m_hWnd || !IsWindow(hwnd) || !SetWindowSubclass(hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hWnd = hwnd;
    SetPropW(hwnd, kColorEditProp, this);
    OnAttached();
    return true;
}

HWND CColorEdit::Create(HWND parent, int nId, const RECT &rect)
{
    HWND hwnd = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), GetModuleHandleW(nullptr), nullptr);
    if (hwnd && !Attach(hwnd)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    return hwnd;
}

COLORREF CColorEdit::SetBackColor(COLORREF crBack)
{
    const COLORREF crOld = m_crBack;
    m_crBack = crBack;
    m_brush.Reset(CreateSolidBrush(crBack));
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, TRUE);
    return crOld;
}

COLORREF CColorEdit::SetForeColor(COLORREF crFore)
{
    const COLORREF crOld = m_crFore;
    m_crFore = crFore;
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, TRUE);
    return crOld;
}

HBRUSH CColorEdit::ReflectColor(HWND child, HDC hdc)
{
    const auto *edit = static_cast<const CColorEdit *>(GetPropW(child, kColorEditProp));
    if (!edit)
        return nullptr;
    SetTextColor(hdc, edit->m_crFore);
    SetBkColor(hdc, edit->m_crBack);
    SetBkMode(hdc, TRANSPARENT);
    return edit->m_brush.Get();
}

LRESULT CColorEdit::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return Default(nMsg, wParam, lParam);
}

LRESULT CColorEdit::Default(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK CColorEdit::SubclassProc(HWND hwnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR pData)
{
    auto *edit = reinterpret_cast<CColorEdit *>(pData);
    if (nMsg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, 0);
        RemovePropW(hwnd, kColorEditProp);
        edit->m_hWnd = nullptr;
        return DefSubclassProc(hwnd, nMsg, wParam, lParam);
    }
    return edit->WindowProc(nMsg, wParam, lParam);
}
