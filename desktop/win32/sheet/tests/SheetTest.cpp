// Window tests of the settings sheet: PropertySheetW on its templates, driven with window messages
// (keys, characters, clicks) over a fake clock whose reminders go to a real notify.dat.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windowsx.h>

#include "common/Text.h"
#include "core/files/tests/TempFolder.h"
#include "core/pictures/SkinCatalogue.h"
#include "core/pictures/tests/BmpWriter.h"
#include "core/reminders/ReminderStore.h"
#include "sheet/MyPropertySheet.h"
#include "sheet/SheetIds.h"
#include "sheet/UserMessage.h"

namespace {

class FakeHost : public SheetHost
{
public:
    POINT ClockPosition() const override { return m_position; }
    HWND ClockWindow() const override { return m_owner; }
    std::vector<std::string> BackgroundNames() const override { return m_backgrounds; }
    std::vector<std::string> DigitNames() const override { return m_digits; }
    std::string CurrentBackground() const override { return m_strBackground; }
    std::string CurrentDigits() const override { return m_strDigits; }
    void SaveSkin(const std::string &background, const std::string &digits) override
    {
        m_saved.push_back(background + "|" + digits);
    }
    void SetRestart() override { m_bRestart = true; }
    ReminderMap &Reminders() override { return m_map; }
    bool SaveReminders() override
    {
        ++m_nSaves;
        return ::SaveReminders(m_map, m_path);
    }

    POINT m_position{10, 20};
    HWND m_owner = nullptr;
    std::vector<std::string> m_backgrounds, m_digits, m_saved;
    std::string m_strBackground = "sEA", m_strDigits = "Blue";
    bool m_bRestart = false;
    ReminderMap m_map;
    std::filesystem::path m_path;
    int m_nSaves = 0;
};

// Holds keys in the thread's key state while it lives.
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

std::wstring WindowText(HWND hwnd)
{
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TypeChars(HWND hwnd, const std::wstring &text)
{
    for (wchar_t ch : text)
        SendMessageW(hwnd, WM_CHAR, ch, 1);
}

void PressKey(HWND hwnd, WPARAM nKey)
{
    SendMessageW(hwnd, WM_KEYDOWN, nKey, 1);
    if (nKey == VK_BACK)
        SendMessageW(hwnd, WM_CHAR, L'\b', 1);
    SendMessageW(hwnd, WM_KEYUP, nKey, 0xC0000001);
}

class SheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        win32::SetUserMessageHandler([this](const std::wstring &text) { m_messages.push_back(text); });
        m_host.m_owner = CreateWindowExW(0, L"STATIC", L"clock", WS_POPUP | WS_VISIBLE, 10, 20, 120, 40, nullptr,
                                         nullptr, GetModuleHandleW(nullptr), nullptr);
        m_host.m_path = m_folder.Path() / "notify.dat";
        m_host.m_backgrounds = {"Classic", "Night", "Sea"};
        m_host.m_digits = {"Green", "Red"};
        Open();
    }
    void TearDown() override
    {
        m_sheet.reset();
        DestroyWindow(m_host.m_owner);
        win32::SetUserMessageHandler(nullptr);
    }

    void Open()
    {
        m_sheet.reset();
        m_sheet = std::make_unique<CMyPropertySheet>(GetModuleHandleW(nullptr));
        m_sheet->m_pClockWnd = &m_host;
        ASSERT_TRUE(m_sheet->Create());
        Pump();
    }
    HWND Sheet() const { return m_sheet->GetSafeHwnd(); }
    void OpenPage(int nIndex)
    {
        PropSheet_SetCurSel(Sheet(), nullptr, nIndex);
        Pump();
    }
    int CurrentPage() const { return TabCtrl_GetCurSel(PropSheet_GetTabControl(Sheet())); }
    HWND Reminders(int nId) const { return GetDlgItem(m_sheet->m_page3.GetSafeHwnd(), nId); }
    HWND Display(int nId) const { return GetDlgItem(m_sheet->m_page2.GetSafeHwnd(), nId); }
    void Press(int nButton)
    {
        PropSheet_PressButton(Sheet(), nButton);
        Pump();
    }

