// CFieldEdit: keys, characters, input-method text and left clicks go to the field engine; the edit
// control's own editing, caret, drag selection, word selection, paste, undo and context menu are kept
// out, so the text changes only through Redraw.
#include "fieldedit/FieldEdit.h"

#include <imm.h>

namespace {

std::vector<std::u16string> ToU16List(const std::vector<std::wstring> &texts)
{
    std::vector<std::u16string> result;
    result.reserve(texts.size());
    for (const std::wstring &text : texts)
        result.push_back(::ToU16(text));
    return result;
}

// Ctrl held without Alt: a shortcut. Ctrl with Alt is AltGr, which types characters.
bool CommandHeld()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) && !(GetKeyState(VK_MENU) & 0x8000);
}

} // namespace

std::u16string ToU16(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

std::wstring FromU16(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

CFieldEdit::CFieldEdit(std::unique_ptr<core::FieldModel> pModel)
    : m_pModel(std::move(pModel))
{
}

CFieldEdit::~CFieldEdit() = default;

bool CFieldEdit::Setup(std::vector<std::wstring> templates, std::vector<std::wstring> separators, std::wstring prefix,
                       std::wstring suffix)
{
    if (!m_pModel->Setup(ToU16List(templates), ToU16List(separators), ToU16(prefix), ToU16(suffix)))
        return false;
    Redraw();
    return true;
}

bool CFieldEdit::SetSegmentTexts(std::vector<std::wstring> texts)
{
    if (!m_pModel->SetSegmentTexts(ToU16List(texts)))
        return false;
    Redraw();
    return true;
}

bool CFieldEdit::SelectSegment(int nIndex)
{
    if (!m_pModel->SelectSegment(nIndex))
        return false;
    SelectCurrent();
    return true;
}

int CFieldEdit::GetCurrentSegment() const
{
    return m_pModel->GetCurrentSegment();
}

void CFieldEdit::Redraw()
{
    if (!m_hWnd)
        return;
    SetWindowTextW(m_hWnd, FromU16(m_pModel->ComposeText()).c_str());
    SelectCurrent();
}

core::FieldKey CFieldEdit::ToFieldKey(WPARAM nVirtKey)
{
    using core::FieldKey;
    switch (nVirtKey) {
    case VK_BACK:
        return FieldKey::Back;
    case VK_DELETE:
        return FieldKey::Delete;
    case VK_LEFT:
        return FieldKey::Left;
    case VK_RIGHT:
        return FieldKey::Right;
    case VK_UP:
        return FieldKey::Up;
    case VK_DOWN:
        return FieldKey::Down;
    case VK_SPACE:
        return FieldKey::Space;
    case VK_HOME:
        return FieldKey::Home;
    case VK_END:
        return FieldKey::End;
    default:
        return FieldKey::Other;
    }
}

void CFieldEdit::OnAttached()
{
    // The field's text is shown at once, also in a control taken over from a dialog.
    Redraw();
}

LRESULT CFieldEdit::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_CHAR:
    case WM_IME_CHAR: {
        const char16_t ch = static_cast<char16_t>(wParam);
        OnChar(std::u16string_view(&ch, 1));
        return 0;
    }
    case WM_IME_COMPOSITION:
        OnImeComposition(lParam);
        return 0;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_ENDCOMPOSITION:
        // The input method's own window shows the text being composed, not the field.
        return DefWindowProcW(m_hWnd, nMsg, wParam, lParam);
    case WM_LBUTTONDOWN:
        OnLButtonDown(wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        // Also after the dialog has selected the whole text of a control it tabs into.
        Default(nMsg, wParam, lParam);
        SelectCurrent();
        HideCaret(m_hWnd);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
        return 0;
    default:
        return Default(nMsg, wParam, lParam);
    }
}

void CFieldEdit::OnKeyDown(WPARAM nVirtKey)
{
    m_pModel->OnKeyDown(ToFieldKey(nVirtKey));
    Redraw();
}

void CFieldEdit::OnChar(std::u16string_view typed)
{
    core::TypeText(*m_pModel, typed, CommandHeld());
    Redraw();
}

void CFieldEdit::OnImeComposition(LPARAM lParam)
{
    if (!(lParam & GCS_RESULTSTR))
        return;
    HIMC hImc = ImmGetContext(m_hWnd);
    if (!hImc)
        return;
    const LONG nBytes = ImmGetCompositionStringW(hImc, GCS_RESULTSTR, nullptr, 0);
    std::wstring text(nBytes > 0 ? static_cast<std::size_t>(nBytes) / sizeof(wchar_t) : 0, L'\0');
    if (!text.empty())
        ImmGetCompositionStringW(hImc, GCS_RESULTSTR, text.data(), static_cast<DWORD>(nBytes));
    ImmReleaseContext(m_hWnd, hImc);
    core::TypeText(*m_pModel, ToU16(text));
    Redraw();
}

void CFieldEdit::OnLButtonDown(WPARAM wParam, LPARAM lParam)
{
    Default(WM_LBUTTONDOWN, wParam, lParam);
    const LRESULT nPos = SendMessageW(m_hWnd, EM_CHARFROMPOS, 0, lParam);
    m_pModel->OnLButtonDown(LOWORD(nPos));
    SelectCurrent();
    HideCaret(m_hWnd);
}

void CFieldEdit::SelectCurrent()
{
    if (!m_hWnd || m_pModel->GetCurrentSegment() < 0)
        return;
    const core::SegmentRange range = m_pModel->GetCurrentRange();
    SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(range.nStart), range.nEnd);
    SendMessageW(m_hWnd, EM_SCROLLCARET, 0, 0);
}
