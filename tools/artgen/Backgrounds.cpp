// Background skins (.BK): clock faces on a key colour, each with one black 110 x 25 digit box.
#include "tools/artgen/Backgrounds.h"

#include <cmath>
#include <numbers>
#include <random>

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artgen/Keyed.h"
#include "tools/artgen/Pictograms.h"

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kMagenta = 0xffff00ff;
constexpr QRgb kCyan = 0xff00ffff;

// A sunken frame round the digit box: shadowed above, lit below, with a dark lip at the box.
void DrawBoxBezel(QPainter &painter, QPoint box, double depth, const QColor &shade, const QColor &light)
{
    const QRectF inner(box.x(), box.y(), kDigitBoxWidth, kDigitBoxHeight);
    const QRectF outer = inner.adjusted(-depth, -depth, depth, depth);
    QLinearGradient rim(outer.topLeft(), outer.bottomLeft());
    rim.setColorAt(0, shade);
    rim.setColorAt(1, light);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawRoundedRect(outer, depth, depth);
    painter.setBrush(QColor(22, 24, 28));
    painter.drawRect(inner.adjusted(-1.5, -1.5, 1.5, 1.5));
}

QPointF OnCircle(QPointF centre, double radius, double degreesFromTop)
{
    const double radians = degreesFromTop * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(radians), centre.y() - radius * std::cos(radians)};
}

