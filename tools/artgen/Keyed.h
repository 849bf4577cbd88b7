// Pictures with a key colour: faces drawn smoothly, then set on the key colour with a hard edge.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

inline constexpr int kDigitBoxWidth = 110;
inline constexpr int kDigitBoxHeight = 25;

// A transparent canvas to draw a face on with anti-aliasing.
QImage NewCanvas(int width, int height);

// Every pixel at least half covered keeps its own (unblended) colour; the rest becomes the key colour.
// No face pixel is left with the key colour or with pure black, so neither cuts holes in the
// window nor forms a stray digit box.
QImage FlattenOnKey(const QImage &canvas, QRgb key);

// Fills the 110 x 25 digit box at the given corner with pure black.
void PlaceDigitBox(QImage &picture, QPoint topLeft);
