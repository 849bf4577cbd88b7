// Window tests of the field controls: real EDIT controls driven with key, character, input-method and
// mouse messages, reading back their text and selection.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/fieldedit/tests/ControlRows.h"
#include "fieldedit/FieldKindEdits.h"

namespace {

std::string Text(HWND hwnd)
{
    wchar_t buffer[128] = {};
    GetWindowTextW(hwnd, buffer, 128);
    std::string text;
    for (const wchar_t *p = buffer; *p; ++p)
        text += *p < 0x80 ? static_cast<char>(*p) : '?';
    return text;
}

// The selection as "start+length".
std::string Selection(HWND hwnd)
{
    DWORD nStart = 0, nEnd = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
    return std::to_string(nStart) + "+" + std::to_string(nEnd - nStart);
}

// Holds Ctrl (and Shift) in the thread's key state while it lives.
class HeldKeys
{
public:
    explicit HeldKeys(std::initializer_list<int> keys)
    {
        BYTE state[256] = {};
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys()
    {
        BYTE state[256] = {};
        SetKeyboardState(state);
    }
};

// A key press as the message loop delivers it: the key, then the character it types, if any.
void Press(HWND hwnd, WPARAM nVirtKey, wchar_t ch = 0)
{
    SendMessageW(hwnd, WM_KEYDOWN, nVirtKey, 1);
    if (ch)
        SendMessageW(hwnd, WM_CHAR, ch, 1);
    SendMessageW(hwnd, WM_KEYUP, nVirtKey, 0xC0000001);
}

// Plays a key script of core/fieldedit/tests/KeyScript.h.
void PlayKeys(HWND hwnd, const std::string &strScript)
{
    static const std::map<std::string, std::pair<WPARAM, wchar_t>> named = {
        {"Back", {VK_BACK, L'\b'}}, {"Del", {VK_DELETE, 0}}, {"Left", {VK_LEFT, 0}},    {"Right", {VK_RIGHT, 0}},
        {"Up", {VK_UP, 0}},         {"Down", {VK_DOWN, 0}},  {"Space", {VK_SPACE, L' '}}, {"Home", {VK_HOME, 0}},
        {"End", {VK_END, 0}},
    };
    for (std::size_t i = 0; i < strScript.size(); ++i) {
        if (strScript[i] != '{') {
            const wchar_t ch = static_cast<wchar_t>(strScript[i]);
            Press(hwnd, static_cast<WPARAM>(VkKeyScanW(ch) & 0xFF), ch);
            continue;
        }
        const std::size_t nClose = strScript.find('}', i);
        const auto &[nKey, ch] = named.at(strScript.substr(i + 1, nClose - i - 1));
        Press(hwnd, nKey, ch);
        i = nClose;
    }
}

class FieldEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_parent = CreateWindowExW(0, L"STATIC", L"fields", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 420, 120, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(m_parent);
    }
    void TearDown() override { DestroyWindow(m_parent); }

    template <typename Edit>
    std::unique_ptr<CFieldEdit> Make(int nId = 100)
    {
        auto edit = std::make_unique<Edit>();
        const RECT rect{10, 10 + 40 * (nId - 100), 400, 36 + 40 * (nId - 100)};
        EXPECT_TRUE(edit->Create(m_parent, nId, rect));
        return edit;
    }

    // A click at the character boundary nPos.
    static void ClickAt(HWND hwnd, int nPos, UINT nMsg = WM_LBUTTONDOWN)
    {
        const int nLength = GetWindowTextLengthW(hwnd);
        const auto xOf = [hwnd](int n) { return static_cast<short>(LOWORD(SendMessageW(hwnd, EM_POSFROMCHAR, n, 0))); };
        const int x = nPos < nLength ? xOf(nPos) : 2 * xOf(nLength - 1) - xOf(nLength - 2);
        const LPARAM at = MAKELPARAM(x, HIWORD(SendMessageW(hwnd, EM_POSFROMCHAR, 0, 0)) + 4);
        SendMessageW(hwnd, nMsg, nMsg == WM_MOUSEMOVE ? MK_LBUTTON : 0, at);
        if (nMsg == WM_LBUTTONDOWN)
            SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
    }

