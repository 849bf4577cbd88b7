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

// The entry names the given executable (its text is the core's), or the running one.
TEST(AutoStartTest, EntryStartsTheExecutable)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("xdg/autostart"));
    const AutoStart store(folder, QStringLiteral("/opt/钟 表/dovetock"));
    ASSERT_TRUE(store.SetAutoRun(true));
    EXPECT_TRUE(store.IsAutoRun());
    EXPECT_EQ(store.EntryPath(), folder + QStringLiteral("/Dovetick.desktop"));
    EXPECT_EQ(ReadAll(store.EntryPath()), DesktopEntryText(QStringLiteral("/opt/钟 表/dovetock")));
    EXPECT_TRUE(ReadAll(store.EntryPath()).contains("\nExec=\"/opt/钟 表/dovetock\"\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Dovetick.desktop")});

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

    // A folder in the entry's place is no entry.
    ASSERT_TRUE(QDir().mkdir(store.EntryPath()));
    EXPECT_FALSE(store.IsAutoRun());
}

// Startup-application tools switch an entry off in place (KDE, LXQt: Hidden=true; GNOME:
// X-GNOME-Autostart-enabled=false). Such an entry counts as off, and a start with the wish on
// leaves it as it is; any other entry, from elsewhere too, counts as on and is written afresh.
TEST(AutoStartTest, EntrySwitchedOffByTheDesktopStaysOff)
{
    const struct { const char *text; bool on; } rows[] = {
        {"[Desktop Entry]\nExec=/old/dovetock\n", true},
        {"[Desktop Entry]\nExec=/old/dovetock\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=/old/dovetock\nX-GNOME-Autostart-enabled=false\n", false},
    };
    QTemporaryDir dir;
    const AutoStart store(dir.path(), QStringLiteral("/usr/bin/dovetock"));
    for (const auto &row : rows) {
        QFile entry(store.EntryPath());
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly | QIODevice::Truncate));
        entry.write(row.text);
        entry.close();
        EXPECT_EQ(store.IsAutoRun(), row.on) << row.text;
        EXPECT_TRUE(store.RenewAutoRun());
        EXPECT_EQ(ReadAll(store.EntryPath()), row.on ? DesktopEntryText(QStringLiteral("/usr/bin/dovetock")) : QByteArray(row.text))
            << row.text;
        EXPECT_EQ(store.IsAutoRun(), row.on) << row.text;
    }
    // Switched on by the user, the entry is written enabled again; with no entry, renewing writes one.
    ASSERT_TRUE(store.SetAutoRun(true) && store.IsAutoRun() && store.SetAutoRun(false));
    EXPECT_TRUE(store.RenewAutoRun() && store.IsAutoRun());
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
