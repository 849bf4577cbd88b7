// The skins found in the program directory: NAME.BK backgrounds and NAME.NUM digit strips.
#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

struct SkinPick {
    QString name; // as listed
    QString path;
};

// The skins of EnumSkins with the path of each one's file.
QList<SkinPick> EnumSkinFiles(const QString &directory, const QString &extension);

// The skins of `extension` in `directories`, searched in order: a name found in an earlier one
// hides the same name (ignoring letter case) in later ones; more than one folder gives the names
// sorted without regard to case.
QList<SkinPick> ListSkinFiles(const QStringList &directories, const QString &extension);

// Names (base names) of the regular files in `directory` whose extension equals `extension`,
// ignoring letter case; directories are skipped. Names that differ only in letter case are listed
// once. An unreadable directory gives an empty list.
QStringList EnumSkins(const QString &directory, const QString &extension);

// A pseudo-random whole number from low to high inclusive, seeded with the current second.
// Requires low <= high.
int RandomIndex(int low, int high);

// Full path of the file of skin `name` with `extension` in `directory`, both compared without
// regard to letter case and the file's own name kept: "classic" finds "Classic.bk". A file whose
// name matches exactly is preferred. Empty when there is none.
QString FindSkinFile(const QString &directory, const QString &name, const QString &extension);

// True when the skin file at `path` is a picture the clock can show: the BMP reader takes it,
// and a background (extension "BK", any letter case) has a width and a height.
bool IsUsableSkin(const QString &path, const QString &extension);

// The names of the skins whose files are usable, in their order.
QStringList UsableSkins(const QList<SkinPick> &skins, const QString &extension);

// The skin to show: `configured` when it is set and usable, otherwise the listed skins from
// position `start` on (wrapping round), skipping the ones `usable` refuses. Nothing when no
// skin of the list is usable. `locate` gives a named skin's file path, empty when it has none.
std::optional<SkinPick> PickSkin(const std::function<QString(const QString &name)> &locate, const QStringList &names,
                                 const QString &configured,
                                 const QString &extension, int start,
                                 const std::function<bool(const QString &path)> &usable);
