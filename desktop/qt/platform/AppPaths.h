// Where the program finds its files and keeps the user's: beside the executable (a portable
// copy), or in the shared and per-user folders of an installed program.
#pragma once

#include <filesystem>
#include <vector>

#include <QString>
#include <QStringList>

namespace platform {

// The parts of the environment that decide the folders.
struct PathEnvironment {
    QString home;          // $HOME
    QString xdgConfigHome; // $XDG_CONFIG_HOME, may be empty
    QString xdgDataHome;   // $XDG_DATA_HOME, may be empty
    bool root = false;     // effective user id 0
};

// The running process's environment.
PathEnvironment CurrentPathEnvironment();

class AppPaths {
public:
    // Everything in `programDirectory`; the logon entry goes to `autostartFolder`.
    static AppPaths Portable(const QString &programDirectory, const QString &autostartFolder);
    // The folders for a program in `programDirectory`: installed when that folder is named "bin"
    // and has "../share/dovetock/" beside it, else portable.
    static AppPaths Resolve(const QString &programDirectory, const PathEnvironment &env);
    // The running program's folders.
    static AppPaths ForThisProgram();

    bool Installed() const { return m_bInstalled; }
    const QString &ProgramDirectory() const { return m_strProgramDir; }
    // Holds config.ini and notify.dat.
    const QString &ConfigDirectory() const { return m_strConfigDir; }
    const QString &AutostartFolder() const { return m_strAutostart; }
    // Skin folders in the order they are searched: the user's before the shipped one.
    const QStringList &SkinDirectories() const { return m_arrSkinDirs; }
    std::vector<std::filesystem::path> SkinFolders() const;

    // A file of the configuration folder: folder, "/", name.
    QString ConfigFile(const QString &name) const;
    // Creates the configuration folder if it is missing; false when it cannot be.
    bool MakeConfigDirectory() const;
    // A data file by name: the first skin folder that has it, else the path in the last one.
    QString DataFile(const QString &fileName) const;
    // Skin names of the given extension in all skin folders; a name found in an earlier folder
    // hides the same name (ignoring letter case) in later ones.
    QStringList Skins(const QString &extension) const;
    // The names of Skins whose files are pictures the clock can show.
    QStringList UsableSkins(const QString &extension) const;
    // The folder a named skin is taken from: the first one that lists it, else the last one.
    QString SkinFolder(const QString &name, const QString &extension) const;
    // The file of a named skin (letter case aside) in its folder; empty when there is none.
    QString SkinFile(const QString &name, const QString &extension) const;

private:
    bool m_bInstalled = false;
    QString m_strProgramDir;
    QString m_strConfigDir;
    QString m_strAutostart;
    QStringList m_arrSkinDirs;
};

} // namespace platform
