// Window tests of the Windows clock, in process: the face window's styles and place, the built-in
// skin for a damaged one, the menu ticks, the commands of a later start, and the registry store of
// an ordinary user.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/AutoStart.h"
#include "app/ClockWnd.h"
#include "app/Resource.h"
#include "common/Text.h"
#include "core/files/IniFile.h"
#include "core/files/tests/TempFolder.h"

namespace {

// A logon store in memory.
class MemoryStore : public core::AutoStartStore
{
public:
    bool IsAutoRun() const override { return on; }
    bool SetAutoRun(bool value) const override { on = value; return true; }
    bool RenewAutoRun() const override { on = true; return true; }
    std::string Location() const override { return "memory"; }
    mutable bool on = false;
};

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// A clock over a program folder with a Chinese name and the given config.ini.
struct ClockFixture {
    explicit ClockFixture(const std::string &config)
    {
        dir = temp.Path() / std::filesystem::path(u8"闹钟");
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "config.ini", std::ios::binary) << config;
        auto owned = std::make_unique<MemoryStore>();
        store = owned.get();
        clock = std::make_unique<CClockWnd>(core::AppFolders{false, dir, {dir}, {}}, std::move(owned));
    }
    TempFolder temp;
    std::filesystem::path dir;
    MemoryStore *store = nullptr;
    std::unique_ptr<CClockWnd> clock;
};

BOOL SendCommand(HWND window, const std::string &text)
{
    COPYDATASTRUCT data{CClockWnd::CopyDataCommand, static_cast<DWORD>(text.size()), const_cast<char *>(text.data())};
    return static_cast<BOOL>(SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
}

} // namespace

// The face: a layered, topmost tool window with alpha 200 and an outline, at the configured place,
// showing the built-in skin when the configured one is damaged.
TEST(ClockWnd, FaceWindow)
{
    const struct { const char *config; const char *badSkin; bool builtIn; POINT place; } rows[] = {
        {"[location]\r\nx=40\r\ny=30\r\n", nullptr, true, {40, 30}},
        {"[location]\r\nx=12\r\ny=200\r\n[skin]\r\nbackground=坏\r\n", "坏.BK", true, {12, 200}},
    };
    for (const auto &row : rows) {
        ClockFixture fixture(row.config);
        if (row.badSkin)
            std::ofstream(fixture.dir / std::filesystem::path(reinterpret_cast<const char8_t *>(row.badSkin)),
                          std::ios::binary) << "BM not a picture";
        ASSERT_TRUE(fixture.clock->Create(L"Dovetock"));
        const HWND window = fixture.clock->GetSafeHwnd();
        EXPECT_EQ(fixture.clock->BuiltInBackground(), row.builtIn) << row.config;
        const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED), WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED);
        EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, 200);
        EXPECT_TRUE(flags & LWA_ALPHA);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(window, region), COMPLEXREGION) << row.config;
        DeleteObject(region);
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, row.place.x) << row.config;
        EXPECT_EQ(rect.top, row.place.y) << row.config;
        EXPECT_GT(rect.right - rect.left, CClockWnd::DigitBoxWidth) << row.config;
        wchar_t name[32] = L"";
        GetWindowTextW(window, name, 32);
        EXPECT_STREQ(name, L"Dovetock");
    }
}

