// The choice between the portable and the installed layout, and the XDG base folders.
#include "platform/AppPaths.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include "core/pictures/SkinCatalogue.h"
#include "gfx/QtPictures.h"
#include "platform/IniFile.h"
#include "platform/AutoStart.h"
#include "platform/ProgramDir.h"

namespace platform {

namespace {

// An XDG base folder: the variable when it holds an absolute path, else the default under HOME.
QString BaseFolder(const QString &value, const QString &home, const QString &fallback)
{
    if (QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(home + QLatin1Char('/') + fallback);
}

} // namespace

PathEnvironment CurrentPathEnvironment()
{
    PathEnvironment env;
    env.home = qEnvironmentVariable("HOME", QDir::homePath());
    env.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    env.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    env.root = geteuid() == 0;
    return env;
}

AppPaths AppPaths::Portable(const QString &programDirectory, const QString &autostartFolder)
{
    AppPaths paths;
    paths.m_strProgramDir = programDirectory;
    paths.m_strConfigDir = programDirectory;
    paths.m_strAutostart = autostartFolder;
    paths.m_arrSkinDirs = {programDirectory};
    return paths;
}

AppPaths AppPaths::Resolve(const QString &programDirectory, const PathEnvironment &env)
{
    const QString configHome = BaseFolder(env.xdgConfigHome, env.home, QStringLiteral(".config"));
    const QString autostart = env.root ? AutoStart::SystemFolder() : configHome + QStringLiteral("/autostart");
    const QString shared = QDir::cleanPath(programDirectory + QStringLiteral("/../share/dovetock"));
    if (QFileInfo(QDir::cleanPath(programDirectory)).fileName() != QLatin1String("bin")
        || !QFileInfo(shared).isDir())
        return Portable(programDirectory, autostart);

    AppPaths paths;
    paths.m_bInstalled = true;
    paths.m_strProgramDir = programDirectory;
    paths.m_strConfigDir = configHome + QStringLiteral("/dovetock");
    paths.m_strAutostart = autostart;
    const QString dataHome = BaseFolder(env.xdgDataHome, env.home, QStringLiteral(".local/share"));
    paths.m_arrSkinDirs = {dataHome + QStringLiteral("/dovetock/skins"), shared};
    return paths;
}

AppPaths AppPaths::ForThisProgram()
{
    return Resolve(GetProgramDirectory(), CurrentPathEnvironment());
}

QString AppPaths::ConfigFile(const QString &name) const
{
    return m_strConfigDir + QLatin1Char('/') + name;
}

bool AppPaths::MakeConfigDirectory() const
{
    return QDir().mkpath(m_strConfigDir);
}

QString AppPaths::DataFile(const QString &fileName) const
{
    for (const QString &dir : m_arrSkinDirs) {
        const QString path = dir + QLatin1Char('/') + fileName;
        if (QFileInfo::exists(path))
            return path;
    }
    return m_arrSkinDirs.last() + QLatin1Char('/') + fileName;
}

std::vector<std::filesystem::path> AppPaths::SkinFolders() const
{
    std::vector<std::filesystem::path> folders;
    for (const QString &dir : m_arrSkinDirs)
        folders.push_back(FsPath(dir));
    return folders;
}

QStringList AppPaths::Skins(const QString &extension) const
{
    QStringList names;
    for (const core::SkinPick &skin : core::ListSkinFiles(SkinFolders(), extension.toStdString()))
        names.append(QString::fromStdString(skin.name));
    return names;
}

QStringList AppPaths::UsableSkins(const QString &extension) const
{
    QStringList names;
    const std::string ext = extension.toStdString();
    for (const std::string &name : core::UsableSkins(core::ListSkinFiles(SkinFolders(), ext), ext))
        names.append(QString::fromStdString(name));
    return names;
}

QString AppPaths::SkinFolder(const QString &name, const QString &extension) const
{
    for (qsizetype i = 0; i + 1 < m_arrSkinDirs.size(); ++i) {
        for (const std::string &skin : core::EnumSkins(FsPath(m_arrSkinDirs[i]), extension.toStdString())) {
            if (core::SameSkinName(skin, name.toStdString()))
                return m_arrSkinDirs[i];
        }
    }
    return m_arrSkinDirs.last();
}

QString AppPaths::SkinFile(const QString &name, const QString &extension) const
{
    return gfx::QtPath(core::FindSkinFile(FsPath(SkinFolder(name, extension)), name.toStdString(), extension.toStdString()));
}

} // namespace platform
