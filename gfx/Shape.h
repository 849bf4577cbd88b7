// Window outlines cut from pictures, and the digit box of a background.
#pragma once

#include <optional>

#include <QImage>
#include <QPoint>
#include <QRegion>

// The pixels of the picture whose colour differs from its top-left pixel, built from row runs.
// A null picture gives an empty region.
QRegion OutlineRegion(const QImage &picture);

// The digit box marker: a position where columns x and x + 109 are black for rows y .. y + 24.
// The last passing position in column-major scan order (largest x, then largest y) wins.
// Nothing is found when the top-left pixel is itself black.
std::optional<QPoint> FindDigitBox(const QImage &picture);
