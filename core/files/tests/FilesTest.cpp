// Tests of the settings file, GBK text and the atomic save: Windows-written files, in-place
// writes, the same GBK bytes on every system, safe failure.
#include "core/files/AtomicSave.h"
#include "core/files/Gbk.h"
#include "core/files/IniFile.h"

#include <climits>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/tests/TempFolder.h"
#include "tests/support/FullDisk.h"

using namespace core;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    fs::path Path() const { return m_dir.Path() / "config.ini"; }
    void Put(const std::string &bytes) const { WriteFile(Path(), bytes); }
    std::string Bytes() const { return ReadFile(Path()); }
    std::vector<std::string> Entries() const { return m_dir.Entries(); }

    std::string Text(const char *section, const char *key, const char *fallback = "<none>") const
    {
        return ReadIniString(Path(), section, key, fallback);
    }
    long Number(const char *section, const char *key, long fallback = -999) const
    {
        return ReadIniInt(Path(), section, key, fallback);
    }
    bool Write(const char *section, const char *key, const std::string &value) const
    {
        return WriteIniString(Path(), section, key, value);
    }

    TempFolder m_dir;
};

} // namespace

TEST(Gbk, SameBytesOnEverySystem)
{
    struct Row {
        const char *utf8;
        const char *gbk;
    };
    const Row rows[] = {
        {"", ""},
        {"Classic 07:05", "Classic 07:05"},
        {"对应的时间提示已存在", "\xB6\xD4\xD3\xA6\xB5\xC4\xCA\xB1\xBC\xE4\xCC\xE1\xCA\xBE\xD2\xD1\xB4\xE6\xD4\xDA"},
        {"晴天", "\xC7\xE7\xCC\xEC"},
        {"该起床了!", "\xB8\xC3\xC6\xF0\xB4\xB2\xC1\xCB!"},
        {"€", "\x80"},
        {"·—", "\xA1\xA4\xA1\xAA"},
    };
    for (const Row &row : rows) {
        const std::optional<std::string> gbk = Utf8ToGbk(row.utf8);
        ASSERT_TRUE(gbk) << row.utf8;
        EXPECT_EQ(*gbk, row.gbk) << row.utf8;
        EXPECT_EQ(GbkToUtf8(row.gbk), row.utf8) << row.utf8;
    }
    // Text that is no UTF-8, and characters outside GBK, have no GBK form.
    for (const char *text : {"\xFF", "a\xC0\x80", "\xED\xA0\x80", "😀", "한", "㐀"})
        EXPECT_FALSE(Utf8ToGbk(text)) << text;

    // Bytes that start no character become U+FFFD each; the rest converts.
    const std::pair<std::string, std::string> damaged[] = {
        {"a\xFF" "b", "a\xEF\xBF\xBD" "b"},
        {"\xC7", "\xEF\xBF\xBD"},
        {"\xC7\x7F\xCC\xEC", "\xEF\xBF\xBD\x7F天"},
        {"\xC7\xE7\xCC", "晴\xEF\xBF\xBD"},
    };
    for (const auto &[gbk, utf8] : damaged)
        EXPECT_EQ(GbkToUtf8(gbk), utf8) << gbk;
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(Text("skin", "background", "Blue"), "Blue");
    EXPECT_EQ(Number("location", "y", -5), -5);

    Put("[location]\nx=120\n[skin]\nbackground=Sea\n");
    EXPECT_EQ(Text("location", "y"), "<none>");
    EXPECT_EQ(Text("location", "background"), "<none>");
    EXPECT_EQ(Number("autorun", "enable", 1), 1);
    EXPECT_EQ(Number("location", "x"), 120);
}

TEST_F(IniFileTest, IntegersReadAsAtolDoes)
{
    const std::pair<const char *, long> rows[] = {
        {"abc", 0}, {"", 0}, {"-12px", -12}, {"+7", 7}, {"4 2", 4}, {"-", 0}, {"+-3", 0},
        {" \t\v\f\r\n 33", 33}, {"\u0663", 0}, // a digit outside ASCII is no digit
        {"2147483647", 2147483647L}, {"-2147483648", -2147483647L - 1},
        {"99999999999999999999999", LONG_MAX}, {"-99999999999999999999999", LONG_MIN},
    };
    for (const auto &[text, value] : rows)
        EXPECT_EQ(ParseIniLong(text), value) << text;
    // The limits of the platform's long are clamped exactly there.
    const std::string max = std::to_string(LONG_MAX), min = std::to_string(LONG_MIN);
    EXPECT_EQ(ParseIniLong(max), LONG_MAX);
    EXPECT_EQ(ParseIniLong(max.substr(0, max.size() - 1) + "8"), LONG_MAX);
    EXPECT_EQ(ParseIniLong(min.substr(0, min.size() - 1) + "9"), LONG_MIN);

    ASSERT_TRUE(WriteIniInt(Path(), "location", "y", LONG_MIN));
    EXPECT_EQ(Number("location", "y"), LONG_MIN);
}

TEST_F(IniFileTest, ReadsWindowsFilesWithAnyCaseAndBlanks)
{
    Put("\xEF\xBB\xBF[Location]\r\n"
        "X = 120\r\n"
        "  y\t=\t 40 \r\n"
        "; enable=5\r\n"
        "[ AUTORUN ]\r\n"
        "Enable=0\r\n"
        "[skin]\r\n"
        "BackGround=Night Sky\r\n"
        "number=a=b\r\n"
        "[location]\r\n"
        "x=999\r\n"
        "[last]\r\n"
        "key=no line end");
    EXPECT_EQ(Number("location", "x"), 120);
    EXPECT_EQ(Number("LOCATION", "Y"), 40);
    EXPECT_EQ(Number("autorun", "enable", 1), 0);
    EXPECT_EQ(Number("location", "; enable"), -999);
    EXPECT_EQ(Text("SKIN", "background"), "Night Sky");
    EXPECT_EQ(Text("skin", "number"), "a=b");
    EXPECT_EQ(Text("last", "key"), "no line end");
}

