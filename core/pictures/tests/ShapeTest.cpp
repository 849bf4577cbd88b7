// Tests of the key-colour outline and the digit box finder.
#include <initializer_list>
#include <random>

#include <gtest/gtest.h>

#include "core/pictures/Shape.h"

using core::PixelPoint;
using core::PixelRect;
using core::Picture;
using core::Rgb;

namespace {

const std::uint32_t kWhite = Rgb(255, 255, 255);
const std::uint32_t kBlack = Rgb(0, 0, 0);

void Fill(Picture &picture, const PixelRect &r, std::uint32_t colour)
{
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x)
            picture.At(x, y) = colour;
}

Picture Make(int w, int h, std::uint32_t background, std::initializer_list<PixelRect> blackBoxes = {})
{
    Picture picture{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), background)};
    for (const PixelRect &box : blackBoxes)
        Fill(picture, box, kBlack);
    return picture;
}

bool Contains(const std::vector<PixelRect> &rects, int x, int y)
{
    for (const PixelRect &r : rects)
        if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
            return true;
    return false;
}

// Every pixel is in the outline exactly when its colour differs from the top-left one.
void ExpectOutline(const Picture &image)
{
    const std::vector<PixelRect> rects = core::OutlineRects(image);
    for (const PixelRect &r : rects)
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0 && r.x + r.width <= image.width
                    && r.y + r.height <= image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            ASSERT_EQ(Contains(rects, x, y), image.At(x, y) != image.At(0, 0)) << x << "," << y;
}

TEST(OutlineRects, FollowsTheKeyColour)
{
    Picture face = Make(120, 90, kWhite);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x)
            if ((x - 60) * (x - 60) * 40 * 40 + (y - 45) * (y - 45) * 55 * 55 < 40 * 40 * 55 * 55)
                face.At(x, y) = Rgb(30, 60, 200);
    Fill(face, {50, 40, 10, 5}, Rgb(255, 255, 254)); // nearly the key colour: still the face
    ExpectOutline(face);

    std::mt19937 random(7);
    const std::uint32_t colours[] = {Rgb(255, 0, 255), Rgb(0, 0, 0), Rgb(255, 0, 254)};
    Picture noisy = Make(53, 41, colours[0]);
    for (int y = 1; y < noisy.height; ++y)
        for (int x = 0; x < noisy.width; ++x)
            noisy.At(x, y) = y >= 20 && y < 30 ? noisy.At(x, 19) : colours[random() % 3];
    ExpectOutline(noisy);

    // Identical rows make one rectangle.
    EXPECT_EQ(core::OutlineRects(Make(40, 30, kWhite, {{4, 3, 30, 20}})), (std::vector<PixelRect>{{4, 3, 30, 20}}));
    // The key is the top-left pixel's colour, whatever the other corners hold.
    EXPECT_EQ(core::OutlineRects(Make(40, 30, kWhite, {{30, 0, 10, 10}})), (std::vector<PixelRect>{{30, 0, 10, 10}}));

    EXPECT_TRUE(core::OutlineRects(Make(30, 20, Rgb(12, 34, 56))).empty());
    EXPECT_TRUE(core::OutlineRects(Picture{}).empty());
}

TEST(FindDigitBox, MarkerRules)
{
    struct Row { int w, h; std::initializer_list<PixelRect> boxes; std::optional<PixelPoint> at; };
    const Row rows[] = {
        {200, 100, {{30, 40, 110, 25}}, PixelPoint{30, 40}},
        {200, 100, {{30, 40, 112, 27}}, PixelPoint{32, 42}},
        // Only the two edge columns count, and they may touch the picture's edge.
        {150, 60, {{40, 35, 1, 25}, {149, 35, 1, 25}}, PixelPoint{40, 35}},
        {150, 60, {{0, 35, 110, 25}}, PixelPoint{0, 35}},
        {200, 100, {{30, 40, 110, 24}, {150, 0, 40, 100}}, std::nullopt},
        {109, 100, {}, std::nullopt},
        // The last position in column-major order wins: largest x first, then largest y.
        {300, 200, {{10, 150, 110, 25}, {20, 5, 110, 25}}, PixelPoint{20, 5}},
        {300, 200, {{20, 5, 110, 25}, {20, 100, 110, 25}}, PixelPoint{20, 100}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(core::FindDigitBox(Make(row.w, row.h, kWhite, row.boxes)), row.at) << row.w << "x" << row.h;
    EXPECT_EQ(core::FindDigitBox(Picture{}), std::nullopt);

    Picture nearlyBlack = Make(200, 100, kWhite);
    Fill(nearlyBlack, {30, 40, 110, 25}, Rgb(0, 0, 1));
    EXPECT_EQ(core::FindDigitBox(nearlyBlack), std::nullopt);

    Picture blackKey = Make(200, 100, kWhite, {{30, 40, 110, 25}});
    blackKey.At(0, 0) = kBlack;
    EXPECT_EQ(core::FindDigitBox(blackKey), std::nullopt);
}

} // namespace
