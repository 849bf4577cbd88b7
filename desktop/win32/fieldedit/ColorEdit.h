// CColorEdit: an edit control with its own background brush and text colour.
#pragma once

#include <windows.h>

#include "common/Gdi.h"

class CColorEdit
{
public:
    CColorEdit();
    virtual ~CColorEdit();
    CColorEdit(const CColorEdit &) = delete;
    CColorEdit &operator=(const CColorEdit &) = delete;

    // Takes over an existing edit control, such as one of a dialog template; false when `hwnd` is
    // no window or this control already has one.
    bool Attach(HWND hwnd);
    // Makes an edit control of its own, a child of `parent` (bordered, tab stop, visible).
    HWND Create(HWND parent, int nId, const RECT &rect);
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Each returns the colour it replaces; a new control is white text on black.
    COLORREF SetBackColor(COLORREF crBack);
    COLORREF SetForeColor(COLORREF crFore);

    // For a parent's WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC: the brush of `child` when it is a colour
    // edit (its text colour then set on `hdc`), otherwise null.
    static HBRUSH ReflectColor(HWND child, HDC hdc);

protected:
    // Every message of the control; the default is the edit control's own handling.
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // The edit control's own handling of a message.
    LRESULT Default(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // Called once the control has its window.
    virtual void OnAttached() {}

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR nId,
                                         DWORD_PTR pData);

    COLORREF m_crBack = RGB(0, 0, 0);
    COLORREF m_crFore = RGB(255, 255, 255);
    win32::GdiObject<HBRUSH> m_brush;
};
