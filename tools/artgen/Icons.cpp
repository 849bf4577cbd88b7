// The program icon, the day-of-month tray icons and the arrow cursor.
#include "tools/artgen/Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/artgen/Glyphs.h"
#include "tools/artgen/Keyed.h"

namespace {

const QColor kHeaderRed(214, 50, 42);
const QColor kEdge(70, 72, 80);

// A binder ring crossing the top of the page.
void DrawRing(QPainter &painter, const QRectF &ring)
{
    QLinearGradient metal(ring.topLeft(), ring.topRight());
    metal.setColorAt(0, QColor(120, 124, 134));
    metal.setColorAt(0.4, QColor(236, 238, 242));
    metal.setColorAt(1, QColor(90, 94, 104));
    painter.setPen(QPen(QColor(40, 42, 48), 0.8));
    painter.setBrush(metal);
    painter.drawRoundedRect(ring, ring.width() / 2, ring.width() / 2);
}

// A white page with a red band at the top, a soft shadow and two rings, in 32-unit coordinates.
void DrawPage(QPainter &painter, const QRectF &page, double bandHeight)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(page.translated(1.2, 1.2), 2.5, 2.5);

    QPainterPath sheet;
    sheet.addRoundedRect(page, 2.5, 2.5);
    painter.fillPath(sheet, QColor(255, 255, 255));
    QPainterPath band;
    band.addRect(QRectF(page.left(), page.top(), page.width(), bandHeight));
    painter.fillPath(band.intersected(sheet), kHeaderRed);
    painter.setPen(QPen(kEdge, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sheet);

    const double ringWidth = 3.0;
    DrawRing(painter, QRectF(page.left() + page.width() * 0.28 - ringWidth / 2, page.top() - 3.5, ringWidth, 7.5));
    DrawRing(painter, QRectF(page.left() + page.width() * 0.72 - ringWidth / 2, page.top() - 3.5, ringWidth, 7.5));
}

} // namespace

QImage ProgramIconImage(int size)
{
    QImage icon = NewCanvas(size, size);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // The wooden stand the calendar leans on.
    QLinearGradient wood(0, 25, 0, 31);
    wood.setColorAt(0, QColor(170, 112, 62));
    wood.setColorAt(1, QColor(110, 66, 32));
    painter.setPen(QPen(QColor(70, 40, 18), 0.9));
    painter.setBrush(wood);
    painter.drawPolygon(QPolygonF() << QPointF(5, 25.5) << QPointF(27, 25.5) << QPointF(30.5, 30.5)
                                    << QPointF(1.5, 30.5));

    const QRectF page(4.5, 4.5, 23, 22);
    DrawPage(painter, page, 6);

    // Rows of days, today marked in red.
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            const QRectF cell(6.8 + column * 3.9, 13.2 + row * 3.9, 2.8, 2.6);
            const bool today = row == 1 && column == 3;
            painter.setBrush(today ? kHeaderRed : QColor(150, 156, 170));
            painter.drawRect(cell);
        }
    }
    return icon;
}

QImage DayIconImage(int day)
{
    QImage icon = NewCanvas(32, 32);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF page(2.5, 4.5, 26, 26);
    DrawPage(painter, page, 4);

    // The day in bold stroked digits, centred below the band.
    const double digitWidth = 8.6;
    const double digitHeight = 15.0;
    const double gap = 2.2;
    const int tens = day / 10;
    const int units = day % 10;
    const int count = tens > 0 ? 2 : 1;
    const double total = count * digitWidth + (count - 1) * gap;
    double left = page.center().x() - total / 2;
    const double top = 11.8;
    painter.setPen(QPen(QColor(0, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (tens > 0) {
        painter.drawPath(StrokeDigit(tens, QRectF(left, top, digitWidth, digitHeight)));
        left += digitWidth + gap;
    }
    painter.drawPath(StrokeDigit(units, QRectF(left, top, digitWidth, digitHeight)));
    return icon;
}

QImage ArrowCursorImage()
{
    // Laid out pixel by pixel so the one-pixel outline stays crisp: corners are pixel centres.
    QPolygonF arrow;
    arrow << QPointF(0, 0) << QPointF(0, 23) << QPointF(5, 18) << QPointF(9, 27) << QPointF(13, 25)
          << QPointF(9.4, 16) << QPointF(16, 16);
    constexpr int kSize = 32;
    const auto inside = [&arrow](int x, int y) {
        return x >= 0 && y >= 0 && x < kSize && y < kSize
            && arrow.containsPoint(QPointF(x + 0.01, y + 0.02), Qt::OddEvenFill);
    };
    const auto edge = [&inside](int x, int y) {
        if (!inside(x, y))
            return false;
        return !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
    };

    // Lit from the upper left: pale next to the upper and left outline, olive towards the
    // lower and right outline.
    const QRgb black = qRgba(0, 0, 0, 255);
    const QRgb yellow = qRgba(252, 222, 24, 255);
    const QRgb pale = qRgba(255, 248, 150, 255);
    const QRgb olive = qRgba(128, 120, 0, 255);
    QImage cursor(kSize, kSize, QImage::Format_ARGB32);
    cursor.fill(Qt::transparent);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!inside(x, y))
                continue;
            QRgb colour = yellow;
            if (edge(x, y))
                colour = black;
            else if (edge(x + 1, y) || edge(x, y + 1))
                colour = olive;
            else if (edge(x - 1, y) || edge(x, y - 1))
                colour = pale;
            cursor.setPixel(x, y, colour);
        }
    }
    return cursor;
}
