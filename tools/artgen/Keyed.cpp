// Pictures with a key colour: faces drawn smoothly, then set on the key colour with a hard edge.
#include "tools/artgen/Keyed.h"

#include <QColor>
#include <QPainter>

QImage NewCanvas(int width, int height)
{
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QImage FlattenOnKey(const QImage &canvas, QRgb key)
{
    const QImage source = canvas.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    const QRgb keyRgb = key & RGB_MASK;
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(in[x]) < 128) {
                line[x] = 0xff000000 | keyRgb;
                continue;
            }
            int red = qRed(in[x]);
            int green = qGreen(in[x]);
            int blue = qBlue(in[x]);
            if ((qRgb(red, green, blue) & RGB_MASK) == keyRgb)
                blue += blue > 0 ? -1 : 1;
            if (red == 0 && green == 0 && blue == 0)
                red = green = blue = 8;
            line[x] = qRgb(red, green, blue);
        }
    }
    return out;
}

void PlaceDigitBox(QImage &picture, QPoint topLeft)
{
    QPainter painter(&picture);
    painter.fillRect(topLeft.x(), topLeft.y(), kDigitBoxWidth, kDigitBoxHeight, QColor(0, 0, 0));
}
