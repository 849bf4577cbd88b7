// Tests of CDib and LoadBitmapFile on written, truncated and damaged BMP files.
#include <cstring>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "gfx/BitmapFile.h"
#include "gfx/Dib.h"
#include "gfx/tests/BmpWriter.h"
#include "platform/UserMessage.h"

namespace {

class BitmapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = platform::SetUserMessageHandler([this](const QString &text) { m_messages << text; });
    }
    void TearDown() override { platform::SetUserMessageHandler(m_previous); }

    QString Save(const QString &name, const std::vector<std::uint8_t> &bytes)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(testbmp::Write(path, bytes));
        return path;
    }

    QTemporaryDir m_dir;
    QStringList m_messages;
    platform::MessageHandler m_previous;
};

std::vector<QRgb> Grey(int count)
{
    std::vector<QRgb> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back(qRgb(i * 255 / (count - 1 ? count - 1 : 1), 10, 200));
    return palette;
}

TEST_F(BitmapTest, HeaderValuesForEachDepth)
{
    struct Row {
        int bitCount;
        int paletteSize;
        std::uint32_t clrUsed;
        int colors;
    };
    const Row rows[] = {
        {1, 2, 0, 2}, {4, 16, 0, 16}, {8, 256, 0, 256}, {8, 5, 5, 5}, {24, 0, 0, 0}, {32, 0, 0, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.bitCount);
        testbmp::Spec spec;
        spec.width = 13;
        spec.height = 7;
        spec.bitCount = row.bitCount;
        spec.palette = Grey(row.paletteSize);
        spec.clrUsed = row.clrUsed;
        spec.pixel = [](int x, int y) { return static_cast<std::uint32_t>(x + y) % 2; };
        const std::vector<std::uint8_t> bytes = testbmp::Make(spec);
        const QString path = Save(QStringLiteral("a.bmp"), bytes);

        CDib dib(path);
        ASSERT_TRUE(dib.IsLoaded());
        EXPECT_EQ(dib.Width(), 13);
        EXPECT_EQ(dib.Height(), 7);
        EXPECT_EQ(dib.BitCount(), row.bitCount);
        EXPECT_EQ(dib.ColorCount(), row.colors);
        EXPECT_EQ(dib.NumColors(), row.colors);
        EXPECT_EQ(dib.FileName(), path);
        ASSERT_NE(dib.Header(), nullptr);
        EXPECT_EQ(dib.Header()->biClrUsed, static_cast<std::uint32_t>(row.colors));
        // Rows at 24 bits whatever the depth: 13 * 3 = 39, padded to 40, times 7 rows.
        EXPECT_EQ(dib.Header()->biSizeImage, 280u);

        const std::size_t tableAt = 14 + 40;
        const std::size_t bitsAt = tableAt + 4 * static_cast<std::size_t>(row.paletteSize);
        if (row.paletteSize == 0) {
            EXPECT_EQ(dib.ColorTable(), nullptr);
        } else {
            ASSERT_NE(dib.ColorTable(), nullptr);
            EXPECT_EQ(std::memcmp(dib.ColorTable(), bytes.data() + tableAt, 4 * row.paletteSize), 0);
        }
        ASSERT_NE(dib.Bits(), nullptr);
        EXPECT_EQ(std::memcmp(dib.Bits(), bytes.data() + bitsAt, bytes.size() - bitsAt), 0);
    }
}

TEST_F(BitmapTest, SizesAndTopDownHeight)
{
    EXPECT_EQ(CDib::RowBytes(5, 1), 4);
    EXPECT_EQ(CDib::RowBytes(33, 1), 8);
    EXPECT_EQ(CDib::RowBytes(9, 4), 8);
    EXPECT_EQ(CDib::RowBytes(3, 24), 12);
    EXPECT_EQ(CDib::RowBytes(4, 24), 12);
    EXPECT_EQ(CDib::RowBytes(5, 8), 8);

    testbmp::Spec spec;
    spec.width = 4;
    spec.height = -3;
    spec.sizeImage = 36;
    CDib dib(Save(QStringLiteral("down.bmp"), testbmp::Make(spec)));
    ASSERT_TRUE(dib.IsLoaded());
    EXPECT_EQ(dib.Height(), -3);
    EXPECT_EQ(dib.ImageSize(), 36u);
    EXPECT_EQ(dib.Header()->biSizeImage, 36u);
}

