// The portable or installed layout of the core, in Qt's terms.
#include "platform/AppPaths.h"

#include <QDir>

#include <unistd.h>

#include "core/paths/AppFolders.h"
#include "core/pictures/SkinCatalogue.h"
#include "gfx/QtPictures.h"
#include "platform/IniFile.h"
#include "platform/ProgramDir.h"

namespace platform {

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
    const core::AppFolders folders = core::ResolveXdgFolders(
        {FsPath(programDirectory), FsPath(env.home), env.xdgConfigHome.toStdString(), env.xdgDataHome.toStdString(), env.root});
    AppPaths paths = Portable(programDirectory, gfx::QtPath(folders.autostartDir));
    if (!folders.installed)
        return paths;
    paths.m_bInstalled = true;
    paths.m_strConfigDir = gfx::QtPath(folders.configDir);
    paths.m_arrSkinDirs.clear();
    for (const std::filesystem::path &dir : folders.skinDirs)
        paths.m_arrSkinDirs.append(gfx::QtPath(dir));
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
    return gfx::QtPath(core::FindDataFile(SkinFolders(), FsPath(fileName)));
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
