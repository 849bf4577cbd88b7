// Tests of the layout choice and the folders it gives, on program folders built in a temporary folder.
#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

void Touch(const QString &path)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(AppPathsTest, LayoutAndFoldersFollowTheProgramPlaceAndTheEnvironment)
{
    QTemporaryDir tmp;
    const QString t = tmp.path();
    for (const char *folder : {"/usr/bin", "/usr/share/dovetock", "/opt/clock/bin", "/opt/clock/share", "/copy/dovetock",
                               "/copy/share/dovetock"})
        QDir().mkpath(t + folder);
    Touch(t + "/odd/bin/x");
    Touch(t + "/odd/share/dovetock");

    struct Row {
        QString program;
        PathEnvironment env;
        bool installed;
        QString config;
        QString autostart;
        QString userSkins;
    };
    const PathEnvironment plain{"/home/u", "", "", false};
    const std::vector<Row> rows = {
        {t + "/usr/bin", plain, true, "/home/u/.config/dovetock", "/home/u/.config/autostart",
         "/home/u/.local/share/dovetock/skins"},
        {t + "/usr/bin/", plain, true, "/home/u/.config/dovetock", "/home/u/.config/autostart",
         "/home/u/.local/share/dovetock/skins"},
        {t + "/usr/bin", {"/home/u", "/x/cfg/", "/x/data", false}, true, "/x/cfg/dovetock", "/x/cfg/autostart",
         "/x/data/dovetock/skins"},
        // Relative XDG values are ignored.
        {t + "/usr/bin", {"/home/u", "cfg", "data", false}, true, "/home/u/.config/dovetock",
         "/home/u/.config/autostart", "/home/u/.local/share/dovetock/skins"},
        {t + "/usr/bin", {"/root", "", "", true}, true, "/root/.config/dovetock", "/etc/xdg/autostart",
         "/root/.local/share/dovetock/skins"},
        // Portable: no share/dovetock folder, a folder not named bin, a file in the folder's place.
        {t + "/opt/clock/bin", plain, false, t + "/opt/clock/bin", "/home/u/.config/autostart", ""},
        {t + "/copy/dovetock", plain, false, t + "/copy/dovetock", "/home/u/.config/autostart", ""},
        {t + "/odd/bin", {"/root", "", "", true}, false, t + "/odd/bin", "/etc/xdg/autostart", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.program.toStdString());
        const AppPaths paths = AppPaths::Resolve(row.program, row.env);
        EXPECT_EQ(paths.Installed(), row.installed);
        EXPECT_EQ(paths.ConfigFile("config.ini"), row.config + "/config.ini");
        EXPECT_EQ(paths.AutostartFolder(), row.autostart);
        if (row.installed)
            EXPECT_EQ(paths.SkinDirectories(), QStringList({row.userSkins, t + "/usr/share/dovetock"}));
        else
            EXPECT_EQ(paths.SkinDirectories(), QStringList(row.program));
    }
}

TEST(AppPathsTest, UserFilesWinOverShippedOnes)
{
    QTemporaryDir tmp;
    const QString t = tmp.path();
    const QString shared = t + "/share/dovetock";
    const QString user = t + "/home/.local/share/dovetock/skins";
    QDir().mkpath(t + "/bin");
    for (const char *name : {"Classic.BK", "Plate.BK", "Leaf.BK", "Classic.NUM", "通知.MSG"})
        Touch(shared + "/" + name);
    for (const char *name : {"plate.bk", "Mine.BK", "Mine.NUM"})
        Touch(user + "/" + name);

    const AppPaths paths = AppPaths::Resolve(t + "/bin", {t + "/home", "", "", false});
    ASSERT_TRUE(paths.Installed());
    EXPECT_EQ(paths.Skins("BK"), (QStringList{"Classic", "Leaf", "Mine", "plate"}));
    EXPECT_EQ(paths.Skins("NUM"), (QStringList{"Classic", "Mine"}));
    const struct {
        const char *name;
        const char *extension;
        QString folder;
    } rows[] = {
        {"Plate", "BK", user}, {"plate", "BK", user}, {"Mine", "NUM", user},
        {"Classic", "BK", shared}, {"Mine", "BK", user}, {"Gone", "BK", shared},
    };
    for (const auto &row : rows)
        EXPECT_EQ(paths.SkinFolder(row.name, row.extension), row.folder) << row.name << "." << row.extension;

    EXPECT_EQ(paths.DataFile("通知.MSG"), shared + "/通知.MSG");
    Touch(user + "/通知.MSG");
    EXPECT_EQ(paths.DataFile("通知.MSG"), user + "/通知.MSG");

    // The configuration folder appears only when asked for.
    EXPECT_FALSE(QFileInfo::exists(paths.ConfigDirectory()));
    EXPECT_TRUE(paths.MakeConfigDirectory());
    EXPECT_TRUE(QFileInfo(paths.ConfigDirectory()).isDir());
}