TEST_F(BitmapTest, FreeKeepsSizesAndReloadResets)
{
    testbmp::Spec spec;
    spec.width = 6;
    spec.height = 2;
    const QString good = Save(QStringLiteral("good.bmp"), testbmp::Make(spec));
    CDib dib(good);
    ASSERT_TRUE(dib.IsLoaded());
    dib.Free();
    EXPECT_TRUE(dib.IsLoaded());
    EXPECT_EQ(dib.Width(), 6);
    EXPECT_EQ(dib.Bits(), nullptr);
    EXPECT_EQ(dib.Header(), nullptr);
    EXPECT_TRUE(dib.FileName().isEmpty());

    ASSERT_TRUE(dib.Load(good));
    EXPECT_FALSE(dib.Load(m_dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_FALSE(dib.IsLoaded());
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.Height(), 0);
    EXPECT_EQ(dib.Bits(), nullptr);
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(BitmapTest, NotABitmapAndShortFiles)
{
    const QString other = Save(QStringLiteral("other.bmp"), {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    CDib dib(other);
    EXPECT_FALSE(dib.IsLoaded());
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(m_messages, QStringList{QStringLiteral("This is not a bitmap file!")});
    dib.Load(other);
    EXPECT_EQ(m_messages.size(), 2);

    QImage image(1, 1, QImage::Format_RGB32);
    EXPECT_FALSE(LoadBitmapFile(other, image));
    EXPECT_TRUE(image.isNull());
    EXPECT_EQ(m_messages.size(), 2);

    for (const std::vector<std::uint8_t> &bytes :
         {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}) {
        const QString path = Save(QStringLiteral("short.bmp"), bytes);
        EXPECT_FALSE(CDib(path).IsLoaded());
        EXPECT_FALSE(LoadBitmapFile(path, image));
    }
    EXPECT_FALSE(CDib(m_dir.filePath(QStringLiteral("nowhere.bmp"))).IsLoaded());
    EXPECT_FALSE(LoadBitmapFile(m_dir.filePath(QStringLiteral("nowhere.bmp")), image));
    EXPECT_EQ(m_messages.size(), 2);
}

TEST_F(BitmapTest, DamagedHeadersFailWithoutReadingPastTheFile)
{
    testbmp::Spec spec;
    spec.width = 8;
    spec.height = 8;
    spec.bitCount = 8;
    spec.palette = Grey(4);
    spec.clrUsed = 4;
    const std::vector<std::uint8_t> good = testbmp::Make(spec);

    struct Damage {
        const char *what;
        std::function<void(std::vector<std::uint8_t> &)> apply;
    };
    const Damage damages[] = {
        {"header size beyond the file", [](auto &b) { testbmp::Set32(b, testbmp::kBiSize, 0x10000); }},
        {"header size below 40", [](auto &b) { testbmp::Set32(b, testbmp::kBiSize, 12); }},
        {"colour count beyond the file", [](auto &b) { testbmp::Set32(b, testbmp::kBiClrUsed, 0x40000000); }},
        {"colour count overflowing", [](auto &b) { testbmp::Set32(b, testbmp::kBiClrUsed, 0xffffffff); }},
        {"rows beyond the file", [](auto &b) { testbmp::Set32(b, testbmp::kBiHeight, 9); }},
        {"huge width", [](auto &b) { testbmp::Set32(b, testbmp::kBiWidth, 0x7fffffff); }},
        {"zero width", [](auto &b) { testbmp::Set32(b, testbmp::kBiWidth, 0); }},
        {"zero height", [](auto &b) { testbmp::Set32(b, testbmp::kBiHeight, 0); }},
        {"unknown bit count", [](auto &b) { b[testbmp::kBiBitCount] = 7; }},
        {"compression for another depth", [](auto &b) { testbmp::Set32(b, testbmp::kBiCompression, 2); }},
        {"embedded picture", [](auto &b) { testbmp::Set32(b, testbmp::kBiCompression, 4); }},
        {"cut in the pixels", [](auto &b) { b.resize(b.size() - 1); }},
        {"cut in the header", [](auto &b) { b.resize(30); }},
        {"file header only", [](auto &b) { b.resize(14); }},
    };
    for (const Damage &damage : damages) {
        SCOPED_TRACE(damage.what);
        std::vector<std::uint8_t> bytes = good;
        damage.apply(bytes);
        const QString path = Save(QStringLiteral("bad.bmp"), bytes);
        CDib dib(path);
        EXPECT_FALSE(dib.IsLoaded());
        EXPECT_EQ(dib.Width(), 0);
        EXPECT_EQ(dib.Bits(), nullptr);
        QImage image;
        EXPECT_FALSE(LoadBitmapFile(path, image));
        EXPECT_TRUE(image.isNull());
    }
    EXPECT_TRUE(m_messages.isEmpty());
}

QRgb Expected(int x, int y)
{
    return qRgb((x * 37) & 0xff, (y * 53) & 0xff, (x * y) & 0xff);
}

TEST_F(BitmapTest, DecodesEveryDepthToTheFileColours)
{
    const int w = 11;
    const int h = 5;
    auto check = [&](const char *what, const testbmp::Spec &spec, const std::function<QRgb(int, int)> &colour) {
        SCOPED_TRACE(what);
        QImage image;
        ASSERT_TRUE(LoadBitmapFile(Save(QStringLiteral("d.bmp"), testbmp::Make(spec)), image));
        ASSERT_EQ(image.size(), QSize(w, h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(image.pixel(x, y), colour(x, y)) << x << "," << y;
    };
    const std::vector<QRgb> palette = {qRgb(255, 255, 255), qRgb(255, 0, 255), qRgb(0, 0, 0), qRgb(1, 2, 3),
                                       qRgb(200, 100, 50)};
    auto index = [](int x, int y) { return static_cast<std::uint32_t>((x + 2 * y) % 5); };
    auto fromPalette = [&](int x, int y) { return palette[index(x, y)]; };

    testbmp::Spec spec;
    spec.width = w;
    spec.height = h;

    spec.bitCount = 1;
    spec.palette = {qRgb(9, 8, 7), qRgb(250, 240, 230)};
    spec.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x * 3 + y) % 2); };
    check("1 bit", spec, [&](int x, int y) { return spec.palette[(x * 3 + y) % 2]; });

    spec.bitCount = 4;
    spec.palette = palette;
    spec.clrUsed = 5;
    spec.pixel = index;
    check("4 bits", spec, fromPalette);

    spec.bitCount = 8;
    check("8 bits", spec, fromPalette);
    spec.height = -h;
    check("8 bits top-down", spec, fromPalette);
    spec.height = h;
    spec.pixel = [](int x, int) { return x == 0 ? 7u : 1u; };
    check("index past the table", spec, [&](int x, int) { return x == 0 ? qRgb(0, 0, 0) : palette[1]; });

    spec.palette.clear();
    spec.clrUsed = 0;
    spec.bitCount = 24;
    spec.pixel = [](int x, int y) { return static_cast<std::uint32_t>(Expected(x, y) & 0xffffff); };
    check("24 bits", spec, Expected);
    spec.bitCount = 32;
    check("32 bits", spec, Expected);

    spec.bitCount = 16;
    spec.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x << 10) | (y << 5) | 31); };
    check("16 bits 5-5-5", spec, [](int x, int y) { return qRgb((x * 255 + 15) / 31, (y * 255 + 15) / 31, 255); });
    spec.compression = 3;
    spec.masks = {0xf800, 0x07e0, 0x001f};
    spec.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x << 11) | (y * 12 << 5)); };
    check("16 bits 5-6-5", spec, [](int x, int y) { return qRgb((x * 255 + 15) / 31, (y * 12 * 255 + 31) / 63, 0); });
}

