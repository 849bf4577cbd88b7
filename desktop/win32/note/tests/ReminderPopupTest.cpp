// The reminder note's window under Wine: size, outline, see-through, place, jiggle, click, snooze
// and the picture that stands in for an unusable one.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "core/files/Gbk.h"
#include "core/files/tests/TempFolder.h"
#include "core/pictures/tests/BmpWriter.h"
#include "desktop/win32/note/tests/WaitFor.h"
#include "note/NoteParts.h"
#include "note/ReminderPopup.h"

using win32::CReminderPopup;

namespace {

constexpr std::uint32_t kKey = core::Rgb(255, 0, 255);
constexpr std::uint32_t kPaper = core::Rgb(255, 255, 255);

// A note card on a magenta key: a 3-pixel key border, a cut corner and a round hole.
core::Picture TestPicture()
{
    core::Picture picture{122, 130, std::vector<std::uint32_t>(122 * 130, kPaper)};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const bool border = x < 3 || y < 3 || x >= picture.width - 3 || y >= picture.height - 3;
            const bool corner = x + y < 20;
            const bool hole = (x - 90) * (x - 90) + (y - 30) * (y - 30) < 36;
            if (border || corner || hole)
                picture.At(x, y) = kKey;
        }
    return picture;
}

// The owner: records what the note says, and deletes it when its window is gone.
struct Owner : win32::NoteHost {
    std::unique_ptr<CReminderPopup> note;
    int nClicked = 0;
    int nClosed = 0;
    std::vector<std::pair<std::string, int>> snoozes;

    void NoteClicked(CReminderPopup &) override { ++nClicked; }
    void NoteSnoozed(CReminderPopup &, const std::string &message, int minutes) override
    {
        snoozes.emplace_back(message, minutes);
    }
    void NoteClosed(CReminderPopup &closed) override
    {
        ++nClosed;
        if (note.get() == &closed)
            note.reset();
    }
};

RECT WindowRect(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

class NoteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_message = core::Utf8ToGbk("请记得下午三点去会议室开周会吧").value_or("");
        ASSERT_EQ(m_message.size(), 30u);
        m_picturePath = m_dir.Path() / "note.MSG";
        ASSERT_TRUE(testbmp::Write(m_picturePath, testbmp::From(m_picture)));
    }

    HWND Open(HWND clock = nullptr, const std::filesystem::path &picture = {})
    {
        m_owner.note = CReminderPopup::Open(m_hInstance, clock, picture.empty() ? m_picturePath : picture, m_message, m_owner);
        EXPECT_TRUE(m_owner.note);
        return m_owner.note ? m_owner.note->Window() : nullptr;
    }

    // Every pixel of the window is in its region exactly when the picture's pixel is not the key.
    static void ExpectOutline(HWND hwnd, const core::Picture &picture)
    {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(hwnd, region), ERROR);
        int wrong = 0;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                wrong += (PtInRegion(region, x, y) != 0) != (picture.At(x, y) != picture.At(0, 0));
        DeleteObject(region);
        EXPECT_EQ(wrong, 0);
    }

    HINSTANCE m_hInstance = GetModuleHandleW(nullptr);
    TempFolder m_dir;
    core::Picture m_picture = TestPicture();
    std::filesystem::path m_picturePath;
    std::string m_message;
    Owner m_owner;
};