// The menu's ticks follow the store and the sound setting; the commands write config.ini.
TEST(ClockWnd, MenuTicksAndCommands)
{
    const struct { bool storeOn; int command; const char *key; long written; UINT autoTick; } rows[] = {
        {true, ID_TRAY_AUTOSTART, "enable", 0, MF_UNCHECKED},
        {false, ID_TRAY_AUTOSTART, "enable", 1, MF_CHECKED},
        {false, ID_TRAY_ALERTSOUND, "sound", 0, MF_UNCHECKED},
    };
    for (const auto &row : rows) {
        ClockFixture fixture("[autorun]\r\nenable=0\r\n");
        fixture.store->on = row.storeOn;
        ASSERT_TRUE(fixture.clock->Create(L"Dovetock"));
        fixture.clock->FinishCreate();
        const HMENU menu = fixture.clock->TrayMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(GetMenuState(menu, ID_TRAY_AUTOSTART, MF_BYCOMMAND) & MF_CHECKED, row.storeOn ? MF_CHECKED : 0u);
        EXPECT_EQ(GetMenuState(menu, ID_TRAY_ALERTSOUND, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
        SendMessageW(fixture.clock->GetSafeHwnd(), WM_COMMAND, row.command, 0);
        const char *section = row.command == ID_TRAY_AUTOSTART ? "autorun" : "alert";
        EXPECT_EQ(core::ReadIniInt(fixture.dir / "config.ini", section, row.key, -1), row.written) << row.command;
        if (row.command == ID_TRAY_AUTOSTART) {
            EXPECT_EQ(fixture.store->on, row.written == 1);
        }
    }
}

// A later start's commands arrive as WM_COPYDATA; "quit" ends the clock, which takes no more.
TEST(ClockWnd, CommandsOfALaterStart)
{
    ClockFixture fixture("");
    ASSERT_TRUE(fixture.clock->Create(L"Dovetock"));
    const HWND window = fixture.clock->GetSafeHwnd();
    const struct { const char *command; BOOL taken; bool visible; bool ended; } rows[] = {
        {"show", TRUE, true, false},
        {"restore 1700000000:6869", TRUE, true, false},
        {"launch", FALSE, true, false},
        {"quit", TRUE, false, true},
        {"show", FALSE, false, true},
    };
    ShowWindow(window, SW_HIDE);
    for (const auto &row : rows) {
        EXPECT_EQ(SendCommand(window, row.command), row.taken) << row.command;
        Pump();
        EXPECT_EQ(IsWindowVisible(window) != FALSE, row.visible) << row.command;
        EXPECT_EQ(fixture.clock->IsDestroyed(), row.ended) << row.command;
    }
    EXPECT_EQ(fixture.clock->Clock().Snoozes().Items().size(), 0u) << "the snoozes go with the clock";
}

// An ordinary user's logon start: the user's Run value, quoted, and Task Manager's switch kept.
TEST(AutoStart, UserRunValue)
{
    const wchar_t *run = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const wchar_t *approved = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
    const win32::AutoStart store(false, L"C:\\我的 工具\\dovetock.exe");
    EXPECT_EQ(store.Location(), "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Dovetick");
    const auto value = [run] {
        wchar_t data[512] = L"";
        DWORD size = sizeof(data);
        return RegGetValueW(HKEY_CURRENT_USER, run, L"Dovetick", RRF_RT_REG_SZ, nullptr, data, &size) == ERROR_SUCCESS
            ? std::wstring(data) : std::wstring(L"(none)");
    };
    const BYTE off[12] = {3};
    const BYTE on[12] = {2};
    const struct { const char *step; const BYTE *approvedData; std::wstring expected; bool autoRun; } rows[] = {
        {"on", nullptr, L"\"C:\\我的 工具\\dovetock.exe\"", true},
        {"off", nullptr, L"(none)", false},
        {"renew", nullptr, L"\"C:\\我的 工具\\dovetock.exe\"", true},
        {"off", nullptr, L"(none)", false},
        {"renew", off, L"(none)", false},
        {"renew", on, L"\"C:\\我的 工具\\dovetock.exe\"", true},
    };
    for (const auto &row : rows) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, approved, L"Dovetick");
        if (row.approvedData)
            RegSetKeyValueW(HKEY_CURRENT_USER, approved, L"Dovetick", REG_BINARY, row.approvedData, 12);
        const std::string step = row.step;
        EXPECT_TRUE(step == "renew" ? store.RenewAutoRun() : store.SetAutoRun(step == "on")) << step;
        EXPECT_EQ(value(), row.expected) << step;
        EXPECT_EQ(store.IsAutoRun(), row.autoRun) << step;
    }
    RegDeleteKeyValueW(HKEY_CURRENT_USER, approved, L"Dovetick");
    store.SetAutoRun(false);
}
