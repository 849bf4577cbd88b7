// Pictures of extreme sizes given to CDib and LoadBitmapFile: empty, huge and negative.
#include <climits>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "core/pictures/BitmapFile.h"
#include "core/pictures/Dib.h"
#include "core/pictures/tests/PictureFixture.h"

namespace {

class PictureSizeTest : public testbmp::PictureFixture
{
protected:
    // Both readers refuse the file quietly and hand out nothing.
    void ExpectRefused(const std::vector<std::uint8_t> &bytes)
    {
        const std::filesystem::path path = Save(bytes);
        core::CDib dib(path);
        EXPECT_FALSE(dib.IsLoaded());
        EXPECT_FALSE(dib.NotBitmap());
        EXPECT_EQ(dib.Width(), 0);
        EXPECT_EQ(dib.Height(), 0);
        EXPECT_EQ(dib.Bits(), nullptr);
        EXPECT_FALSE(core::LoadBitmapFile(path));
    }
};

// A run-length picture of any stated size in a few bytes: every pixel keeps colour 0.
std::vector<std::uint8_t> RunLengthPicture(int width, int height)
{
    return testbmp::Make({.width = width, .height = height, .bitCount = 8, .compression = 1, .clrUsed = 2,
                          .sizeImage = 2, .palette = {core::Rgb(10, 20, 30), core::Rgb(0, 0, 0)}, .rawBits = {0, 1}});
}

TEST_F(PictureSizeTest, EmptyNegativeAndOverlongSizesAreRefused)
{
    struct Row { const char *what; std::uint32_t width, height; };
    for (const Row &row : {Row{"0 x 0", 0, 0}, Row{"0 x 5", 0, 5}, Row{"5 x 0", 5, 0}, Row{"-1 x 1", 0xffffffffu, 1},
                           Row{"-10000 x 10000", static_cast<std::uint32_t>(-10000), 10000},
                           Row{"1 x INT_MIN", 1, 0x80000000u}, Row{"INT_MIN x INT_MIN", 0x80000000u, 0x80000000u},
                           Row{"32768 x 1", 32768, 1}, Row{"1 x 32768", 1, 32768}}) {
        SCOPED_TRACE(row.what);
        // Only the header states the size: rows of that size are not there, and need not be.
        for (std::vector<std::uint8_t> bytes : {testbmp::Make({.width = 1, .height = 1}), RunLengthPicture(1, 1)}) {
            testbmp::Set32(bytes, testbmp::kBiWidth, row.width);
            testbmp::Set32(bytes, testbmp::kBiHeight, row.height);
            ExpectRefused(bytes);
        }
    }
}

TEST_F(PictureSizeTest, HugePicturesAreRefusedBeforeAnythingIsAllocated)
{
    // 10 000 x 10 000 in a few bytes of run-length data, and with every row present at one bit
    // per pixel; top-down too. Decoded, each would take 400 MB at every repaint.
    ExpectRefused(RunLengthPicture(10000, 10000));
    std::vector<std::uint8_t> rows(static_cast<std::size_t>((10000 + 31) / 32 * 4) * 10000, 0);
    ExpectRefused(testbmp::Make({.width = 10000, .height = 10000, .bitCount = 1,
                                 .palette = {core::Rgb(0, 0, 0), core::Rgb(255, 255, 255)}, .rawBits = rows}));
    ExpectRefused(testbmp::Make({.width = 10000, .height = -10000, .bitCount = 1,
                                 .palette = {core::Rgb(0, 0, 0), core::Rgb(255, 255, 255)}, .rawBits = rows}));
    // One pixel over the limit of 2^26 pixels.
    ExpectRefused(RunLengthPicture(8193, 8192));
}

TEST_F(PictureSizeTest, LargestAcceptedPictureDecodes)
{
    const std::filesystem::path path = Save(RunLengthPicture(8192, 8192));
    core::CDib dib(path);
    ASSERT_TRUE(dib.IsLoaded());
    EXPECT_EQ(dib.Width(), 8192);
    const std::optional<core::Picture> image = core::LoadBitmapFile(path);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 8192);
    ASSERT_EQ(image->height, 8192);
    EXPECT_EQ(image->At(8191, 8191), core::Rgb(10, 20, 30));
    EXPECT_EQ(image->At(0, 0), core::Rgb(10, 20, 30));
}

} // namespace