void DrawScrew(QPainter &painter, QPointF at, double radius, double slotDegrees)
{
    QRadialGradient head(at - QPointF(radius / 3, radius / 3), radius * 1.4);
    head.setColorAt(0, QColor(250, 251, 253));
    head.setColorAt(1, QColor(118, 122, 132));
    painter.setPen(QPen(QColor(66, 68, 78), 0.9));
    painter.setBrush(head);
    painter.drawEllipse(at, radius, radius);
    const QPointF across = OnCircle(QPointF(0, 0), radius * 0.75, slotDegrees);
    painter.setPen(QPen(QColor(58, 60, 70), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at - across, at + across);
}

void DrawLamp(QPainter &painter, QPointF at, double radius, const QColor &colour)
{
    painter.setPen(QPen(QColor(60, 62, 70), 1.0));
    painter.setBrush(QColor(150, 154, 162));
    painter.drawEllipse(at, radius + 1.2, radius + 1.2);
    QRadialGradient light(at - QPointF(radius / 3, radius / 3), radius * 1.5);
    light.setColorAt(0, colour.lighter(170));
    light.setColorAt(0.5, colour);
    light.setColorAt(1, colour.darker(160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(at, radius, radius);
}

} // namespace

QImage ClassicBackground()
{
    constexpr int kSize = 180;
    const QPointF centre(kSize / 2.0, kSize / 2.0);
    const QPoint box((kSize - kDigitBoxWidth) / 2, 80);

    QImage canvas = NewCanvas(kSize, kSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    // Bezel: dark rim, polished ring, dark inner lip.
    painter.setBrush(QColor(36, 38, 46));
    painter.drawEllipse(centre, 89.3, 89.3);
    QConicalGradient metal(centre, 45);
    metal.setColorAt(0.00, QColor(246, 247, 250));
    metal.setColorAt(0.20, QColor(150, 156, 168));
    metal.setColorAt(0.45, QColor(226, 229, 235));
    metal.setColorAt(0.55, QColor(120, 126, 138));
    metal.setColorAt(0.80, QColor(214, 218, 226));
    metal.setColorAt(1.00, QColor(246, 247, 250));
    painter.setBrush(metal);
    painter.drawEllipse(centre, 88.0, 88.0);
    painter.setBrush(QColor(70, 72, 82));
    painter.drawEllipse(centre, 79.5, 79.5);

    // Dial.
    QRadialGradient dial(centre - QPointF(18, 24), 100);
    dial.setColorAt(0, QColor(254, 251, 242));
    dial.setColorAt(0.7, QColor(240, 234, 216));
    dial.setColorAt(1, QColor(220, 210, 186));
    painter.setBrush(dial);
    painter.drawEllipse(centre, 78.2, 78.2);

    // Minute dots and hour marks.
    for (int minute = 0; minute < 60; ++minute) {
        const double angle = minute * 6.0;
        if (minute % 5 == 0) {
            const bool quarter = minute % 15 == 0;
            painter.setPen(QPen(quarter ? QColor(150, 30, 34) : QColor(56, 56, 66), quarter ? 3.6 : 2.4,
                                Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(OnCircle(centre, quarter ? 62 : 65, angle), OnCircle(centre, 74, angle));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(96, 96, 106));
            painter.drawEllipse(OnCircle(centre, 72.5, angle), 0.9, 0.9);
        }
    }

    // A small bell above the display and a fine flourish below it.
    DrawBell(painter, QRectF(centre.x() - 9, 40, 18, 22), QColor(214, 170, 64), QColor(116, 80, 20));
    painter.setPen(QPen(QColor(150, 30, 34), 1.2));
    painter.drawLine(QPointF(centre.x() - 16, 126.5), QPointF(centre.x() - 4, 126.5));
    painter.drawLine(QPointF(centre.x() + 4, 126.5), QPointF(centre.x() + 16, 126.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 30, 34));
    painter.drawPolygon(QPolygonF() << QPointF(centre.x(), 123.5) << QPointF(centre.x() + 3, 126.5)
                                    << QPointF(centre.x(), 129.5) << QPointF(centre.x() - 3, 126.5));

    DrawBoxBezel(painter, box, 4.5, QColor(96, 88, 72), QColor(255, 253, 246));

    // Glass: a faint sheen over the upper left of the dial.
    QPainterPath sheen;
    sheen.addEllipse(centre, 77, 77);
    QPainterPath cut;
    cut.addEllipse(centre + QPointF(26, 36), 88, 88);
    QLinearGradient shine(QPointF(30, 20), QPointF(90, 90));
    shine.setColorAt(0, QColor(255, 255, 255, 70));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillPath(sheen.subtracted(cut), shine);
    painter.end();

    QImage picture = FlattenOnKey(canvas, kWhite);
    PlaceDigitBox(picture, box);
    return picture;
}

QImage PlateBackground()
{
    constexpr int kWidth = 206;
    constexpr int kHeight = 70;
    const QPoint box((kWidth - kDigitBoxWidth) / 2, (kHeight - kDigitBoxHeight) / 2);
    const QRectF plate(0.5, 0.5, kWidth - 1.0, kHeight - 1.0);

    QImage canvas = NewCanvas(kWidth, kHeight);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(30, 32, 38));
    painter.drawRoundedRect(plate, 15, 15);
    QPainterPath face;
    face.addRoundedRect(plate.adjusted(1.3, 1.3, -1.3, -1.3), 13.7, 13.7);
    QLinearGradient body(0, 0, 0, kHeight);
    body.setColorAt(0, QColor(238, 240, 244));
    body.setColorAt(0.45, QColor(204, 208, 216));
    body.setColorAt(1, QColor(160, 165, 176));
    painter.fillPath(face, body);

    // Brushed grain: faint light and dark streaks across the plate.
    painter.save();
    painter.setClipPath(face);
    std::mt19937 grain(20240611);
    std::uniform_int_distribution<int> strength(4, 22);
    std::uniform_int_distribution<int> shade(0, 1);
    std::uniform_real_distribution<double> span(0.0, kWidth);
    for (int streak = 0; streak < 160; ++streak) {
        const double y = (streak % kHeight) + 0.5;
        const double from = span(grain);
        const double length = 30 + span(grain) / 2;
        const QColor colour = shade(grain) ? QColor(255, 255, 255, strength(grain))
                                           : QColor(40, 44, 56, strength(grain));
        painter.setPen(QPen(colour, 1.0));
        painter.drawLine(QPointF(from, y), QPointF(from + length, y));
    }
    painter.restore();

    // Bevel: a bright upper lip and a darker lower one.
    QLinearGradient bevel(0, 0, 0, kHeight);
    bevel.setColorAt(0, QColor(255, 255, 255, 200));
    bevel.setColorAt(0.5, QColor(255, 255, 255, 0));
    bevel.setColorAt(0.51, QColor(60, 64, 76, 0));
    bevel.setColorAt(1, QColor(60, 64, 76, 150));
    painter.setPen(QPen(QBrush(bevel), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plate.adjusted(2.4, 2.4, -2.4, -2.4), 12.6, 12.6);

    DrawScrew(painter, QPointF(15, 15), 4.6, 30);
    DrawScrew(painter, QPointF(kWidth - 15, 15), 4.6, 110);
    DrawScrew(painter, QPointF(15, kHeight - 15), 4.6, 75);
    DrawScrew(painter, QPointF(kWidth - 15, kHeight - 15), 4.6, 160);
    DrawLamp(painter, QPointF(31, kHeight / 2.0), 3.2, QColor(60, 200, 90));
    DrawLamp(painter, QPointF(kWidth - 31, kHeight / 2.0), 3.2, QColor(230, 60, 50));

    DrawBoxBezel(painter, box, 5.0, QColor(92, 96, 108), QColor(248, 249, 252));
    painter.end();

    QImage picture = FlattenOnKey(canvas, kMagenta);
    PlaceDigitBox(picture, box);
    return picture;
}

QImage LeafBackground()
{
    constexpr int kWidth = 214;
    constexpr int kHeight = 124;
    constexpr double kLength = 190;
    constexpr double kHalfWidth = 52;
    const QPointF centre(kWidth / 2.0 + 2, kHeight / 2.0);
    const QPoint box(int(centre.x()) - kDigitBoxWidth / 2, int(centre.y()) - 12);

    // The leaf is drawn lying along the x axis from its base (0, 0) to its tip (kLength, 0),
    // then turned a little and centred.
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.rotate(-9);
    place.translate(-kLength / 2, 0);

    const double bulge = kHalfWidth / 0.75;
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(kLength * 0.12, -bulge, kLength * 0.62, -bulge * 0.95, kLength, -2);
    leaf.cubicTo(kLength * 0.66, bulge * 0.92, kLength * 0.14, bulge, 0, 0);
    leaf.closeSubpath();
    leaf = place.map(leaf);

    QImage canvas = NewCanvas(kWidth, kHeight);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);

    // Stalk.
    QPainterPath stalk;
    stalk.moveTo(6, 1);
    stalk.cubicTo(-2, 4, -6, 8, -12, 14);
    stalk = place.map(stalk);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 66, 26), 5.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stalk);
    painter.setPen(QPen(QColor(118, 150, 60), 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stalk);

    // Blade: lit above the midrib, shaded below it.
    QLinearGradient blade(place.map(QPointF(kLength / 2, -kHalfWidth)), place.map(QPointF(kLength / 2, kHalfWidth)));
    blade.setColorAt(0, QColor(168, 216, 96));
    blade.setColorAt(0.48, QColor(104, 176, 70));
    blade.setColorAt(0.52, QColor(76, 150, 58));
    blade.setColorAt(1, QColor(40, 108, 44));
    painter.setPen(QPen(QColor(26, 70, 30), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(blade);
    painter.drawPath(leaf);

    // Midrib and veins.
    painter.save();
    painter.setClipPath(leaf);
    QPainterPath ribs;
    ribs.moveTo(0, 0);
    ribs.cubicTo(kLength * 0.35, 2, kLength * 0.7, 1, kLength - 4, -2);
    for (int i = 0; i < 7; ++i) {
        const double x = 16 + i * 24.0;
        const double reach = kHalfWidth * (1.0 - std::pow((x - kLength * 0.42) / (kLength * 0.62), 2)) * 0.92;
        ribs.moveTo(x, 0.5);
        ribs.quadTo(x + reach * 0.45, -reach * 0.35, x + reach * 0.95, -reach);
        ribs.moveTo(x + 6, 0.5);
        ribs.quadTo(x + 6 + reach * 0.45, reach * 0.35, x + 6 + reach * 0.95, reach);
    }
    ribs = place.map(ribs);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(196, 232, 140, 150), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(ribs);
    painter.restore();

    DrawBoxBezel(painter, box, 4.5, QColor(28, 74, 32), QColor(190, 232, 150));
    painter.end();

    QImage picture = FlattenOnKey(canvas, kCyan);
    PlaceDigitBox(picture, box);
    return picture;
}

QImage FallbackBackground()
{
    constexpr int kWidth = 130;
    constexpr int kHeight = 43;
    const QPoint box((kWidth - kDigitBoxWidth) / 2, (kHeight - kDigitBoxHeight) / 2);

    QImage canvas = NewCanvas(kWidth, kHeight);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(16, 18, 24), 1.2));
    QLinearGradient body(0, 0, 0, kHeight);
    body.setColorAt(0, QColor(92, 100, 116));
    body.setColorAt(1, QColor(44, 48, 58));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(0.6, 0.6, kWidth - 1.2, kHeight - 1.2), 9, 9);
    DrawBoxBezel(painter, box, 3.0, QColor(30, 34, 42), QColor(130, 138, 154));
    painter.end();

    QImage picture = FlattenOnKey(canvas, kMagenta);
    PlaceDigitBox(picture, box);
    return picture;
}