    // A click on the hour, then each segment cleared and typed; the field moves on by itself.
    void TypeTime(const char *digits)
    {
        HWND time = Reminders(IDC_TIME);
        SendMessageW(time, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 4));
        SendMessageW(time, WM_LBUTTONUP, 0, MAKELPARAM(2, 4));
        for (int segment = 0; segment < 3; ++segment) {
            PressKey(time, VK_DELETE);
            TypeChars(time, win32::Wide(std::string(digits + 2 * segment, 2)));
        }
    }
    void AddOne(const char *time, bool bEnable, const std::wstring &message)
    {
        TypeTime(time);
        CheckDlgButton(m_sheet->m_page3.GetSafeHwnd(), IDC_ENABLE, bEnable ? BST_CHECKED : BST_UNCHECKED);
        SetWindowTextW(Reminders(IDC_MESSAGE), L"");
        TypeChars(Reminders(IDC_MESSAGE), message);
        SendMessageW(Reminders(IDC_ADD), BM_CLICK, 0, 0);
    }
    // The mouse on a row: a click and a double click of `nButton`'s messages.
    void DoubleClickRow(int nRow, UINT nDown = WM_LBUTTONDOWN)
    {
        HWND list = Reminders(IDC_LIST);
        RECT rect{};
        ListView_GetItemRect(list, nRow, &rect, LVIR_LABEL);
        const LPARAM at = MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
        const WPARAM nFlag = nDown == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON;
        // Posted, as the list may track the button in a loop of its own until the release arrives.
        for (UINT nMsg : {nDown, nDown + 1, nDown + 2, nDown + 1}) // down, up, double click, up
            PostMessageW(list, nMsg, nMsg == nDown + 1 ? 0 : nFlag, at);
        Pump();
    }
    std::vector<std::wstring> Rows() const
    {
        HWND list = Reminders(IDC_LIST);
        std::vector<std::wstring> rows;
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            std::wstring text;
            for (int column = 0; column < 3; ++column) {
                wchar_t cell[128] = {};
                ListView_GetItemText(list, row, column, cell, 128);
                text += (column ? L" " : L"") + std::wstring(cell);
            }
            rows.push_back(text);
        }
        return rows;
    }

    TempFolder m_folder;
    FakeHost m_host;
    std::unique_ptr<CMyPropertySheet> m_sheet;
    std::vector<std::wstring> m_messages;
};

TEST_F(SheetTest, TitlePagesAndTemplates)
{
    EXPECT_EQ(WindowText(Sheet()), L"Amberlane 电子闹钟 1.0 版");
    HWND tabs = PropSheet_GetTabControl(Sheet());
    ASSERT_EQ(TabCtrl_GetItemCount(tabs), 3);
    const wchar_t *captions[] = {L"关于", L"显示", L"时间提醒"};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[32] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 32;
        TabCtrl_GetItem(tabs, i, &item);
        EXPECT_EQ(std::wstring(text), captions[i]);
    }
    EXPECT_EQ(CurrentPage(), 0);
    EXPECT_TRUE(m_sheet->m_page1.IsCreated() && !m_sheet->m_page2.IsCreated() && !m_sheet->m_page3.IsCreated());
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(m_sheet->m_page1.GetSafeHwnd(), IDC_HOMEPAGE)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Sheet(), 0x3021))) << "Apply";

    // The reminders page's controls where its template puts them, in dialog units.
    OpenPage(2);
    HWND page = m_sheet->m_page3.GetSafeHwnd();
    const struct {
        int nId;
        RECT dlu; // x, y, width, height
        DWORD style;
    } controls[] = {
        {IDC_LIST, {7, 37, 156, 58}, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP},
        {IDC_MODIFY, {171, 7, 37, 14}, WS_TABSTOP},
        {IDC_TIME, {52, 7, 92, 13}, WS_TABSTOP},
        {IDC_ENABLE, {12, 7, 27, 13}, BS_AUTOCHECKBOX | WS_TABSTOP},
        {IDC_DELETE, {171, 22, 37, 13}, WS_TABSTOP},
        {IDC_MESSAGE, {12, 22, 150, 12}, WS_TABSTOP | ES_AUTOHSCROLL},
        {IDC_ADD, {171, 36, 37, 13}, WS_TABSTOP},
    };
    for (const auto &control : controls) {
        HWND item = GetDlgItem(page, control.nId);
        // Position and size in dialog units, each mapped as the dialog manager does.
        RECT expected = control.dlu, actual{};
        MapDialogRect(page, &expected);
        GetWindowRect(item, &actual);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT *>(&actual), 2);
        EXPECT_EQ((std::vector<LONG>{actual.left, actual.top, actual.right - actual.left, actual.bottom - actual.top}),
                  (std::vector<LONG>{expected.left, expected.top, expected.right, expected.bottom}))
            << control.nId;
        EXPECT_EQ(GetWindowLongW(item, GWL_STYLE) & control.style, control.style) << control.nId;
    }
    // The tab order is the template's.
    std::vector<int> order;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP)
            order.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(order, (std::vector<int>{IDC_LIST, IDC_MODIFY, IDC_TIME, IDC_ENABLE, IDC_DELETE, IDC_MESSAGE, IDC_ADD}));
}

