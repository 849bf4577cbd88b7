// Small pictures shared by several images: a bell.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// A hand bell with its clapper filling the box, lit from the left.
void DrawBell(QPainter &painter, const QRectF &box, const QColor &metal, const QColor &outline);
