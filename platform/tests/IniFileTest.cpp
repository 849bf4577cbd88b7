// Tests of the INI file functions: reading Windows-written files, in-place writes, safe failure.
#include "platform/IniFile.h"

#include <climits>
#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("config.ini")); }

    void Put(const QByteArray &bytes) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray Bytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QString Text(const char *section, const char *key, const char *fallback = "<none>") const
    {
        QString out;
        ReadIniString(Path(), QString::fromUtf8(section), QString::fromUtf8(key),
                      QString::fromUtf8(fallback), out);
        return out;
    }

    long Number(const char *section, const char *key, long fallback = -999) const
    {
        long out = 0;
        ReadIniInt(Path(), QString::fromUtf8(section), QString::fromUtf8(key), fallback, out);
        return out;
    }

    bool Write(const char *section, const char *key, const QString &value) const
    {
        return WriteIniString(Path(), QString::fromUtf8(section), QString::fromUtf8(key), value);
    }

    QStringList Entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_dir;
};

// Runs `body` in a child process whose file size limit stops a write part way, as a full disk
// would; true when the body returned true.
bool RunOnFullDisk(const std::function<bool()> &body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{512, 512};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(Text("skin", "background", "Blue"), QStringLiteral("Blue"));
    EXPECT_EQ(Number("location", "y", -5), -5);

    Put("[location]\nx=120\n[skin]\nbackground=Sea\n");
    EXPECT_EQ(Text("location", "y"), QStringLiteral("<none>"));
    EXPECT_EQ(Text("location", "background"), QStringLiteral("<none>"));
    EXPECT_EQ(Number("autorun", "enable", 1), 1);
    EXPECT_EQ(Number("location", "x"), 120);
}

TEST_F(IniFileTest, IntegersReadAsAtolDoes)
{
    const std::pair<const char *, long> rows[] = {
        {"abc", 0}, {"", 0}, {"-12px", -12}, {"+7", 7}, {"4 2", 4}, {"-", 0}, {"+-3", 0},
        {" \t\v\f\r\n 33", 33}, {"\u0663", 0}, // a digit outside ASCII is no digit
        {"9223372036854775807", LONG_MAX}, {"9223372036854775808", LONG_MAX}, {"99999999999999999999999", LONG_MAX},
        {"-9223372036854775808", LONG_MIN}, {"-9223372036854775809", LONG_MIN}, {"-99999999999999999999999", LONG_MIN},
    };
    for (const auto &[text, value] : rows)
        EXPECT_EQ(ParseIniLong(QString::fromUtf8(text)), value) << text;

    ASSERT_TRUE(WriteIniInt(Path(), QStringLiteral("location"), QStringLiteral("y"), LONG_MIN));
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
    EXPECT_EQ(Text("SKIN", "background"), QStringLiteral("Night Sky"));
    EXPECT_EQ(Text("skin", "number"), QStringLiteral("a=b"));
    EXPECT_EQ(Text("last", "key"), QStringLiteral("no line end"));
}

TEST_F(IniFileTest, GbkFileOfTheWindowsProgramIsReadAndWrittenBackAsUtf8)
{
    Put("[skin]\r\nbackground=\xC7\xE7\xCC\xEC\r\nnumber=\xC0\xB6\xC9\xAB\r\n");
    EXPECT_EQ(Text("skin", "background"), QStringLiteral("晴天"));
    ASSERT_TRUE(Write("skin", "number", QStringLiteral("夜")));
    EXPECT_EQ(Bytes(), QByteArray("[skin]\r\nbackground=晴天\r\nnumber=夜\r\n"));
}

TEST_F(IniFileTest, WriteChangesOnlyTheKeyLine)
{
    const QByteArray before = "; settings of the clock\r\n"
                              "[Location]\r\n"
                              "X = 120\r\n"
                              "y=40\r\n"
                              "\r\n"
                              "[skin]\r\n"
                              "background=Sea\r\n"
                              "  odd line without equals\r\n"
                              "number=Red\r\n";
    Put(before);

    ASSERT_TRUE(WriteIniInt(Path(), QStringLiteral("location"), QStringLiteral("x"), 7));
    QByteArray expected = before;
    expected.replace("X = 120\r\n", "X=7\r\n");
    EXPECT_EQ(Bytes(), expected);

    ASSERT_TRUE(Write("SKIN", "Number", QStringLiteral("Blue")));
    expected.replace("number=Red\r\n", "number=Blue\r\n");
    EXPECT_EQ(Bytes(), expected);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("config.ini")});
}

