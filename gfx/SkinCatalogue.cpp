// Lists the skin files of a directory, builds their paths and picks one at random.
#include "gfx/SkinCatalogue.h"

#include <cstdlib>
#include <ctime>

#include <QDir>
#include <QFileInfo>

QStringList EnumSkins(const QString &directory, const QString &extension)
{
    QStringList names;
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
        names.append(name);
    }
    return names;
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