TEST_F(SheetTest, PlacedBesideTheClockInsideTheWorkArea)
{
    RECT frame{};
    GetWindowRect(Sheet(), &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.top, 120);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(m_host.m_owner, MONITOR_DEFAULTTONEAREST), &monitor);
    m_host.m_position = {monitor.rcWork.right - 5, monitor.rcWork.bottom - 5};
    m_sheet->OnInitDialog();
    GetWindowRect(Sheet(), &frame);
    EXPECT_EQ(frame.right, monitor.rcWork.right);
    EXPECT_EQ(frame.bottom, monitor.rcWork.bottom);
}

struct ModalSeen {
    HWND owner = nullptr;
    bool bOwnerEnabled = true;
    bool bOtherEnabled = false;
    int nButton = PSBTN_CANCEL;
};
ModalSeen g_seen;

TEST_F(SheetTest, ModalToTheClockAloneAndClosedByOkOrCancel)
{
    m_sheet.reset();
    HWND other = CreateWindowExW(0, L"STATIC", L"note", WS_POPUP | WS_VISIBLE, 400, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    for (auto [nButton, nResult] : {std::pair{PSBTN_CANCEL, IDCANCEL}, std::pair{PSBTN_OK, IDOK}}) {
        g_seen = {m_host.m_owner, true, false, nButton};
        SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR nTimer, DWORD) {
            KillTimer(nullptr, nTimer);
            g_seen.bOwnerEnabled = IsWindowEnabled(g_seen.owner);
            g_seen.bOtherEnabled = IsWindowEnabled(FindWindowW(L"STATIC", L"note"));
            HWND sheet = FindWindowW(L"#32770", L"Amberlane 电子闹钟 1.0 版");
            if (sheet)
                PropSheet_PressButton(sheet, g_seen.nButton);
            else
                PostQuitMessage(0);
        });
        EXPECT_EQ(RunSettingsSheet(GetModuleHandleW(nullptr), m_host), nResult);
        EXPECT_FALSE(g_seen.bOwnerEnabled);
        EXPECT_TRUE(g_seen.bOtherEnabled);
        EXPECT_TRUE(IsWindowEnabled(m_host.m_owner));
    }
    DestroyWindow(other);
}

TEST_F(SheetTest, DisplayListsOfferUsableSkinsOnceAndApplyWritesOnce)
{
    // Two skin folders as the installed layout has them: a name in both is listed once, a damaged
    // picture not at all.
    TempFolder shared, own;
    const std::vector<std::uint8_t> picture = testbmp::Make({.width = 4, .height = 4});
    for (const auto &path : {shared.Path() / "Classic.BK", shared.Path() / "Sea.bk", own.Path() / "classic.bk",
                             own.Path() / "Night.BK"})
        ASSERT_TRUE(testbmp::Write(path, picture));
    WriteFile(own.Path() / "Broken.BK", "BM not a picture");
    m_host.m_backgrounds = core::UsableSkins(core::ListSkinFiles({own.Path(), shared.Path()}, "BK"), "BK");
    Open();
    OpenPage(1);
    HWND background = Display(IDC_BACKGROUND), clockStyle = Display(IDC_CLOCKSTYLE);
    std::vector<std::wstring> names;
    for (int i = 0; i < ComboBox_GetCount(background); ++i) {
        wchar_t name[64] = {};
        ComboBox_GetLBText(background, i, name);
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{L"classic", L"Night", L"Sea"}));
    // Preselected without regard to case; a name not listed selects nothing.
    EXPECT_EQ(ComboBox_GetCurSel(background), 2);
    EXPECT_EQ(ComboBox_GetCurSel(clockStyle), -1);

    for (HWND combo : {background, clockStyle}) {
        SetFocus(combo);
        PressKey(combo, combo == background ? VK_UP : VK_DOWN);
    }
    Pump();
    EXPECT_TRUE(m_host.m_saved.empty());
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Sheet(), 0x3021)));
    Press(PSBTN_APPLYNOW);
    EXPECT_EQ(m_host.m_saved, std::vector<std::string>{"Night|Green"});
    EXPECT_TRUE(m_host.m_bRestart);
    Press(PSBTN_APPLYNOW);
    EXPECT_EQ(m_host.m_saved.size(), 1u) << "nothing new to write";

    // Apply, then Cancel: the names stay written and the restart stays asked for.
    m_host.m_bRestart = false;
    SetFocus(background);
    PressKey(background, VK_UP);
    Press(PSBTN_APPLYNOW);
    Press(PSBTN_CANCEL);
    EXPECT_TRUE(m_sheet->IsClosed());
    EXPECT_EQ(m_sheet->Result(), IDCANCEL);
    EXPECT_EQ(m_host.m_saved, (std::vector<std::string>{"Night|Green", "classic|Green"}));
    EXPECT_TRUE(m_host.m_bRestart);
}

