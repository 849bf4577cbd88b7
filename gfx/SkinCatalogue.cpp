// Lists the skin files of a directory, builds their paths and picks one at random.
#include "gfx/SkinCatalogue.h"

#include <cstdlib>
#include <ctime>

#include <QDir>
#include <QFileInfo>

QStringList EnumSkins(const QString &directory, const QString &extension)
{
    QStringList names;
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
        names.append(fileName.left(dot));
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

QString SkinPath(const QString &directory, const QString &name, const QString &extension)
{
    return directory + QLatin1Char('/') + name + QLatin1Char('.') + extension;
}