TEST_F(BitmapTest, DecodesRunLengthData)
{
    const std::vector<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    testbmp::Spec spec;
    spec.width = 6;
    spec.height = 3;
    spec.palette = palette;
    spec.clrUsed = 4;

    // Bottom row: 4 x colour 1 then absolute 2, 3; next row: delta right 2, 3 x colour 2; then end.
    spec.bitCount = 8;
    spec.compression = 1;
    spec.rawBits = {4, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 0, 3, 2, 0, 1};
    spec.sizeImage = static_cast<std::uint32_t>(spec.rawBits.size());
    const QString rle8 = Save(QStringLiteral("r8.bmp"), testbmp::Make(spec));
    QImage image;
    ASSERT_TRUE(LoadBitmapFile(rle8, image));
    const QRgb k = palette[0], r = palette[1], g = palette[2], b = palette[3];
    const QRgb want8[3][6] = {{k, k, k, k, k, k}, {k, k, g, g, g, k}, {r, r, r, r, g, b}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(image.pixel(x, y), want8[y][x]) << "rle8 " << x << "," << y;

    // Bottom row: 5 pixels alternating 1 and 2, absolute 3, 1, 2; stream ends without an end mark.
    spec.bitCount = 4;
    spec.compression = 2;
    spec.rawBits = {5, 0x12, 0, 3, 0x31, 0x20};
    spec.sizeImage = static_cast<std::uint32_t>(spec.rawBits.size());
    ASSERT_TRUE(LoadBitmapFile(Save(QStringLiteral("r4.bmp"), testbmp::Make(spec)), image));
    const QRgb want4[6] = {r, g, r, g, r, b};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(image.pixel(x, 2), want4[x]) << "rle4 " << x;
    EXPECT_EQ(image.pixel(0, 1), k);
}

} // namespace
