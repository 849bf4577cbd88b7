// Tests of the autostart store on a temporary folder: the entry it writes and its removal.
#include "platform/AutoStart.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/ProgramDir.h"

using namespace platform;

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The Exec value a launcher splits back into the one path: quoted, with \ " ` $ escaped inside the
// quotes, % doubled, and then the string escapes of the entry file on top.
TEST(AutoStartTest, EntryStartsTheExecutableWhateverItsPath)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("xdg/autostart"));
    const struct { QString exe; const char *exec; } rows[] = {
        {QStringLiteral("/usr/bin/dovetock"), R"("/usr/bin/dovetock")"},
        {QStringLiteral("/opt/My Clock/dove\"tock"), R"("/opt/My Clock/dove\\"tock")"},
        {QStringLiteral("/home/a$b/`c`/back\\slash/100%/%f/钟 表/tab\there\nline"),
         R"("/home/a\\$b/\\`c\\`/back\\\\slash/100%%/%%f/钟 表/tab\there\nline")"},
    };
    for (const auto &row : rows) {
        const AutoStart store(folder, row.exe);
        ASSERT_TRUE(store.SetAutoRun(true));
        EXPECT_TRUE(store.IsAutoRun());
        EXPECT_EQ(store.EntryPath(), folder + QStringLiteral("/Dovetick.desktop"));
        EXPECT_EQ(ReadAll(store.EntryPath()), QByteArray("[Desktop Entry]\nType=Application\nName=Dovetock\n"
                                                         "Comment=Desktop alarm clock\nExec=")
                                                  + row.exec + "\nTerminal=false\nX-GNOME-Autostart-enabled=true\n")
            << row.exec;
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Dovetick.desktop")});

    // Without a given path the entry names the running executable.
    const AutoStart running(folder);
    ASSERT_TRUE(running.SetAutoRun(true));
    EXPECT_TRUE(ReadAll(running.EntryPath()).contains("\nExec=\"" + ExecutablePath().toUtf8() + "\"\n"));
}

TEST(AutoStartTest, OffRemovesTheEntryAndIsAutoRunFollows)
{
    QTemporaryDir dir;
    const AutoStart store(dir.path(), QStringLiteral("/usr/bin/dovetock"));
    EXPECT_FALSE(store.IsAutoRun());
    EXPECT_TRUE(store.SetAutoRun(false));
    EXPECT_FALSE(store.IsAutoRun());

    ASSERT_TRUE(store.SetAutoRun(true));
    EXPECT_TRUE(store.IsAutoRun());
    EXPECT_TRUE(store.SetAutoRun(false));
    EXPECT_FALSE(store.IsAutoRun());
    EXPECT_FALSE(QFile::exists(store.EntryPath()));

    // An entry from elsewhere counts as long as it can be read; its contents are not checked.
    QFile foreign(store.EntryPath());
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("[Desktop Entry]\nExec=/old/place/dovetock\n");
    foreign.close();
    EXPECT_TRUE(store.IsAutoRun());

    // A folder in the entry's place is no entry.
    ASSERT_TRUE(QFile::remove(store.EntryPath()));
    ASSERT_TRUE(QDir().mkdir(store.EntryPath()));
    EXPECT_FALSE(store.IsAutoRun());
}

TEST(AutoStartTest, FailuresAreReportedQuietly)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const AutoStart store(blocker.fileName() + QStringLiteral("/autostart"),
                          QStringLiteral("/usr/bin/dovetock"));
    EXPECT_FALSE(store.SetAutoRun(true));
    EXPECT_FALSE(store.IsAutoRun());
    EXPECT_TRUE(store.SetAutoRun(false));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("not-a-folder")});
}
