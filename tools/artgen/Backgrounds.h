// Background skins (.BK): clock faces on a key colour, each with one black 110 x 25 digit box.
#pragma once

#include <QImage>

// A round face with a metal bezel and hour marks, on white.
QImage ClassicBackground();
// A brushed metal plate with rounded corners, screws and two lamps, on magenta.
QImage PlateBackground();
// A green leaf with its veins, on cyan.
QImage LeafBackground();
// A small slate plate on magenta, for the built-in skin.
QImage FallbackBackground();
