// Tests of skin listing, naming, paths and the random pick.
#include <climits>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "gfx/SkinCatalogue.h"

namespace {

void Touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(EnumSkins, NamesAndExtensions)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"Blue.BK", "Blue.NUM", "a.b.BK", "lower.bk", "Mixed.Bk", "long.BKX", "BK", "plain",
                             "x.NUM.old", ".BK"})
        Touch(dir.filePath(QString::fromUtf8(name)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("x.BK")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("y.NUM")));
    Touch(dir.filePath(QStringLiteral("y.NUM/inside.NUM")));
    Touch(dir.filePath(QString::fromUtf8("晴天.BK")));

    EXPECT_EQ(EnumSkins(dir.path(), QStringLiteral("BK")),
              (QStringList{QStringLiteral("a.b"), QStringLiteral("Blue"), QStringLiteral("lower"),
                           QStringLiteral("Mixed"), QString::fromUtf8("晴天")}));
    EXPECT_EQ(EnumSkins(dir.path(), QStringLiteral("NUM")), QStringList{QStringLiteral("Blue")});
    EXPECT_EQ(EnumSkins(dir.path(), QStringLiteral("MSG")), QStringList{});
    EXPECT_EQ(EnumSkins(dir.filePath(QStringLiteral("absent")), QStringLiteral("BK")), QStringList{});
}

TEST(SkinPath, JoinsDirectoryNameAndExtension)
{
    EXPECT_EQ(SkinPath(QStringLiteral("/opt/clock"), QStringLiteral("a.b"), QStringLiteral("BK")),
              QStringLiteral("/opt/clock/a.b.BK"));
    EXPECT_EQ(SkinPath(QStringLiteral("/opt/clock"), QStringLiteral("Blue"), QStringLiteral("NUM")),
              QStringLiteral("/opt/clock/Blue.NUM"));
}

TEST(RandomIndex, StaysInRange)
{
    EXPECT_EQ(RandomIndex(0, 0), 0);
    EXPECT_EQ(RandomIndex(4, 4), 4);
    for (const auto &[low, high] : {std::pair{0, 2}, std::pair{-3, -1}, std::pair{0, INT_MAX},
                                    std::pair{INT_MIN, INT_MAX}, std::pair{10, 11}}) {
        const int value = RandomIndex(low, high);
        EXPECT_GE(value, low);
        EXPECT_LE(value, high);
    }
}

} // namespace
