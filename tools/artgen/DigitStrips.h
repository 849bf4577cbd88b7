// Digit strips (.NUM): ten digits, a colon and an edge piece side by side, 25 pixels high.
#pragma once

#include <QColor>
#include <QImage>

inline constexpr int kGlyphWidth = 15;
inline constexpr int kColonX = 150;
inline constexpr int kColonWidth = 8;
inline constexpr int kLeftEdgeX = 160;
inline constexpr int kStripWidth = 162;
inline constexpr int kStripHeight = 25;

struct StripStyle {
    QColor backgroundTop;    // the display glass, top row
    QColor backgroundBottom; // and bottom row; every column shades the same way
    QColor unlit;            // segments that are off, faintly visible
    QColor lit;
    QColor glow;             // a soft halo round lit segments; transparent for none
    QColor shadow;           // a shadow cast below lit segments; transparent for none
};

// Digit d at x = 15 d, the colon at 150, the left edge piece at 160. The right edge piece is the
// colon's first two columns, so those and the edge piece show only the plain glass.
QImage DigitStrip(const StripStyle &style);

// Green light on a dark display.
StripStyle GreenStyle();
// Amber light on a dark display.
StripStyle AmberStyle();
// Dark segments on a grey-green reflective display.
StripStyle ClassicStyle();
// Pale light on a slate display, for the built-in skin.
StripStyle FallbackStyle();
