// CGbkLimitEdit: an edit control whose text keeps a GBK form of at most a given number of bytes;
// a longer text put in from elsewhere (a stored message) stands and can only get shorter.
#pragma once

#include <string>

#include <windows.h>

#include "core/sheet/PageRules.h"

class CGbkLimitEdit
{
public:
    explicit CGbkLimitEdit(int nMaxBytes) : m_limit(nMaxBytes) {}
    ~CGbkLimitEdit();
    CGbkLimitEdit(const CGbkLimitEdit &) = delete;
    CGbkLimitEdit &operator=(const CGbkLimitEdit &) = delete;

    // Takes over an existing edit control; false when it is no window.
    bool Attach(HWND hwnd);
    // Puts `text` into the edit whatever its length; from then on it may only shrink.
    void SetText(const std::wstring &text);
    std::wstring GetText() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR nId,
                                         DWORD_PTR pData);
    // Lets the edit control handle a message that may change the text, and takes the change back
    // when the new text does not fit.
    LRESULT Guarded(UINT nMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    GbkLimit m_limit;
};
