// Digit shapes drawn from vectors, so the pictures never depend on installed fonts.
#pragma once

#include <array>

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

// The seven segments of a display digit, in the order top, upper right, lower right, bottom,
// lower left, upper left, middle.
using SegmentSet = std::array<bool, 7>;

// Which segments a digit 0..9 lights.
SegmentSet SegmentsOf(int digit);

// The outlines of the seven segments inside a cell, leaning slightly to the right.
std::array<QPolygonF, 7> SegmentShapes(const QRectF &cell, double thickness);

// The centre line of a handwritten-style digit 0..9 scaled into the box, to be stroked with a round pen.
QPainterPath StrokeDigit(int digit, const QRectF &box);