TEST_F(SheetTest, RemindersPageWritesEveryEditAtOnce)
{
    OpenPage(2);
    EXPECT_TRUE(IsWindowEnabled(Reminders(IDC_ADD)));
    EXPECT_FALSE(IsWindowEnabled(Reminders(IDC_MODIFY)) || IsWindowEnabled(Reminders(IDC_DELETE)));

    // One enabled daily reminder: the file is exactly its one record.
    AddOne("070500", true, L"wake");
    std::string expected = "NOTIFYS";
    for (int n : {1, 1, 1971, 1, 1, 7, 5, 0, 1, 19})
        expected += std::string{static_cast<char>(n & 0xFF), static_cast<char>(n >> 8), 0, 0};
    expected += "1971:01:01:07:05:00" + std::string{4, 0, 0, 0} + "wake";
    EXPECT_EQ(ReadFile(m_host.m_path), expected);
    EXPECT_EQ(expected.size(), 74u);

    AddOne("120000", true, L"午饭");
    AddOne("070500", false, L"again");
    EXPECT_EQ(m_messages, std::vector<std::wstring>{L"对应的时间提示已存在"});
    EXPECT_EQ(m_host.m_nSaves, 2);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"是 07:05:00 wake", L"是 12:00:00 午饭"}));

    // A left double click loads the row; Modify and Delete work on it.
    DoubleClickRow(1);
    EXPECT_EQ(IsDlgButtonChecked(m_sheet->m_page3.GetSafeHwnd(), IDC_ENABLE), BST_CHECKED);
    EXPECT_EQ(WindowText(Reminders(IDC_TIME)), L"12:00:00");
    EXPECT_EQ(WindowText(Reminders(IDC_MESSAGE)), L"午饭");
    EXPECT_TRUE(IsWindowEnabled(Reminders(IDC_MODIFY)) && IsWindowEnabled(Reminders(IDC_DELETE)));
    TypeTime("083000");
    SendMessageW(Reminders(IDC_ENABLE), BM_CLICK, 0, 0);
    SendMessageW(Reminders(IDC_MESSAGE), EM_SETSEL, 0, -1);
    TypeChars(Reminders(IDC_MESSAGE), L"午睡");
    SendMessageW(Reminders(IDC_MODIFY), BM_CLICK, 0, 0);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"是 07:05:00 wake", L"否 08:30:00 午睡"}));
    EXPECT_FALSE(IsWindowEnabled(Reminders(IDC_MODIFY)) || IsWindowEnabled(Reminders(IDC_DELETE)));

    DoubleClickRow(0);
    SendMessageW(Reminders(IDC_DELETE), BM_CLICK, 0, 0);
    EXPECT_EQ(Rows(), std::vector<std::wstring>{L"否 08:30:00 午睡"});
    EXPECT_EQ(m_host.m_nSaves, 4);
    ReminderMap stored;
    EXPECT_EQ(LoadReminders(stored, m_host.m_path, 0), LoadResult::Loaded);
    ASSERT_EQ(stored.Size(), 1u);
    EXPECT_EQ(stored.Lookup("1971:01:01:08:30:00")->enabled, 0);
}