TEST_F(NoteTest, TakesThePicturesSizeAndOutlineAndIsATopmostSeeThroughToolWindow)
{
    HWND hwnd = Open();
    ASSERT_TRUE(hwnd);
    EXPECT_TRUE(m_owner.note->UsesOwnPicture());
    const RECT rect = WindowRect(hwnd);
    EXPECT_EQ(rect.right - rect.left, m_picture.width);
    EXPECT_EQ(rect.bottom - rect.top, m_picture.height);
    ExpectOutline(hwnd, m_picture);

    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    for (const LONG_PTR bit : {LONG_PTR{WS_EX_TOOLWINDOW}, LONG_PTR{WS_EX_TOPMOST}, LONG_PTR{WS_EX_LAYERED}})
        EXPECT_TRUE(exStyle & bit) << std::hex << bit;
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

// The message in red, one line of the text box for each line core breaks it into.
TEST_F(NoteTest, DrawsTheMessageInRedOnItsLines)
{
    struct Row {
        const char *utf8;
        std::vector<bool> linesWithText; // the three 18-pixel lines of the text box
    };
    for (const Row &row : {Row{"请记得下午三点去会议室开周会吧", {true, true, true}}, Row{"开周会", {true, false, false}},
                           Row{"", {false, false, false}}}) {
        m_message = core::Utf8ToGbk(row.utf8).value_or("?");
        HWND hwnd = Open();
        ASSERT_TRUE(hwnd);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_picture.width, -m_picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void *bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
        const auto *pixels = static_cast<const std::uint32_t *>(bits);
        for (std::size_t line = 0; line < row.linesWithText.size(); ++line) {
            int red = 0;
            for (int y = 67 + 18 * static_cast<int>(line); y < 67 + 18 * static_cast<int>(line + 1) && y < 124; ++y)
                for (int x = 6; x < 116; ++x) {
                    const std::uint32_t p = pixels[y * m_picture.width + x];
                    red += ((p >> 16) & 0xff) >= 200 && ((p >> 8) & 0xff) <= 100 && (p & 0xff) <= 100;
                }
            EXPECT_EQ(red > 0, row.linesWithText[line]) << row.utf8 << " line " << line << ": " << red;
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        m_owner.note.reset();
    }
}

// Wherever the clock is, the note lies within the work area of the clock's monitor.
TEST_F(NoteTest, OpensWithinTheWorkAreaOfTheClocksMonitor)
{
    const RECT work = win32::NoteWorkArea(nullptr);
    const int w = work.right - work.left, h = work.bottom - work.top;
    struct Row {
        const char *where;
        int x, y; // the clock's top-left
    };
    for (const Row &row : {Row{"top left", work.left, work.top}, Row{"top right", work.right - 150, work.top},
                           Row{"bottom left", work.left, work.bottom - 40}, Row{"bottom right", work.right - 150, work.bottom - 40},
                           Row{"half off the left", work.left - 75, work.top + h / 2}, Row{"half off the bottom", work.left + w / 2, work.bottom - 20},
                           Row{"no clock", 0, 0}}) {
        HWND clock = nullptr;
        if (std::string(row.where) != "no clock")
            clock = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, row.x, row.y, 150, 40, nullptr,
                                    nullptr, m_hInstance, nullptr);
        HWND hwnd = Open(clock);
        ASSERT_TRUE(hwnd);
        const RECT area = win32::NoteWorkArea(clock);
        const RECT note = WindowRect(hwnd);
        EXPECT_TRUE(note.left >= area.left && note.top >= area.top && note.right <= area.right && note.bottom <= area.bottom)
            << row.where << ": note " << note.left << "," << note.top << " " << note.right << "," << note.bottom;
        m_owner.note.reset();
        if (clock)
            DestroyWindow(clock);
    }
}

// The note jiggles by a pixel around its home on its own timer; a click stops it, tells the owner,
// and the note closes by itself a little later.
TEST_F(NoteTest, JigglesUntilClickedThenRestsAndCloses)
{
    HWND hwnd = Open();
    ASSERT_TRUE(hwnd);
    const RECT home = m_owner.note->HomeRect();
    const auto offHome = [&] {
        const RECT now = WindowRect(hwnd);
        return POINT{now.left - home.left, now.top - home.top};
    };
    ASSERT_TRUE(PumpUntil([&] { return offHome().x != 0 || offHome().y != 0; }));
    for (int tick = 0; tick < 4; ++tick) {
        m_owner.note->OnTimer(CReminderPopup::PopupTimerId);
        EXPECT_LE(std::abs(offHome().x) + std::abs(offHome().y), 2) << tick;
        EXPECT_EQ(offHome().y, -1) << "one pixel above home, once past the start";
    }
    std::vector<LONG> lefts;
    for (int tick = 0; tick < 2; ++tick) {
        m_owner.note->OnTimer(CReminderPopup::PopupTimerId);
        lefts.push_back(WindowRect(hwnd).left);
    }
    EXPECT_NE(lefts[0], lefts[1]) << "moves every tick";

    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(m_owner.nClicked, 1);
    EXPECT_EQ(m_owner.nClosed, 0);
    ASSERT_TRUE(m_owner.note && m_owner.note->IsClosing());
    const RECT rest = WindowRect(hwnd);
    for (int tick = 0; tick < 5; ++tick) {
        m_owner.note->OnTimer(CReminderPopup::PopupTimerId);
        EXPECT_EQ(WindowRect(hwnd).left, rest.left);
        EXPECT_EQ(WindowRect(hwnd).top, rest.top);
    }
    ASSERT_TRUE(PumpUntil([&] { return m_owner.nClosed == 1; }));
    EXPECT_FALSE(m_owner.note) << "the owner deleted it once its window was gone";
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(m_owner.snoozes.empty());
}

// Each of the menu's snoozes hands the owner the message and its minutes, and closes the note.
TEST_F(NoteTest, SnoozeCommandsReportTheirMinutesAndClose)
{
    struct Row {
        UINT command;
        int minutes; // 0: not a snooze, the note stays
    };
    for (const Row &row : {Row{CReminderPopup::SnoozeCommand(5), 5}, Row{CReminderPopup::SnoozeCommand(10), 10},
                           Row{CReminderPopup::SnoozeCommand(30), 30}, Row{CReminderPopup::SnoozeCommand(7), 0},
                           Row{IDOK, 0}}) {
        m_owner = Owner{};
        HWND hwnd = Open();
        ASSERT_TRUE(hwnd);
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
        if (row.minutes) {
            ASSERT_EQ(m_owner.snoozes.size(), 1u) << row.command;
            EXPECT_EQ(m_owner.snoozes[0], std::make_pair(m_message, row.minutes));
            EXPECT_EQ(m_owner.nClosed, 1);
            EXPECT_FALSE(IsWindow(hwnd));
        } else {
            EXPECT_TRUE(m_owner.snoozes.empty()) << row.command;
            EXPECT_EQ(m_owner.nClosed, 0);
            EXPECT_TRUE(IsWindow(hwnd));
        }
        EXPECT_EQ(m_owner.nClicked, 0);
        m_owner.note.reset();
    }
}

// A picture that is missing, not a bitmap, damaged or of one colour gives the built-in picture.
TEST_F(NoteTest, AnUnusablePictureGivesTheBuiltInOne)
{
    const std::optional<core::Picture> builtIn = win32::BuiltInNotePicture(m_hInstance);
    ASSERT_TRUE(builtIn) << "Note.rc holds the built-in picture";
    std::vector<std::uint8_t> truncated = testbmp::From(m_picture);
    truncated.resize(truncated.size() / 2);
    const core::Picture plain{10, 10, std::vector<std::uint32_t>(100, kPaper)};
    struct Row {
        const char *what;
        std::vector<std::uint8_t> bytes; // none: no file
    };
    for (const Row &row : {Row{"missing", {}}, Row{"not a bitmap", {'G', 'I', 'F', '8', '9', 'a', 0, 0}},
                           Row{"cut short", truncated}, Row{"one colour", testbmp::From(plain)}}) {
        const std::filesystem::path path = m_dir.Path() / (std::string(row.what) + ".MSG");
        if (!row.bytes.empty()) {
            ASSERT_TRUE(testbmp::Write(path, row.bytes));
        }
        HWND hwnd = Open(nullptr, path);
        ASSERT_TRUE(hwnd) << row.what;
        EXPECT_FALSE(m_owner.note->UsesOwnPicture()) << row.what;
        const RECT rect = WindowRect(hwnd);
        EXPECT_EQ(rect.right - rect.left, builtIn->width) << row.what;
        EXPECT_EQ(rect.bottom - rect.top, builtIn->height) << row.what;
        ExpectOutline(hwnd, *builtIn);
        m_owner.note.reset();
    }
}

} // namespace
