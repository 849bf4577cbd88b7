// Tests of skin listing, naming, paths and the random pick.
#include <climits>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "gfx/SkinCatalogue.h"

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
    EXPECT_EQ(SkinPath(QStringLiteral("/opt/clock"), QStringLiteral("a.b"), QStringLiteral("BK")), "/opt/clock/a.b.BK");
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
