// Tests of CDib and LoadBitmapFile on written, truncated and damaged BMP files.
#include <cstring>

#include <optional>

#include <gtest/gtest.h>

#include "core/pictures/BitmapFile.h"
#include "core/pictures/Dib.h"
#include "core/pictures/tests/PictureFixture.h"

using core::CDib;
using core::Picture;
using core::Rgb;

namespace {

using BitmapTest = testbmp::PictureFixture;

const std::vector<std::uint32_t> kPalette = {Rgb(255, 255, 255), Rgb(255, 0, 255), Rgb(0, 90, 0), Rgb(1, 2, 3), Rgb(200, 100, 50)};

TEST_F(BitmapTest, HeaderValuesForEachDepth)
{
    struct Row { int bitCount, paletteSize; std::uint32_t clrUsed; int colors; };
    for (const Row &row : {Row{1, 2, 0, 2}, Row{4, 16, 0, 16}, Row{8, 256, 0, 256}, Row{8, 5, 5, 5}, Row{24, 0, 0, 0}, Row{32, 0, 0, 0}}) {
        SCOPED_TRACE(row.bitCount);
        testbmp::Layout layout{.width = 13, .height = 7, .bitCount = row.bitCount, .clrUsed = row.clrUsed};
        layout.palette.assign(static_cast<std::size_t>(row.paletteSize), Rgb(9, 80, 200));
        layout.pixel = [](int x, int y) { return static_cast<std::uint32_t>(x + y) % 2; };
        const std::vector<std::uint8_t> bytes = testbmp::Make(layout);
        const std::filesystem::path path = Save(bytes);
        CDib dib(path);
        ASSERT_TRUE(dib.IsLoaded());
        EXPECT_EQ(dib.Width(), 13);
        EXPECT_EQ(dib.Height(), 7);
        EXPECT_EQ(dib.BitCount(), row.bitCount);
        EXPECT_EQ(dib.ColorCount(), row.colors);
        EXPECT_EQ(dib.FileName(), path);
        ASSERT_NE(dib.Header(), nullptr);
        EXPECT_EQ(dib.Header()->biClrUsed, static_cast<std::uint32_t>(row.colors));
        EXPECT_EQ(dib.Header()->biSizeImage, 280u); // rows counted at 24 bits: 40 bytes x 7
        EXPECT_EQ(dib.ColorTable() == nullptr, row.paletteSize == 0);
        const std::size_t bitsAt = 54 + 4 * static_cast<std::size_t>(row.paletteSize);
        ASSERT_NE(dib.Bits(), nullptr);
        EXPECT_EQ(std::memcmp(dib.Bits(), bytes.data() + bitsAt, bytes.size() - bitsAt), 0);
    }
    EXPECT_EQ(CDib::RowBytes(33, 1), 8);
    EXPECT_EQ(CDib::RowBytes(9, 4), 8);
    EXPECT_EQ(CDib::RowBytes(3, 24), 12);
    EXPECT_EQ(CDib::RowBytes(5, 8), 8);

    CDib topDown(Save(testbmp::Make({.width = 4, .height = -3, .sizeImage = 36})));
    EXPECT_EQ(topDown.Height(), -3);
    EXPECT_EQ(topDown.ImageSize(), 36u);
}

TEST_F(BitmapTest, FreeAndFailedReload)
{
    const std::filesystem::path good = Save(testbmp::Make({.width = 6, .height = 2}));
    CDib dib(good);
    dib.Free();
    EXPECT_TRUE(dib.IsLoaded());
    EXPECT_EQ(dib.Width(), 6);
    EXPECT_EQ(dib.Bits(), nullptr);
    EXPECT_EQ(dib.Header(), nullptr);

    ASSERT_TRUE(dib.Load(good));
    EXPECT_FALSE(dib.Load(m_dir.Path() / "missing.bmp"));
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.Bits(), nullptr);
    EXPECT_FALSE(dib.NotBitmap());
}