TEST_F(SheetTest, RemindersPageDoesNothingWithoutALoadedRow)
{
    AddReminder(m_host.m_map, 6, 0, 0, true, "six");
    Open();
    OpenPage(2);
    // Delete and Modify without a selected row save nothing; only a left double click loads a row.
    m_sheet->m_page3.OnDelete();
    m_sheet->m_page3.OnModify();
    EXPECT_EQ(m_host.m_nSaves, 0);
    EXPECT_EQ(m_host.m_map.Size(), 1u);
    DoubleClickRow(0, WM_RBUTTONDOWN);
    EXPECT_EQ(WindowText(Reminders(IDC_MESSAGE)), L"");
    EXPECT_FALSE(IsWindowEnabled(Reminders(IDC_MODIFY)));

    // Adding without touching the editor gives a disabled reminder at 00:00:00.
    SendMessageW(Reminders(IDC_ADD), BM_CLICK, 0, 0);
    EXPECT_EQ(Rows().front(), L"否 00:00:00 ");
}

TEST_F(SheetTest, MessageEditTakesThirtyGbkBytes)
{
    OpenPage(2);
    HWND message = Reminders(IDC_MESSAGE);
    const struct {
        std::wstring typed;
        std::wstring kept;
    } rows[] = {
        {std::wstring(20, L'\x949f'), std::wstring(15, L'\x949f')},
        {std::wstring(29, L'a') + L"\x949f" L"bc", std::wstring(29, L'a') + L"b"},
        {L"x\xd55cy", L"xy"}, // a character without a GBK form is refused
    };
    for (const auto &row : rows) {
        SetWindowTextW(message, L"");
        TypeChars(message, row.typed);
        EXPECT_EQ(WindowText(message), row.kept);
    }
    // A paste that would pass the limit is refused whole.
    SendMessageW(message, EM_SETSEL, 2, 2);
    SendMessageW(message, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::wstring(29, L'z').c_str()));
    EXPECT_EQ(WindowText(message), L"xy");
}

TEST_F(SheetTest, StoredLongMessageOnlyShrinks)
{
    AddReminder(m_host.m_map, 6, 0, 0, true, std::string(40, 'm'));
    Open();
    OpenPage(2);
    DoubleClickRow(0);
    HWND message = Reminders(IDC_MESSAGE);
    EXPECT_EQ(WindowText(message), std::wstring(40, L'm'));
    SendMessageW(message, EM_SETSEL, 40, 40);
    TypeChars(message, L"x");
    PressKey(message, VK_BACK);
    TypeChars(message, L"xy");
    SendMessageW(message, WM_UNDO, 0, 0); // would bring back 40
    TypeChars(message, L"x");
    EXPECT_EQ(WindowText(message), std::wstring(39, L'm'));
    SendMessageW(Reminders(IDC_MODIFY), BM_CLICK, 0, 0);
    EXPECT_EQ(m_host.m_map.Lookup("1971:01:01:06:00:00")->message, std::string(39, 'm'));
}

TEST_F(SheetTest, PageKeysSwitchPagesFromEveryControlAndChangeNothingElse)
{
    for (int hour : {6, 7, 8})
        AddReminder(m_host.m_map, hour, 0, 0, hour != 7, "tea");
    Open();
    OpenPage(1); // every page made, a row loaded: each control has a value the keys could change
    OpenPage(2);
    DoubleClickRow(1);
    const auto state = [this] {
        std::wstring text = std::to_wstring(m_host.m_nSaves) + L"|" + std::to_wstring(m_host.m_saved.size());
        for (HWND combo : {Display(IDC_BACKGROUND), Display(IDC_CLOCKSTYLE)})
            text += L"|" + std::to_wstring(ComboBox_GetCurSel(combo));
        HWND list = Reminders(IDC_LIST);
        text += L"|" + std::to_wstring(ListView_GetSelectionMark(list)) + L"|"
            + std::to_wstring(ListView_GetNextItem(list, -1, LVNI_SELECTED));
        for (int nId : {IDC_TIME, IDC_MESSAGE})
            text += L"|" + WindowText(Reminders(nId));
        return text + L"|" + std::to_wstring(IsDlgButtonChecked(m_sheet->m_page3.GetSafeHwnd(), IDC_ENABLE));
    };
    const struct {
        WPARAM nKey;
        bool bShift;
        int nStep;
    } keys[] = {{VK_TAB, false, 1}, {VK_TAB, true, -1}, {VK_NEXT, false, 1}, {VK_PRIOR, false, -1}};
    const CPropertyPage *pages[] = {&m_sheet->m_page1, &m_sheet->m_page2, &m_sheet->m_page3};
    for (int page = 0; page < 3; ++page) {
        std::vector<HWND> controls{PropSheet_GetTabControl(Sheet())};
        for (HWND child = GetWindow(pages[page]->GetSafeHwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(child) && IsWindowEnabled(child))
                controls.push_back(child);
        }
        for (HWND control : controls) {
            for (const auto &key : keys) {
                OpenPage(page);
                SetFocus(control);
                const std::wstring before = state();
                {
                    const HeldKeys held = key.bShift ? HeldKeys{VK_CONTROL, VK_SHIFT} : HeldKeys{VK_CONTROL};
                    MSG msg{control, WM_KEYDOWN, key.nKey, 1, 0, {}};
                    m_sheet->PumpMessage(msg);
                }
                Pump();
                EXPECT_EQ(CurrentPage(), (page + key.nStep + 3) % 3) << "page " << page << " control "
                                                                    << GetDlgCtrlID(control) << " key " << key.nKey;
                EXPECT_EQ(state(), before) << "page " << page << " control " << GetDlgCtrlID(control);
            }
        }
    }
}

