// Tests of the key-colour outline and the digit box finder.
#include <random>

#include <gtest/gtest.h>

#include <QPainter>

#include "gfx/Shape.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

QImage Picture(int w, int h, QRgb background, std::initializer_list<QRect> blackBoxes = {})
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    for (const QRect &box : blackBoxes)
        QPainter(&image).fillRect(box, Qt::black);
    return image;
}

// Every pixel is in the region exactly when its colour differs from the top-left one.
void ExpectOutline(const QImage &image)
{
    const QRegion region = OutlineRegion(image);
    EXPECT_TRUE(image.rect().contains(region.boundingRect()) || region.isEmpty());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(region.contains(QPoint(x, y)), image.pixel(x, y) != image.pixel(0, 0)) << x << "," << y;
}

TEST(OutlineRegion, FollowsTheKeyColour)
{
    QImage face = Picture(120, 90, kWhite);
    QPainter painter(&face);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 60, 200));
    painter.drawEllipse(5, 5, 110, 80);
    painter.fillRect(50, 40, 10, 5, QColor(255, 255, 254)); // nearly the key colour: still the face
    painter.end();
    ExpectOutline(face);

    std::mt19937 random(7);
    const QRgb colours[] = {qRgb(255, 0, 255), qRgb(0, 0, 0), qRgb(255, 0, 254)};
    QImage noisy = Picture(53, 41, colours[0]);
    for (int y = 1; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, y >= 20 && y < 30 ? noisy.pixel(x, 19) : colours[random() % 3]);
    ExpectOutline(noisy);

    // Identical rows make one rectangle; other pixel formats give the same outline.
    const QImage plate = Picture(40, 30, kWhite, {QRect(4, 3, 30, 20)});
    EXPECT_EQ(OutlineRegion(plate), QRegion(4, 3, 30, 20));
    EXPECT_EQ(OutlineRegion(plate).rectCount(), 1);
    EXPECT_EQ(OutlineRegion(plate.convertToFormat(QImage::Format_Indexed8)), QRegion(4, 3, 30, 20));
    // The key is the top-left pixel's colour, whatever the other corners hold.
    EXPECT_EQ(OutlineRegion(Picture(40, 30, kWhite, {QRect(30, 0, 10, 10)})), QRegion(30, 0, 10, 10));

    EXPECT_TRUE(OutlineRegion(Picture(30, 20, qRgb(12, 34, 56))).isEmpty());
    EXPECT_TRUE(OutlineRegion(QImage()).isEmpty());
}

TEST(FindDigitBox, MarkerRules)
{
    EXPECT_EQ(FindDigitBox(Picture(200, 100, kWhite, {QRect(30, 40, 110, 25)})), QPoint(30, 40));
    EXPECT_EQ(FindDigitBox(Picture(200, 100, kWhite, {QRect(30, 40, 112, 27)})), QPoint(32, 42));
    // Only the two edge columns count, and they may touch the picture's edge.
    EXPECT_EQ(FindDigitBox(Picture(150, 60, kWhite, {QRect(40, 35, 1, 25), QRect(149, 35, 1, 25)})), QPoint(40, 35));
    EXPECT_EQ(FindDigitBox(Picture(150, 60, kWhite, {QRect(0, 35, 110, 25)})), QPoint(0, 35));
    EXPECT_EQ(FindDigitBox(Picture(200, 100, kWhite, {QRect(30, 40, 110, 24), QRect(150, 0, 40, 100)})), std::nullopt);
    EXPECT_EQ(FindDigitBox(Picture(109, 100, kWhite)), std::nullopt);
    EXPECT_EQ(FindDigitBox(QImage()), std::nullopt);

    QImage nearlyBlack = Picture(200, 100, kWhite);
    QPainter(&nearlyBlack).fillRect(30, 40, 110, 25, QColor(0, 0, 1));
    EXPECT_EQ(FindDigitBox(nearlyBlack), std::nullopt);

    QImage blackKey = Picture(200, 100, kWhite, {QRect(30, 40, 110, 25)});
    blackKey.setPixel(0, 0, qRgb(0, 0, 0));
    EXPECT_EQ(FindDigitBox(blackKey), std::nullopt);

    // The last position in column-major order wins: largest x first, then largest y.
    EXPECT_EQ(FindDigitBox(Picture(300, 200, kWhite, {QRect(10, 150, 110, 25), QRect(20, 5, 110, 25)})), QPoint(20, 5));
    EXPECT_EQ(FindDigitBox(Picture(300, 200, kWhite, {QRect(20, 5, 110, 25), QRect(20, 100, 110, 25)})), QPoint(20, 100));
}

} // namespace
