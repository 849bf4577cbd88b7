// The reminder popup picture: a note card with a bell, on a magenta key colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

inline constexpr int kPopupWidth = 122;
inline constexpr int kPopupHeight = 130;

// Where the program writes the message: left 6, top 67, right 116, bottom 124 (exclusive).
inline constexpr QRect kPopupTextBox(6, 67, 110, 57);

// A card with a coloured header holding a ringing bell above a plain paper area for the text.
QImage PopupPicture(const QColor &header);
