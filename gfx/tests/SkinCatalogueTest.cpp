// Tests of skin listing, naming, paths and the random pick.
#include <climits>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "gfx/SkinCatalogue.h"
#include "gfx/tests/BmpWriter.h"

namespace {

TEST(EnumSkins, NamesAndExtensions)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("x.BK")) && QDir(dir.path()).mkdir(QStringLiteral("y.NUM")));
    for (const char *name : {"Blue.BK", "Blue.NUM", "a.b.BK", "lower.bk", "Mixed.Bk", "long.BKX", "BK", "x.NUM.old",
                             ".BK", "y.NUM/inside.NUM", "晴天.BK"})
        ASSERT_TRUE(QFile(dir.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly)) << name;

    EXPECT_EQ(EnumSkins(dir.path(), QStringLiteral("BK")),
              (QStringList{"a.b", "Blue", "lower", "Mixed", QString::fromUtf8("晴天")}));
    EXPECT_EQ(EnumSkins(dir.path(), QStringLiteral("NUM")), QStringList{"Blue"});
    EXPECT_EQ(EnumSkins(dir.filePath(QStringLiteral("absent")), QStringLiteral("BK")), QStringList{});
}

TEST(EnumSkins, ListedSkinsOpenWhateverTheirCase)
{
    QTemporaryDir dir;
    for (const char *name : {"classic.bk", "Mixed.Bk", "Twin.BK", "twin.bk", "Plain.BK", "晴天.bk"})
        ASSERT_TRUE(QFile(dir.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly)) << name;
    const QStringList names = EnumSkins(dir.path(), QStringLiteral("BK"));
    EXPECT_EQ(names.size(), 5) << names.join(',').toStdString();
    for (const QString &name : names)
        EXPECT_TRUE(QFile(FindSkinFile(dir.path(), name, QStringLiteral("BK"))).open(QIODevice::ReadOnly)) << name.toStdString();

    const struct { const char *configured; const char *file; } rows[] = {
        {"classic", "classic.bk"}, {"CLASSIC", "classic.bk"}, {"mixed", "Mixed.Bk"},
        {"twin", "twin.bk"}, {"Twin", "Twin.BK"}, {"plain.BK", ""}, {"Absent", ""}, {"晴天", "晴天.bk"}};
    for (const auto &row : rows) {
        const QString found = FindSkinFile(dir.path(), QString::fromUtf8(row.configured), QStringLiteral("BK"));
        EXPECT_EQ(found, *row.file ? dir.filePath(QString::fromUtf8(row.file)) : QString()) << row.configured;
    }
}

TEST(PickSkin, DamagedSkinsAreSkipped)
{
    QTemporaryDir dir;
    for (const char *name : {"Bad.BK", "Good.bk", "Worse.BK"})
        ASSERT_TRUE(QFile(dir.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly)) << name;
    const QStringList names{"Bad", "Good", "Worse"};
    const auto good = [](const QString &path) { return path.endsWith(QStringLiteral("Good.bk")); };
    const auto inDir = [&dir](const QString &name) { return FindSkinFile(dir.path(), name, QStringLiteral("BK")); };
    for (const char *configured : {"", "bad", "Missing", "GOOD"}) {
        for (int start = 0; start < 3; ++start) {
            const auto pick = PickSkin(inDir, names, QString::fromUtf8(configured), QStringLiteral("BK"), start, good);
            ASSERT_TRUE(pick) << configured << start;
            EXPECT_EQ(pick->name, QStringLiteral("Good"));
            EXPECT_EQ(pick->path, dir.filePath(QStringLiteral("Good.bk")));
        }
    }
    EXPECT_FALSE(PickSkin(inDir, names, QString(), QStringLiteral("BK"), 1, [](const QString &) { return false; }));
    EXPECT_FALSE(PickSkin(inDir, {}, QString(), QStringLiteral("BK"), 0, good));
}

TEST(UsableSkins, OnlyPicturesTheClockCanShowAreListed)
{
    QTemporaryDir dir;
    const std::vector<std::uint8_t> good = testbmp::Make({.width = 8, .height = 4});
    const std::vector<std::uint8_t> cut(good.begin(), good.end() - 20);
    const std::pair<const char *, std::vector<std::uint8_t>> files[] = {
        {"Good.BK", good}, {"Cut.BK", cut}, {"Empty.BK", {}}, {"NoWidth.BK", testbmp::Make({.width = 0, .height = 4})},
        {"Text.BK", {'h', 'i'}}, {"Good.NUM", good}, {"Cut.NUM", cut}, {"TopDown.NUM", testbmp::Make({.width = 8, .height = -4})}};
    for (const auto &[name, bytes] : files)
        ASSERT_TRUE(testbmp::Write(dir.filePath(QString::fromLatin1(name)), bytes)) << name;
    EXPECT_EQ(UsableSkins(ListSkinFiles({dir.path()}, "BK"), "BK"), QStringList{"Good"});
    EXPECT_EQ(UsableSkins(ListSkinFiles({dir.path()}, "NUM"), "NUM"), (QStringList{"Good", "TopDown"}));
}

TEST(RandomIndex, StaysInRange)
{
    EXPECT_EQ(RandomIndex(4, 4), 4);
    for (const auto &[low, high] : {std::pair{0, 2}, std::pair{-3, -1}, std::pair{0, INT_MAX}, std::pair{INT_MIN, INT_MAX}}) {
        const int value = RandomIndex(low, high);
        EXPECT_TRUE(value >= low && value <= high) << value;
    }
}

} // namespace