TEST_F(IniFileTest, GbkFileOfTheWindowsProgramIsReadAndWrittenBackAsUtf8)
{
    Put("[skin]\r\nbackground=\xC7\xE7\xCC\xEC\r\nnumber=\xC0\xB6\xC9\xAB\r\n");
    EXPECT_EQ(Text("skin", "background"), "晴天");
    ASSERT_TRUE(Write("skin", "number", "夜"));
    EXPECT_EQ(Bytes(), "[skin]\r\nbackground=晴天\r\nnumber=夜\r\n");
}

TEST_F(IniFileTest, WriteChangesOnlyTheKeyLine)
{
    const std::string before = "; settings of the clock\r\n"
                               "[Location]\r\n"
                               "X = 120\r\n"
                               "y=40\r\n"
                               "\r\n"
                               "[skin]\r\n"
                               "background=Sea\r\n"
                               "  odd line without equals\r\n"
                               "number=Red\r\n";
    Put(before);

    ASSERT_TRUE(WriteIniInt(Path(), "location", "x", 7));
    std::string expected = before;
    expected.replace(expected.find("X = 120"), 7, "X=7");
    EXPECT_EQ(Bytes(), expected);

    ASSERT_TRUE(Write("SKIN", "Number", "Blue"));
    expected.replace(expected.find("number=Red"), 10, "number=Blue");
    EXPECT_EQ(Bytes(), expected);
    EXPECT_EQ(Entries(), std::vector<std::string>{"config.ini"});
}

TEST_F(IniFileTest, WriteAddsMissingKeysAndSections)
{
    Put("[location]\r\nx=1\r\n\r\n[skin]\r\nbackground=Sea");

    // A new section after a last line without a line end.
    ASSERT_TRUE(Write("autorun", "enable", "1"));
    ASSERT_TRUE(Write("location", "y", "2"));
    ASSERT_TRUE(Write("skin", "number", "Red"));
    EXPECT_EQ(Bytes(), "[location]\r\nx=1\r\ny=2\r\n\r\n"
                       "[skin]\r\nbackground=Sea\r\nnumber=Red\r\n"
                       "[autorun]\r\nenable=1\r\n");

    // A new file gets the plain shape the program has always written.
    fs::remove(Path());
    ASSERT_TRUE(WriteIniInt(Path(), "location", "x", 120));
    ASSERT_TRUE(WriteIniInt(Path(), "location", "y", 40));
    ASSERT_TRUE(Write("skin", "background", "Sea"));
    EXPECT_EQ(Bytes(), "[location]\nx=120\ny=40\n[skin]\nbackground=Sea\n");
}

TEST_F(IniFileTest, LongValuesAreCutOnReading)
{
    const std::string ascii(1100, 'k');
    ASSERT_TRUE(Write("skin", "background", ascii));
    EXPECT_NE(Bytes().find(ascii), std::string::npos);
    EXPECT_EQ(Text("skin", "background"), ascii.substr(0, 1023));

    std::string pairs;
    for (int i = 0; i < 600; ++i)
        pairs += "a\U0001F552";
    ASSERT_TRUE(Write("skin", "pairs", pairs));
    const std::string cut = Text("skin", "pairs");
    EXPECT_EQ(Utf8Length(cut), 1023u);
    EXPECT_EQ(pairs.substr(0, cut.size()), cut);
    EXPECT_TRUE(IsValidUtf8(cut));
}

TEST_F(IniFileTest, RefusesTextThatWouldBreakTheFile)
{
    const std::string before = "[skin]\nbackground=Sea\n";
    Put(before);
    EXPECT_FALSE(Write("skin", "background", "x\n[autorun]\nenable=0"));
    EXPECT_FALSE(Write("skin", "background", "x\ry"));
    EXPECT_FALSE(Write("skin", "back=ground", "x"));
    EXPECT_FALSE(Write("skin", "", "x"));
    EXPECT_FALSE(Write("sk]in", "background", "x"));
    EXPECT_FALSE(Write("sk\nin", "background", "x"));
    EXPECT_EQ(Bytes(), before);

    // A path that is a folder is neither read nor replaced.
    const fs::path folder = m_dir.Path() / "sub";
    ASSERT_TRUE(fs::create_directory(folder));
    EXPECT_FALSE(WriteIniString(folder, "skin", "a", "b"));
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(IniFileTest, FailedWriteKeepsTheOldFileWhole)
{
    const std::string before = "[location]\nx=120\ny=40\n";
    Put(before);
    const fs::path path = Path();
    const auto writeBig = [path] { return WriteIniString(path, "skin", "background", std::string(4000, 'b')); };

    if (testsupport::CanFillDisk()) {
        // A disk that fills up during the write.
        EXPECT_FALSE(testsupport::RunOnFullDisk(writeBig));
        EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(Entries(), std::vector<std::string>{"config.ini"});
    }
    // A folder that cannot take a new file: nothing is replaced and nothing is left behind.
    std::string error;
    EXPECT_FALSE(SaveFileAtomically(m_dir.Path() / "missing-folder" / "config.ini", "x", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Entries(), std::vector<std::string>{"config.ini"});

    EXPECT_TRUE(writeBig());
    EXPECT_EQ(Text("location", "y"), "40");
    EXPECT_EQ(Text("skin", "background").size(), 1023u);
}
