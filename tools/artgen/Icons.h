// The program icon, the day-of-month tray icons and the arrow cursor.
#pragma once

#include <QImage>

// A desk calendar at the given size (16, 32, 48 ...).
QImage ProgramIconImage(int size);
// A 32 x 32 calendar page with two rings at the top and the day (1..31) in large black digits.
QImage DayIconImage(int day);
// A 32 x 32 yellow arrow with olive shading and a black outline; its tip is pixel (0, 0).
QImage ArrowCursorImage();
