// Digit strips (.NUM): ten display digits, a colon and an edge piece side by side.
#include "tools/artgen/DigitStrips.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/artgen/Glyphs.h"

namespace {

constexpr double kSegmentThickness = 2.4;

QPainterPath Segments(const QRectF &cell, const SegmentSet &which, bool wanted)
{
    const auto shapes = SegmentShapes(cell, kSegmentThickness);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (which[i] == wanted)
            path.addPolygon(shapes[i]);
    }
    path.closeSubpath();
    return path;
}

// Fills a lit shape with its shadow, halo and a light that fades a little towards the bottom.
void DrawLit(QPainter &painter, const QPainterPath &shape, const StripStyle &style)
{
    if (style.shadow.alpha() > 0)
        painter.fillPath(shape.translated(0.8, 0.9), style.shadow);
    if (style.glow.alpha() > 0) {
        painter.setPen(QPen(style.glow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
        painter.setPen(Qt::NoPen);
    }
    QLinearGradient light(0, 0, 0, kStripHeight);
    light.setColorAt(0, style.lit.lighter(112));
    light.setColorAt(1, style.lit.darker(108));
    painter.fillPath(shape, light);
}

} // namespace

QImage DigitStrip(const StripStyle &style)
{
    QImage strip(kStripWidth, kStripHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&strip);

    QLinearGradient glass(0, 0, 0, kStripHeight);
    glass.setColorAt(0, style.backgroundTop);
    glass.setColorAt(1, style.backgroundBottom);
    painter.fillRect(strip.rect(), glass);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int digit = 0; digit <= 9; ++digit) {
        const QRectF cell(kGlyphWidth * digit, 0, kGlyphWidth, kStripHeight);
        const SegmentSet lit = SegmentsOf(digit);
        painter.save();
        painter.setClipRect(cell);
        painter.fillPath(Segments(cell, lit, false), style.unlit);
        DrawLit(painter, Segments(cell, lit, true), style);
        painter.restore();
    }

    // Two square dots centred in the colon cell, leaning like the digits; the first two columns
    // of the cell stay plain because they double as the right edge piece.
    painter.save();
    painter.setClipRect(QRectF(kColonX + 2, 0, kColonWidth - 2, kStripHeight));
    const double centre = kColonX + kColonWidth / 2.0;
    QPainterPath dots;
    dots.addRect(QRectF(centre - 1.1 + 0.06 * 4.5, 7.4, 2.2, 2.4));
    dots.addRect(QRectF(centre - 1.1 - 0.06 * 4.5, 15.4, 2.2, 2.4));
    DrawLit(painter, dots, style);
    painter.restore();

    painter.end();
    return strip.convertToFormat(QImage::Format_RGB32);
}

StripStyle GreenStyle()
{
    return {QColor(12, 34, 22), QColor(5, 18, 11), QColor(22, 50, 32), QColor(110, 255, 150),
            QColor(60, 230, 110, 80), QColor(0, 0, 0, 0)};
}

StripStyle AmberStyle()
{
    return {QColor(38, 22, 9), QColor(20, 11, 4), QColor(58, 36, 16), QColor(255, 186, 64),
            QColor(255, 140, 20, 80), QColor(0, 0, 0, 0)};
}

StripStyle ClassicStyle()
{
    return {QColor(186, 198, 168), QColor(156, 170, 140), QColor(170, 183, 154), QColor(34, 42, 38),
            QColor(0, 0, 0, 0), QColor(90, 104, 80, 110)};
}

StripStyle FallbackStyle()
{
    return {QColor(32, 36, 44), QColor(18, 20, 26), QColor(42, 47, 56), QColor(226, 234, 242),
            QColor(160, 190, 230, 60), QColor(0, 0, 0, 0)};
}
