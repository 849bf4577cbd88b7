// Small pictures shared by several images: a bell.
#include "tools/artgen/Pictograms.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainterPath>

void DrawBell(QPainter &painter, const QRectF &box, const QColor &metal, const QColor &outline)
{
    const auto at = [&box](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    const double unit = std::min(box.width(), box.height());
    const double line = std::max(0.8, unit / 22.0);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient shine(at(0, 0.5), at(1, 0.5));
    shine.setColorAt(0, metal.darker(112));
    shine.setColorAt(0.3, metal.lighter(140));
    shine.setColorAt(1, metal.darker(150));

    // Clapper, then knob, then body over both.
    painter.setPen(QPen(outline, line));
    painter.setBrush(metal.darker(125));
    painter.drawEllipse(at(0.5, 0.9), unit * 0.09, unit * 0.09);
    painter.setBrush(shine);
    painter.drawEllipse(at(0.5, 0.075), unit * 0.075, unit * 0.075);

    QPainterPath body;
    body.moveTo(at(0.5, 0.13));
    body.cubicTo(at(0.24, 0.13), at(0.2, 0.34), at(0.2, 0.54));
    body.cubicTo(at(0.2, 0.68), at(0.12, 0.74), at(0.03, 0.8));
    body.lineTo(at(0.97, 0.8));
    body.cubicTo(at(0.88, 0.74), at(0.8, 0.68), at(0.8, 0.54));
    body.cubicTo(at(0.8, 0.34), at(0.76, 0.13), at(0.5, 0.13));
    body.closeSubpath();
    painter.setPen(QPen(outline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(body);

    // The lip of the bell.
    const QRectF lip(at(0.0, 0.77), at(1.0, 0.86));
    painter.drawRoundedRect(lip, lip.height() / 2, lip.height() / 2);

    painter.restore();
}
