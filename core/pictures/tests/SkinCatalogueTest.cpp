// Tests of skin listing, naming, paths and the random pick.
#include <climits>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/tests/TempFolder.h"
#include "core/pictures/SkinCatalogue.h"
#include "core/pictures/tests/BmpWriter.h"

using core::PathFromUtf8;

namespace {

using Names = std::vector<std::string>;

void Touch(const TempFolder &dir, const char *name)
{
    std::ofstream file(dir.Path() / PathFromUtf8(name));
    ASSERT_TRUE(file) << name;
}

TEST(EnumSkins, NamesAndExtensions)
{
    TempFolder dir;
    std::filesystem::create_directory(dir.Path() / "x.BK");
    std::filesystem::create_directory(dir.Path() / "y.NUM");
    for (const char *name : {"Blue.BK", "Blue.NUM", "a.b.BK", "lower.bk", "Mixed.Bk", "long.BKX", "BK", "x.NUM.old",
                             ".BK", "y.NUM/inside.NUM", "晴天.BK"})
        Touch(dir, name);

    EXPECT_EQ(core::EnumSkins(dir.Path(), "BK"), (Names{"a.b", "Blue", "lower", "Mixed", "晴天"}));
    EXPECT_EQ(core::EnumSkins(dir.Path(), "NUM"), Names{"Blue"});
    EXPECT_EQ(core::EnumSkins(dir.Path() / "absent", "BK"), Names{});
}

TEST(EnumSkins, ListedSkinsOpenWhateverTheirCase)
{
    TempFolder dir;
    for (const char *name : {"classic.bk", "Mixed.Bk", "Twin.BK", "twin.bk", "Plain.BK", "晴天.bk"})
        Touch(dir, name);
    const Names names = core::EnumSkins(dir.Path(), "BK");
    EXPECT_EQ(names.size(), 5u);
    // On a file system that ignores case (Windows) the two twins are one file, "Twin.BK".
    const bool caseSensitive = !std::filesystem::exists(dir.Path() / "TWIN.bk");
    for (const std::string &name : names)
        EXPECT_TRUE(std::ifstream(core::FindSkinFile(dir.Path(), name, "BK"))) << name;

    const struct { const char *configured; const char *file; } rows[] = {
        {"classic", "classic.bk"}, {"CLASSIC", "classic.bk"}, {"mixed", "Mixed.Bk"},
        {"twin", "twin.bk"}, {"Twin", "Twin.BK"}, {"plain.BK", ""}, {"Absent", ""}, {"晴天", "晴天.bk"}};
    for (const auto &row : rows) {
        if (!caseSensitive && std::string_view(row.configured) == "twin")
            continue;
        const std::filesystem::path found = core::FindSkinFile(dir.Path(), row.configured, "BK");
        EXPECT_EQ(found, *row.file ? dir.Path() / PathFromUtf8(row.file) : std::filesystem::path()) << row.configured;
    }
}

TEST(PickSkin, DamagedSkinsAreSkipped)
{
    TempFolder dir;
    for (const char *name : {"Bad.BK", "Good.bk", "Worse.BK"})
        Touch(dir, name);
    const Names names{"Bad", "Good", "Worse"};
    const auto good = [](const std::filesystem::path &path) { return path.filename() == "Good.bk"; };
    const auto inDir = [&dir](const std::string &name) { return core::FindSkinFile(dir.Path(), name, "BK"); };
    for (const char *configured : {"", "bad", "Missing", "GOOD"}) {
        for (int start = 0; start < 3; ++start) {
            const auto pick = core::PickSkin(inDir, names, configured, "BK", start, good);
            ASSERT_TRUE(pick) << configured << start;
            EXPECT_EQ(pick->name, "Good");
            EXPECT_EQ(pick->path, dir.Path() / "Good.bk");
        }
    }
    EXPECT_FALSE(core::PickSkin(inDir, names, "", "BK", 1, [](const std::filesystem::path &) { return false; }));
    EXPECT_FALSE(core::PickSkin(inDir, {}, "", "BK", 0, good));
}

TEST(UsableSkins, OnlyPicturesTheClockCanShowAreListed)
{
    TempFolder dir;
    const std::vector<std::uint8_t> good = testbmp::Make({.width = 8, .height = 4});
    const std::vector<std::uint8_t> cut(good.begin(), good.end() - 20);
    const std::pair<const char *, std::vector<std::uint8_t>> files[] = {
        {"Good.BK", good}, {"Cut.BK", cut}, {"Empty.BK", {}}, {"NoWidth.BK", testbmp::Make({.width = 0, .height = 4})},
        {"Text.BK", {'h', 'i'}}, {"Good.NUM", good}, {"Cut.NUM", cut}, {"TopDown.NUM", testbmp::Make({.width = 8, .height = -4})}};
    for (const auto &[name, bytes] : files)
        ASSERT_TRUE(testbmp::Write(dir.Path() / name, bytes)) << name;
    EXPECT_EQ(core::UsableSkins(core::ListSkinFiles({dir.Path()}, "BK"), "BK"), Names{"Good"});
    EXPECT_EQ(core::UsableSkins(core::ListSkinFiles({dir.Path()}, "NUM"), "NUM"), (Names{"Good", "TopDown"}));
}

TEST(ListSkinFiles, EarlierFoldersHideTheSameNameInLaterOnes)
{
    TempFolder user, shipped;
    Touch(user, "Blue.BK");
    Touch(user, "zed.BK");
    Touch(shipped, "blue.bk");
    Touch(shipped, "Amber.BK");
    const std::vector<core::SkinPick> skins = core::ListSkinFiles({user.Path(), shipped.Path()}, "BK");
    ASSERT_EQ(skins.size(), 3u);
    EXPECT_EQ(skins[0].path, shipped.Path() / "Amber.BK");
    EXPECT_EQ(skins[1].path, user.Path() / "Blue.BK");
    EXPECT_EQ(skins[2].path, user.Path() / "zed.BK");
}

TEST(RandomIndex, StaysInRange)
{
    EXPECT_EQ(core::RandomIndex(4, 4), 4);
    for (const auto &[low, high] : {std::pair{0, 2}, std::pair{-3, -1}, std::pair{0, INT_MAX}, std::pair{INT_MIN, INT_MAX}}) {
        const int value = core::RandomIndex(low, high);
        EXPECT_TRUE(value >= low && value <= high) << value;
    }
}

} // namespace