    HWND m_parent = nullptr;
};

TEST_F(FieldEditTest, KeyRowsOfEveryKind)
{
    const std::map<std::string, std::function<std::unique_ptr<CFieldEdit>()>> make = {
        {"CTimeEdit", [this] { return Make<CTimeEdit>(); }},
        {"CTextNumberEdit", [this] { return Make<CTextNumberEdit>(); }},
        {"CYearMonthEdit", [this] { return Make<CYearMonthEdit>(); }},
        {"CNumberPairEdit", [this] { return Make<CNumberPairEdit>(); }},
        {"CMonthDayEdit", [this] { return Make<CMonthDayEdit>(); }},
        {"CNumber32Edit", [this] { return Make<CNumber32Edit>(); }},
        {"CDigits334Edit", [this] { return Make<CDigits334Edit>(); }},
        {"CDigits324Edit", [this] { return Make<CDigits324Edit>(); }},
        {"CRealPairEdit", [this] { return Make<CRealPairEdit>(); }},
    };
    for (const core::ControlRow &row : core::kControlRows) {
        const std::unique_ptr<CFieldEdit> edit = make.at(row.kind)();
        PlayKeys(edit->GetSafeHwnd(), row.keys);
        EXPECT_EQ(Text(edit->GetSafeHwnd()), row.text) << row.kind << " " << row.keys;
        EXPECT_EQ(Selection(edit->GetSafeHwnd()), row.selection) << row.kind << " " << row.keys;
    }
}

TEST_F(FieldEditTest, PasteUndoAndShortcutsLeaveTheText)
{
    const std::unique_ptr<CFieldEdit> edit = Make<CTimeEdit>();
    HWND hwnd = edit->GetSafeHwnd();
    PlayKeys(hwnd, "13");
    const std::wstring clip = L"99:99:99";
    if (OpenClipboard(hwnd)) {
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(wchar_t));
        memcpy(GlobalLock(memory), clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    // Each checked at once: the next key would draw the field's text again anyway.
    const LPARAM text = reinterpret_cast<LPARAM>(L"42");
    for (auto [nMsg, lParam] : {std::pair<UINT, LPARAM>{WM_PASTE, 0}, {WM_CUT, 0}, {WM_CLEAR, 0}, {WM_UNDO, 0},
                                {EM_UNDO, 0}, {EM_REPLACESEL, text}}) {
        SendMessageW(hwnd, nMsg, 0, lParam);
        EXPECT_EQ(Text(hwnd), "13:00:00") << "message " << nMsg;
        EXPECT_EQ(Selection(hwnd), "3+2") << "message " << nMsg;
    }
    {
        const HeldKeys ctrl{VK_CONTROL};
        Press(hwnd, 'V', 0x16);
        Press(hwnd, 'A', 0x01);
        Press(hwnd, '4', L'4');
    }
    {
        const HeldKeys shift{VK_SHIFT};
        Press(hwnd, VK_INSERT);
    }
    EXPECT_EQ(Text(hwnd), "13:00:00");
    EXPECT_EQ(Selection(hwnd), "3+2");
}

TEST_F(FieldEditTest, InputMethodCharactersFollowTheFieldRules)
{
    const std::unique_ptr<CFieldEdit> time = Make<CTimeEdit>();
    for (wchar_t ch : {L'2', L'\x4e2d', L'0', L'\xff15', L'5'})
        SendMessageW(time->GetSafeHwnd(), WM_IME_CHAR, ch, 1);
    EXPECT_EQ(Text(time->GetSafeHwnd()), "20:05:00");
    EXPECT_EQ(Selection(time->GetSafeHwnd()), "3+2");

    const std::unique_ptr<CFieldEdit> text = Make<CTextNumberEdit>(101);
    for (wchar_t ch : {L'\x949f', L'\x0001', L'x'})
        SendMessageW(text->GetSafeHwnd(), WM_IME_CHAR, ch, 1);
    EXPECT_EQ(Text(text->GetSafeHwnd()), "?x           0000");
}

TEST_F(FieldEditTest, ClicksSelectTheSegmentAndNothingElse)
{
    const std::unique_ptr<CFieldEdit> edit = Make<CTimeEdit>();
    HWND hwnd = edit->GetSafeHwnd();
    const std::pair<int, const char *> rows[] = {{5, "6+2"}, {2, "0+2"}, {3, "3+2"}, {8, "6+2"}, {0, "0+2"}, {4, "3+2"}};
    for (auto [nPos, pszSelection] : rows) {
        ClickAt(hwnd, nPos);
        EXPECT_EQ(Selection(hwnd), pszSelection) << "position " << nPos;
    }
    // Drags, double clicks and the right button select no other text.
    for (UINT nMsg : {WM_MOUSEMOVE, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP}) {
        ClickAt(hwnd, 8, nMsg);
        EXPECT_EQ(Selection(hwnd), "3+2") << "message " << nMsg;
    }
    EXPECT_EQ(Text(hwnd), "00:00:00");
}

TEST_F(FieldEditTest, TabIntoTheFieldSelectsItsCurrentSegment)
{
    // A dialog of its own: the dialog manager selects the whole text of a control it tabs into
    // unless the control says otherwise.
    struct {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title;
    } const dialogTemplate{{WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 200, 60}, 0, 0, 0};
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialogTemplate.dialog, nullptr,
                                             [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_TRUE(dialog);
    CTimeEdit time;
    HWND other = CreateWindowExW(0, L"EDIT", L"other", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 10, 60, 200, 26,
                                 dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(time.Create(dialog, 100, RECT{10, 10, 300, 36}));
    SetFocus(time.GetSafeHwnd());
    PlayKeys(time.GetSafeHwnd(), "{Right}");
    SetFocus(other);
    MSG msg{other, WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog, &msg));
    EXPECT_EQ(GetFocus(), time.GetSafeHwnd());
    EXPECT_EQ(Selection(time.GetSafeHwnd()), "3+2");
    DestroyWindow(dialog);
}

TEST_F(FieldEditTest, ColoursReturnThePreviousColourAndPaintTheField)
{
    const std::unique_ptr<CFieldEdit> edit = Make<CTimeEdit>();
    EXPECT_EQ(edit->SetBackColor(RGB(255, 255, 255)), RGB(0, 0, 0));
    EXPECT_EQ(edit->SetForeColor(RGB(0, 0, 0)), RGB(255, 255, 255));
    EXPECT_EQ(edit->SetBackColor(RGB(0x99, 0x66, 0x33)), RGB(255, 255, 255));
    EXPECT_EQ(edit->SetForeColor(RGB(255, 0, 0)), RGB(0, 0, 0));
    HDC hdc = GetDC(edit->GetSafeHwnd());
    HBRUSH brush = CColorEdit::ReflectColor(edit->GetSafeHwnd(), hdc);
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof(logBrush), &logBrush);
    EXPECT_EQ(logBrush.lbColor, RGB(0x99, 0x66, 0x33));
    EXPECT_EQ(GetTextColor(hdc), RGB(255, 0, 0));
    EXPECT_EQ(CColorEdit::ReflectColor(m_parent, hdc), nullptr);
    ReleaseDC(edit->GetSafeHwnd(), hdc);
}

} // namespace
