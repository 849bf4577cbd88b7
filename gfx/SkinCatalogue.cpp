// Lists the skin files of a directory, builds their paths and picks one at random.
#include "gfx/SkinCatalogue.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "gfx/BitmapFile.h"
#include "gfx/Dib.h"

QList<SkinPick> EnumSkinFiles(const QString &directory, const QString &extension)
{
    QList<SkinPick> skins;
    QStringList folded;
    const QDir dir(directory);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString fileName = entry.fileName();
        const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
        if (dot <= 0)
            continue;
        if (fileName.mid(dot + 1).compare(extension, Qt::CaseInsensitive) != 0)
            continue;
        const QString name = fileName.left(dot);
        if (folded.contains(name.toCaseFolded()))
            continue;
        folded.append(name.toCaseFolded());
        skins.append({name, entry.filePath()});
    }
    return skins;
}

QStringList EnumSkins(const QString &directory, const QString &extension)
{
    QStringList names;
    for (const SkinPick &skin : EnumSkinFiles(directory, extension))
        names.append(skin.name);
    return names;
}

QList<SkinPick> ListSkinFiles(const QStringList &directories, const QString &extension)
{
    if (directories.size() == 1)
        return EnumSkinFiles(directories.first(), extension);
    QList<SkinPick> skins;
    QStringList folded;
    for (const QString &dir : directories) {
        for (const SkinPick &skin : EnumSkinFiles(dir, extension)) {
            if (folded.contains(skin.name.toCaseFolded()))
                continue;
            folded.append(skin.name.toCaseFolded());
            skins.append(skin);
        }
    }
    std::stable_sort(skins.begin(), skins.end(), [](const SkinPick &a, const SkinPick &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return skins;
}

int RandomIndex(int low, int high)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    if (high <= low)
        return low;
    const long long span = static_cast<long long>(high) - low + 1;
    return static_cast<int>(low + std::rand() % span);
}

QString FindSkinFile(const QString &directory, const QString &name, const QString &extension)
{
    const QString wanted = name + QLatin1Char('.') + extension;
    const QFileInfoList entries = QDir(directory).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    QString found;
    for (const QFileInfo &entry : entries) {
        const QString fileName = entry.fileName();
        if (fileName.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        if (fileName.startsWith(name))
            return entry.filePath();
        if (found.isEmpty())
            found = entry.filePath();
    }
    return found;
}

bool IsUsableSkin(const QString &path, const QString &extension)
{
    // The reader first: the header reader tells the user about a file that is no bitmap at all.
    QImage picture;
    if (!LoadBitmapFile(path, picture))
        return false;
    if (extension.compare(QLatin1String("BK"), Qt::CaseInsensitive) != 0)
        return true;
    const CDib dib(path);
    return dib.IsLoaded() && dib.Width() > 0 && dib.Height() != 0;
}

QStringList UsableSkins(const QList<SkinPick> &skins, const QString &extension)
{
    QStringList usable;
    for (const SkinPick &skin : skins) {
        if (IsUsableSkin(skin.path, extension))
            usable.append(skin.name);
    }
    return usable;
}

std::optional<SkinPick> PickSkin(const std::function<QString(const QString &name)> &locate, const QStringList &names,
                                 const QString &configured,
                                 const QString &extension, int start,
                                 const std::function<bool(const QString &path)> &usable)
{
    QStringList order;
    if (!configured.isEmpty())
        order.append(configured);
    for (qsizetype i = 0; i < names.size(); ++i)
        order.append(names.at((start + i) % names.size()));
    for (const QString &candidate : order) {
        const QString path = locate(candidate);
        if (!path.isEmpty() && usable(path)) {
            const QString fileName = QFileInfo(path).fileName();
            return SkinPick{fileName.left(fileName.size() - extension.size() - 1), path};
        }
    }
    return std::nullopt;
}