TEST_F(IniFileTest, WriteAddsMissingKeysAndSections)
{
    Put("[location]\r\nx=1\r\n\r\n[skin]\r\nbackground=Sea");

    // A new section after a last line without a line end.
    ASSERT_TRUE(Write("autorun", "enable", QStringLiteral("1")));
    ASSERT_TRUE(Write("location", "y", QStringLiteral("2")));
    ASSERT_TRUE(Write("skin", "number", QStringLiteral("Red")));
    EXPECT_EQ(Bytes(), QByteArray("[location]\r\nx=1\r\ny=2\r\n\r\n"
                                  "[skin]\r\nbackground=Sea\r\nnumber=Red\r\n"
                                  "[autorun]\r\nenable=1\r\n"));

    // A new file gets the plain shape the program has always written.
    QFile::remove(Path());
    ASSERT_TRUE(WriteIniInt(Path(), QStringLiteral("location"), QStringLiteral("x"), 120));
    ASSERT_TRUE(WriteIniInt(Path(), QStringLiteral("location"), QStringLiteral("y"), 40));
    ASSERT_TRUE(Write("skin", "background", QStringLiteral("Sea")));
    EXPECT_EQ(Bytes(), QByteArray("[location]\nx=120\ny=40\n[skin]\nbackground=Sea\n"));
}

TEST_F(IniFileTest, LongValuesAreCutOnReading)
{
    const QString ascii(1100, QLatin1Char('k'));
    ASSERT_TRUE(Write("skin", "background", ascii));
    EXPECT_TRUE(Bytes().contains(ascii.toUtf8()));
    EXPECT_EQ(Text("skin", "background"), ascii.left(1023));

    QString pairs;
    for (int i = 0; i < 600; ++i)
        pairs += QStringLiteral("a\U0001F552");
    ASSERT_TRUE(Write("skin", "pairs", pairs));
    const QString cut = Text("skin", "pairs");
    EXPECT_EQ(cut.toUcs4().size(), 1023);
    EXPECT_TRUE(pairs.startsWith(cut));
    EXPECT_FALSE(cut.back().isHighSurrogate());
}

TEST_F(IniFileTest, RefusesTextThatWouldBreakTheFile)
{
    const QByteArray before = "[skin]\nbackground=Sea\n";
    Put(before);
    EXPECT_FALSE(Write("skin", "background", QStringLiteral("x\n[autorun]\nenable=0")));
    EXPECT_FALSE(Write("skin", "background", QStringLiteral("x\ry")));
    EXPECT_FALSE(Write("skin", "back=ground", QStringLiteral("x")));
    EXPECT_FALSE(Write("skin", "", QStringLiteral("x")));
    EXPECT_FALSE(Write("sk]in", "background", QStringLiteral("x")));
    EXPECT_FALSE(Write("sk\nin", "background", QStringLiteral("x")));
    EXPECT_EQ(Bytes(), before);

    // A path that is a folder is neither read nor replaced.
    const QString folder = m_dir.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(WriteIniString(folder, QStringLiteral("skin"), QStringLiteral("a"), QStringLiteral("b")));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(IniFileTest, FailedWriteKeepsTheOldFileWhole)
{
    const QByteArray before = "[location]\nx=120\ny=40\n";
    Put(before);
    const QString path = Path();
    const auto writeBig = [path] {
        return WriteIniString(path, QStringLiteral("skin"), QStringLiteral("background"),
                              QString(4000, QLatin1Char('b')));
    };

    // A disk that fills up during the write.
    EXPECT_FALSE(RunOnFullDisk(writeBig));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("config.ini")});

    EXPECT_TRUE(writeBig());
    EXPECT_EQ(Text("location", "y"), QStringLiteral("40"));
    EXPECT_EQ(Text("skin", "background").size(), 1023);
}
