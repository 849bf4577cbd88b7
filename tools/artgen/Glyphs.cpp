// Digit shapes drawn from vectors: seven-segment display digits and stroked digits.
#include "tools/artgen/Glyphs.h"

#include <QTransform>

namespace {

// A segment from a to b with pointed ends, shortened by a small gap at each end.
QPolygonF SegmentPolygon(QPointF a, QPointF b, double thickness)
{
    const double gap = thickness * 0.2;
    const double half = thickness / 2;
    QPolygonF shape;
    if (a.y() == b.y()) {
        const double left = a.x() + gap;
        const double right = b.x() - gap;
        const double y = a.y();
        shape << QPointF(left, y) << QPointF(left + half, y - half) << QPointF(right - half, y - half)
              << QPointF(right, y) << QPointF(right - half, y + half) << QPointF(left + half, y + half);
    } else {
        const double top = a.y() + gap;
        const double bottom = b.y() - gap;
        const double x = a.x();
        shape << QPointF(x, top) << QPointF(x + half, top + half) << QPointF(x + half, bottom - half)
              << QPointF(x, bottom) << QPointF(x - half, bottom - half) << QPointF(x - half, top + half);
    }
    return shape;
}

} // namespace

SegmentSet SegmentsOf(int digit)
{
    //                                         a  b  c  d  e  f  g
    static constexpr bool kTable[10][7] = {{1, 1, 1, 1, 1, 1, 0}, {0, 1, 1, 0, 0, 0, 0},
                                           {1, 1, 0, 1, 1, 0, 1}, {1, 1, 1, 1, 0, 0, 1},
                                           {0, 1, 1, 0, 0, 1, 1}, {1, 0, 1, 1, 0, 1, 1},
                                           {1, 0, 1, 1, 1, 1, 1}, {1, 1, 1, 0, 0, 0, 0},
                                           {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 0, 1, 1}};
    SegmentSet set{};
    if (digit < 0 || digit > 9)
        return set;
    for (int i = 0; i < 7; ++i)
        set[std::size_t(i)] = kTable[digit][i];
    return set;
}

std::array<QPolygonF, 7> SegmentShapes(const QRectF &cell, double thickness)
{
    const double margin = thickness / 2 + 1.3;
    const double left = cell.left() + margin;
    const double right = cell.right() - margin;
    const double top = cell.top() + margin;
    const double bottom = cell.bottom() - margin;
    const double middle = (top + bottom) / 2;

    std::array<QPolygonF, 7> shapes = {
        SegmentPolygon({left, top}, {right, top}, thickness),
        SegmentPolygon({right, top}, {right, middle}, thickness),
        SegmentPolygon({right, middle}, {right, bottom}, thickness),
        SegmentPolygon({left, bottom}, {right, bottom}, thickness),
        SegmentPolygon({left, middle}, {left, bottom}, thickness),
        SegmentPolygon({left, top}, {left, middle}, thickness),
        SegmentPolygon({left, middle}, {right, middle}, thickness),
    };

    // Lean the digit: shift each point right in proportion to its height above the middle.
    const double lean = 0.06;
    const QTransform slant(1, 0, -lean, 1, lean * middle, 0);
    for (QPolygonF &shape : shapes)
        shape = slant.map(shape);
    return shapes;
}

QPainterPath StrokeDigit(int digit, const QRectF &box)
{
    // Drawn in a 6 x 10 design box, then scaled into the given box.
    QPainterPath path;
    switch (digit) {
    case 0:
        path.addEllipse(QRectF(0.3, 0, 5.4, 10));
        break;
    case 1:
        path.moveTo(1.0, 2.2);
        path.lineTo(3.6, 0);
        path.lineTo(3.6, 10);
        break;
    case 2:
        path.moveTo(0.5, 2.6);
        path.cubicTo(0.7, -0.6, 5.7, -0.6, 5.6, 2.8);
        path.cubicTo(5.5, 5.0, 2.0, 6.8, 0.3, 10);
        path.lineTo(5.8, 10);
        break;
    case 3:
        path.moveTo(0.5, 1.4);
        path.cubicTo(2.4, -0.7, 5.7, 0.1, 5.5, 2.6);
        path.cubicTo(5.3, 4.4, 3.7, 4.8, 2.4, 4.8);
        path.cubicTo(4.3, 4.8, 5.9, 5.7, 5.8, 7.3);
        path.cubicTo(5.7, 10.4, 1.7, 10.6, 0.3, 8.6);
        break;
    case 4:
        path.moveTo(4.4, 10);
        path.lineTo(4.4, 0);
        path.lineTo(0.2, 7.0);
        path.lineTo(5.9, 7.0);
        break;
    case 5:
        path.moveTo(5.4, 0);
        path.lineTo(1.2, 0);
        path.lineTo(0.8, 4.4);
        path.cubicTo(2.2, 3.4, 5.8, 3.4, 5.8, 6.8);
        path.cubicTo(5.8, 10.4, 1.6, 10.6, 0.3, 8.7);
        break;
    case 6:
        path.moveTo(5.0, 0.3);
        path.cubicTo(2.4, 0.8, 0.3, 3.4, 0.3, 6.8);
        path.addEllipse(QRectF(0.3, 3.8, 5.4, 6.2));
        break;
    case 7:
        path.moveTo(0.2, 0);
        path.lineTo(5.8, 0);
        path.lineTo(2.0, 10);
        break;
    case 8:
        path.addEllipse(QRectF(0.8, 0, 4.4, 4.6));
        path.addEllipse(QRectF(0.3, 4.6, 5.4, 5.4));
        break;
    case 9:
        path.addEllipse(QRectF(0.3, 0, 5.4, 6.2));
        path.moveTo(5.7, 3.2);
        path.cubicTo(5.7, 6.6, 3.6, 9.2, 1.0, 9.7);
        break;
    default:
        break;
    }
    QTransform scale;
    scale.translate(box.left(), box.top());
    scale.scale(box.width() / 6.0, box.height() / 10.0);
    return scale.map(path);
}
