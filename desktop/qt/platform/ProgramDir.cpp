// Finds the executable through /proc/self/exe, which works before any application object exists.
#include "platform/ProgramDir.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

QString ExecutablePath()
{
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (!self.isEmpty())
        return self;
    return QCoreApplication::applicationFilePath();
}

QString GetProgramDirectory()
{
    const QString path = ExecutablePath();
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

QString ProgramFile(const QString &name)
{
    return GetProgramDirectory() + QLatin1Char('/') + name;
}

} // namespace platform
