// Pictures compiled into the program: icons, the arrow cursor and the built-in fallback skin.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

// Registers the resources of this static library; call once before any other function here.
void InitResources();

// The program icon: a desk calendar, at 16, 32 and 48 pixels.
QIcon ProgramIcon();

// The tray icon for a day of the month (1..31): a calendar page with the day in large digits.
// A day outside 1..31 gives a null icon.
QIcon DayIcon(int day);

// The yellow arrow cursor with its hot spot at the tip (0, 0). Needs a QGuiApplication.
QCursor ArrowCursor();

// Resource paths of the built-in skin used when the program directory holds no usable one.
QString FallbackBackgroundPath();
QString FallbackDigitsPath();
QString FallbackPopupPath();