TEST_F(SheetTest, ReminderColumnsFillTheListWithWholeTimesAndFlags)
{
    // Five fit the list, twelve overflow it: a vertical bar shows.
    for (const int count : {5, 12}) {
        for (int i = 0; i < count; ++i) // the ones already there are refused
            AddReminder(m_host.m_map, 6 + i, 30, 0, i % 2 == 0, i == 2 ? std::string(30, 'W') : "tea");
        Open();
        OpenPage(2);
        HWND list = Reminders(IDC_LIST);
        RECT client{};
        GetClientRect(list, &client);
        const LONG style = GetWindowLongW(list, GWL_STYLE);
        EXPECT_EQ((style & WS_VSCROLL) != 0, count == 12);
        EXPECT_FALSE(style & WS_HSCROLL);
        int nTotal = 0;
        for (int column = 0; column < 3; ++column)
            nTotal += ListView_GetColumnWidth(list, column);
        EXPECT_EQ(nTotal, client.right);
        for (const auto &[column, text] : {std::pair{0, L"启用"}, std::pair{1, L"00:00:00"}})
            EXPECT_GT(ListView_GetColumnWidth(list, column), ListView_GetStringWidth(list, text)) << column;
    }
}

TEST_F(SheetTest, FailedSaveIsToldAndTheChangeKept)
{
    m_host.m_path = m_folder.Path() / "missing" / "notify.dat";
    OpenPage(2);
    AddOne("213000", false, L"sleep");
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages.front().find(L"notify.dat"), std::wstring::npos);
    EXPECT_TRUE(m_host.m_map.Lookup("1971:01:01:21:30:00"));
    EXPECT_EQ(Rows(), std::vector<std::wstring>{L"否 21:30:00 sleep"});
}

TEST_F(SheetTest, KeyboardAloneAddsAReminderFromAFreshSheet)
{
    // Key presses through the sheet's loop, which also makes their characters.
    const auto press = [this](std::initializer_list<int> held, const std::vector<WPARAM> &keys) {
        for (WPARAM nKey : keys) {
            const HeldKeys holding(held);
            for (UINT nMsg : {WM_KEYDOWN, WM_KEYUP}) {
                MSG msg{GetFocus(), nMsg, nKey, nMsg == WM_KEYUP ? static_cast<LPARAM>(0xC0000001) : 1, 0, {}};
                m_sheet->PumpMessage(msg);
                Pump();
            }
        }
    };
    const auto typing = [](const std::wstring &text) {
        std::vector<WPARAM> keys;
        for (wchar_t ch : text)
            keys.push_back(static_cast<WPARAM>(VkKeyScanW(ch) & 0xFF));
        return keys;
    };
    SetForegroundWindow(Sheet());
    Pump();
    press({VK_CONTROL}, {VK_NEXT, VK_NEXT});
    EXPECT_EQ(CurrentPage(), 2);
    press({}, typing(L"\t\t\t\t")); // OK, Cancel, the tabs, the list, then the time field
    EXPECT_EQ(GetFocus(), Reminders(IDC_TIME));
    press({}, typing(L"070500\t \twake\t ")); // time, tick 启用, message, 添加
    const ReminderRecord *record = m_host.m_map.Lookup("1971:01:01:07:05:00");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->enabled, 1);
    EXPECT_EQ(record->message, "wake");
    EXPECT_EQ(ReadFile(m_host.m_path).size(), 74u);
}

} // namespace
