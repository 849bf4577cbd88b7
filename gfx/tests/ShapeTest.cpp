// Tests of the key-colour outline and the digit box finder.
#include <random>

#include <gtest/gtest.h>

#include <QPainter>

#include "gfx/Shape.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

QImage Filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void Box(QImage &image, int x, int y, int w, int h, QRgb colour = kBlack)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            image.setPixel(i, j, colour);
}

// Every pixel is inside the region exactly when its colour differs from the top-left one.
void ExpectOutline(const QImage &image, const QRegion &region)
{
    const QRgb key = image.pixel(0, 0);
    EXPECT_TRUE(image.rect().contains(region.boundingRect()) || region.isEmpty());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(region.contains(QPoint(x, y)), image.pixel(x, y) != key) << x << "," << y;
}

TEST(OutlineRegion, RoundFaceOnWhite)
{
    QImage face = Filled(120, 90, kWhite);
    {
        QPainter painter(&face);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 60, 200));
        painter.drawEllipse(5, 5, 110, 80);
        painter.setBrush(QColor(255, 255, 254)); // nearly the key colour: still part of the face
        painter.drawRect(50, 40, 10, 5);
    }
    const QRegion region = OutlineRegion(face);
    ExpectOutline(face, region);
    EXPECT_FALSE(region.contains(QPoint(2, 45)));
    EXPECT_TRUE(region.contains(QPoint(55, 42)));
}

TEST(OutlineRegion, NoisyPictureAndBands)
{
    std::mt19937 random(7);
    QImage noisy = Filled(53, 41, qRgb(255, 0, 255));
    const QRgb colours[] = {qRgb(255, 0, 255), kBlack, qRgb(255, 0, 254)};
    for (int y = 1; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, colours[random() % 3]);
    // Identical rows in a block, and a row equal to one before a gap.
    for (int y = 20; y < 30; ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, noisy.pixel(x, 19));
    ExpectOutline(noisy, OutlineRegion(noisy));

    QImage plate = Filled(40, 30, kWhite);
    Box(plate, 4, 3, 30, 20, qRgb(10, 10, 10));
    const QRegion region = OutlineRegion(plate);
    EXPECT_EQ(region, QRegion(4, 3, 30, 20));
    EXPECT_EQ(region.rectCount(), 1);

    QImage indexed = plate.convertToFormat(QImage::Format_Indexed8);
    EXPECT_EQ(OutlineRegion(indexed), region);
}

TEST(OutlineRegion, EmptyCases)
{
    EXPECT_TRUE(OutlineRegion(Filled(30, 20, qRgb(12, 34, 56))).isEmpty());
    EXPECT_TRUE(OutlineRegion(QImage()).isEmpty());
    QImage dark = Filled(30, 20, kBlack);
    dark.setPixel(29, 19, kWhite);
    EXPECT_EQ(OutlineRegion(dark), QRegion(29, 19, 1, 1));
}

TEST(FindDigitBox, MarkerRules)
{
    QImage exact = Filled(200, 100, kWhite);
    Box(exact, 30, 40, 110, 25);
    EXPECT_EQ(FindDigitBox(exact), QPoint(30, 40));

    QImage larger = Filled(200, 100, kWhite);
    Box(larger, 30, 40, 112, 27);
    EXPECT_EQ(FindDigitBox(larger), QPoint(32, 42));

    // Only the two edge columns matter, and they may touch the picture's edge.
    QImage frame = Filled(150, 60, qRgb(0, 128, 0));
    Box(frame, 40, 35, 1, 25);
    Box(frame, 149, 35, 1, 25);
    EXPECT_EQ(FindDigitBox(frame), QPoint(40, 35));

    QImage tooShort = Filled(200, 100, kWhite);
    Box(tooShort, 30, 40, 110, 24);
    Box(tooShort, 150, 0, 40, 100);
    EXPECT_EQ(FindDigitBox(tooShort), std::nullopt);

    QImage nearlyBlack = Filled(200, 100, kWhite);
    Box(nearlyBlack, 30, 40, 110, 25, qRgb(0, 0, 1));
    EXPECT_EQ(FindDigitBox(nearlyBlack), std::nullopt);

    QImage blackKey = exact;
    blackKey.setPixel(0, 0, kBlack);
    EXPECT_EQ(FindDigitBox(blackKey), std::nullopt);

    EXPECT_EQ(FindDigitBox(Filled(109, 100, kWhite)), std::nullopt);
    EXPECT_EQ(FindDigitBox(QImage()), std::nullopt);
}

TEST(FindDigitBox, LastPositionInColumnOrderWins)
{
    // Two boxes: the one further right wins even though it lies higher.
    QImage two = Filled(300, 200, kWhite);
    Box(two, 10, 150, 110, 25);
    Box(two, 20, 5, 110, 25);
    EXPECT_EQ(FindDigitBox(two), QPoint(20, 5));

    // Same column: the lower one wins.
    QImage stacked = Filled(300, 200, kWhite);
    Box(stacked, 20, 5, 110, 25);
    Box(stacked, 20, 100, 110, 25);
    EXPECT_EQ(FindDigitBox(stacked), QPoint(20, 100));
}

} // namespace
