// The skins found in the program directory: NAME.BK backgrounds and NAME.NUM digit strips.
#pragma once

#include <QString>
#include <QStringList>

// Names (base names) of the regular files in `directory` whose extension equals `extension`,
// ignoring letter case; directories are skipped. An unreadable directory gives an empty list.
QStringList EnumSkins(const QString &directory, const QString &extension);

// A pseudo-random whole number from low to high inclusive, seeded with the current second.
// Requires low <= high.
int RandomIndex(int low, int high);

// Path of a skin file: directory, "/", name, ".", extension.
QString SkinPath(const QString &directory, const QString &name, const QString &extension);
