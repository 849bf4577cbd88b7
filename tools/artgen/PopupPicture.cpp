// The reminder popup picture: a note card with a bell, on a magenta key colour.
#include "tools/artgen/PopupPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/artgen/Keyed.h"
#include "tools/artgen/Pictograms.h"

namespace {

constexpr QRgb kMagenta = 0xffff00ff;
const QColor kPaper(255, 251, 232);
constexpr double kHeaderBottom = 61.5;

void DrawSparkle(QPainter &painter, QPointF at, double size)
{
    QPainterPath star;
    star.moveTo(at.x(), at.y() - size);
    star.quadTo(at, QPointF(at.x() + size, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() + size));
    star.quadTo(at, QPointF(at.x() - size, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() - size));
    painter.fillPath(star, QColor(255, 255, 240, 230));
}

} // namespace

QImage PopupPicture(const QColor &header)
{
    QImage canvas = NewCanvas(kPopupWidth, kPopupHeight);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF card(1.5, 1.5, kPopupWidth - 3.0, kPopupHeight - 3.0);
    QPainterPath outline;
    outline.addRoundedRect(card, 10, 10);
    painter.fillPath(outline, kPaper);

    // Header band with a soft light from above.
    QPainterPath band;
    band.addRect(QRectF(0, 0, kPopupWidth, kHeaderBottom));
    band = band.intersected(outline);
    QLinearGradient sky(0, 0, 0, kHeaderBottom);
    sky.setColorAt(0, header.lighter(125));
    sky.setColorAt(1, header.darker(108));
    painter.fillPath(band, sky);
    painter.setPen(QPen(header.darker(140), 1.0));
    painter.drawLine(QPointF(1.5, kHeaderBottom + 0.5), QPointF(kPopupWidth - 1.5, kHeaderBottom + 0.5));
    painter.setPen(QPen(QColor(255, 236, 190), 1.0));
    painter.drawLine(QPointF(1.5, kHeaderBottom + 1.5), QPointF(kPopupWidth - 1.5, kHeaderBottom + 1.5));

    // The ringing bell: tilted a little, with sound marks either side.
    const QPointF bellCentre(kPopupWidth / 2.0, 31);
    painter.save();
    painter.translate(bellCentre);
    painter.rotate(-12);
    DrawBell(painter, QRectF(-19, -23, 38, 46), QColor(250, 204, 72), QColor(112, 74, 14));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int ring = 0; ring < 2; ++ring) {
        const double radius = 27 + ring * 7;
        const QRectF arc(bellCentre.x() - radius, bellCentre.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(arc, 16 * 150, 16 * 40);
        painter.drawArc(arc, 16 * -10, 16 * 40);
    }
    DrawSparkle(painter, QPointF(17, 14), 4.5);
    DrawSparkle(painter, QPointF(103, 50), 3.5);
    DrawSparkle(painter, QPointF(100, 12), 2.5);

    // Card edge drawn last so it stays crisp over the header.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(112, 86, 48), 1.6));
    painter.drawPath(outline);
    painter.end();

    QImage picture = FlattenOnKey(canvas, kMagenta);
    QPainter plain(&picture);
    plain.fillRect(kPopupTextBox, kPaper);
    return picture;
}