TEST_F(BitmapTest, NotABitmapAndShortFiles)
{
    const std::filesystem::path gif = Save({'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const CDib notBitmap(gif);
    EXPECT_FALSE(notBitmap.IsLoaded());
    EXPECT_TRUE(notBitmap.NotBitmap());
    EXPECT_FALSE(core::LoadBitmapFile(gif));
    // Short, empty, missing files and folders fail without the message.
    for (const std::filesystem::path &path : {Save({}), Save({'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), m_dir.Path() / "none", m_dir.Path()}) {
        const CDib dib(path);
        EXPECT_FALSE(dib.IsLoaded());
        EXPECT_FALSE(dib.NotBitmap());
        EXPECT_FALSE(core::LoadBitmapFile(path));
    }
}

TEST_F(BitmapTest, DamagedHeadersFailWithoutReadingPastTheFile)
{
    const std::vector<std::uint8_t> good = testbmp::Make({.width = 8, .height = 8, .bitCount = 8, .clrUsed = 5, .palette = kPalette});
    using Damage = std::function<void(std::vector<std::uint8_t> &)>;
    const std::pair<const char *, Damage> damages[] = {
        {"header size beyond the file", [](auto &b) { testbmp::Set32(b, testbmp::kBiSize, 0x10000); }},
        {"header size below 40", [](auto &b) { testbmp::Set32(b, testbmp::kBiSize, 12); }},
        {"colour table beyond the file", [](auto &b) { testbmp::Set32(b, testbmp::kBiClrUsed, 0x40000000); }},
        {"colour count overflowing", [](auto &b) { testbmp::Set32(b, testbmp::kBiClrUsed, 0xffffffff); }},
        {"rows beyond the file", [](auto &b) { testbmp::Set32(b, testbmp::kBiHeight, 9); }},
        {"huge width", [](auto &b) { testbmp::Set32(b, testbmp::kBiWidth, 0x7fffffff); }},
        {"zero width", [](auto &b) { testbmp::Set32(b, testbmp::kBiWidth, 0); }},
        {"unknown bit count", [](auto &b) { b[testbmp::kBiBitCount] = 7; }},
        {"compression of another depth", [](auto &b) { testbmp::Set32(b, testbmp::kBiCompression, 2); }},
        {"run-length rows top-down", [](auto &b) { testbmp::Set32(b, testbmp::kBiCompression, 1); testbmp::Set32(b, testbmp::kBiHeight, -8); }},
        {"cut in the pixels", [](auto &b) { b.pop_back(); }},
        {"file header only", [](auto &b) { b.resize(14); }},
    };
    for (const auto &[what, damage] : damages) {
        SCOPED_TRACE(what);
        std::vector<std::uint8_t> bytes = good;
        damage(bytes);
        const std::filesystem::path path = Save(bytes);
        CDib dib(path);
        EXPECT_FALSE(dib.IsLoaded());
        EXPECT_FALSE(dib.NotBitmap());
        EXPECT_EQ(dib.Width(), 0);
        EXPECT_FALSE(core::LoadBitmapFile(path));
    }
}

TEST_F(BitmapTest, DecodesEveryDepthToTheFileColours)
{
    auto check = [&](const char *what, const testbmp::Layout &layout, const std::function<std::uint32_t(int, int)> &colour) {
        SCOPED_TRACE(what);
        const std::optional<Picture> image = core::LoadBitmapFile(Save(testbmp::Make(layout)));
        ASSERT_TRUE(image);
        ASSERT_EQ(image->width, 11);
        ASSERT_EQ(image->height, 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 11; ++x)
                ASSERT_EQ(image->At(x, y), colour(x, y)) << x << "," << y;
    };
    auto index = [](int x, int y) { return static_cast<std::uint32_t>((x + 2 * y) % 5); };
    auto fromPalette = [&](int x, int y) { return kPalette[index(x, y)]; };
    testbmp::Layout layout{.width = 11, .height = 5, .bitCount = 1, .palette = {Rgb(9, 8, 7), Rgb(250, 240, 230)}};
    layout.pixel = [](int x, int y) { return static_cast<std::uint32_t>(x * 3 + y) % 2; };
    check("1 bit", layout, [&](int x, int y) { return layout.palette[(x * 3 + y) % 2]; });

    layout.palette = kPalette;
    layout.clrUsed = 5;
    layout.pixel = index;
    for (int bitCount : {4, 8}) {
        layout.bitCount = bitCount;
        check("4 and 8 bits", layout, fromPalette);
    }
    layout.height = -5;
    check("top-down", layout, fromPalette);
    layout.pixel = [](int x, int) { return x == 0 ? 7u : 1u; };
    check("index past the table", layout, [&](int x, int) { return x == 0 ? Rgb(0, 0, 0) : kPalette[1]; });

    auto rgb = [](int x, int y) { return Rgb((x * 37) & 0xff, (y * 53) & 0xff, (x * y) & 0xff); };
    layout = {.width = 11, .height = 5, .pixel = [&](int x, int y) { return rgb(x, y); }};
    for (int bitCount : {24, 32}) {
        layout.bitCount = bitCount;
        check("24 and 32 bits", layout, rgb);
    }
    layout = {.width = 11, .height = 5, .bitCount = 16, .pixel = [](int x, int y) { return static_cast<std::uint32_t>((x << 10) | (y << 5) | 31); }};
    check("16 bits 5-5-5", layout, [](int x, int y) { return Rgb((x * 255 + 15) / 31, (y * 255 + 15) / 31, 255); });
    layout.compression = 3;
    layout.masks = {0xf800, 0x07e0, 0x001f};
    layout.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x << 11) | (y * 12 << 5)); };
    check("16 bits 5-6-5", layout, [](int x, int y) { return Rgb((x * 255 + 15) / 31, (y * 12 * 255 + 31) / 63, 0); });
}

TEST_F(BitmapTest, DecodesRunLengthData)
{
    const std::uint32_t k = kPalette[0], m = kPalette[1], g = kPalette[2], d = kPalette[3];
    // Bottom row: 4 x index 1, then 1, 2, 3 written absolutely; next row: skip 2 right, 3 x index 2.
    testbmp::Layout layout{.width = 6, .height = 3, .bitCount = 8, .compression = 1, .clrUsed = 4, .palette = kPalette};
    layout.palette.resize(4);
    layout.rawBits = {4, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 0, 3, 2, 0, 1};
    layout.sizeImage = static_cast<std::uint32_t>(layout.rawBits.size());
    std::optional<Picture> image = core::LoadBitmapFile(Save(testbmp::Make(layout)));
    ASSERT_TRUE(image);
    const std::uint32_t want8[3][6] = {{k, k, k, k, k, k}, {k, k, g, g, g, k}, {m, m, m, m, g, d}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(image->At(x, y), want8[y][x]) << "8 bits " << x << "," << y;

    // 5 pixels alternating 1 and 2, then 3, 1, 2 absolutely (the last two past the edge); no end mark.
    layout.bitCount = 4;
    layout.compression = 2;
    layout.rawBits = {5, 0x12, 0, 3, 0x31, 0x20};
    layout.sizeImage = static_cast<std::uint32_t>(layout.rawBits.size());
    image = core::LoadBitmapFile(Save(testbmp::Make(layout)));
    ASSERT_TRUE(image);
    const std::uint32_t want4[6] = {m, g, m, g, m, d};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(image->At(x, 2), want4[x]) << "4 bits " << x;
    EXPECT_EQ(image->At(0, 1), k);
}

} // namespace
