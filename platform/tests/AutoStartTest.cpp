// Tests of the autostart store on a temporary folder, reading its entry back as a launcher would.
#include "platform/AutoStart.h"

#include <map>
#include <optional>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/ProgramDir.h"

using namespace platform;

namespace {

// The arguments of an Exec value as a launcher reads them: string escapes first, then quoting and
// the %% field code. Nothing when the value is malformed.
std::optional<QStringList> ExecArguments(const QString &value)
{
    QString exec;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\')) {
            exec += value[i];
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        const qsizetype known = QStringLiteral("sntr\\").indexOf(value[i]);
        if (known < 0)
            return std::nullopt;
        exec += QStringLiteral(" \n\t\r\\")[known];
    }

    QStringList args;
    QString current;
    bool inQuotes = false;
    bool started = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == QLatin1Char('%')) {
            if (i + 1 == exec.size() || exec[++i] != QLatin1Char('%'))
                return std::nullopt;
            current += c;
        } else if (inQuotes && c == QLatin1Char('\\')) {
            if (i + 1 == exec.size() || !QStringLiteral("\"`$\\").contains(exec[i + 1]))
                return std::nullopt;
            current += exec[++i];
        } else if (inQuotes && (c == QLatin1Char('`') || c == QLatin1Char('$'))) {
            return std::nullopt;
        } else if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            started = true;
        } else if (!inQuotes && c == QLatin1Char(' ')) {
            if (started)
                args << current;
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (started)
        args << current;
    return args;
}

// The keys of a desktop entry's one group, or nothing when the file is not a well-formed entry.
std::optional<std::map<QString, QString>> ReadEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = QString::fromUtf8(file.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.takeLast() != QString() || lines.value(0) != QStringLiteral("[Desktop Entry]"))
        return std::nullopt;
    std::map<QString, QString> keys;
    for (const QString &line : lines.mid(1)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || keys.count(line.left(eq)))
            return std::nullopt;
        keys[line.left(eq)] = line.mid(eq + 1);
    }
    return keys;
}

} // namespace

TEST(AutoStartTest, EntryStartsTheExecutableWhateverItsPath)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("xdg/autostart"));
    const QStringList paths = {
        QStringLiteral("/opt/My Clock/dove\"tock"),
        QStringLiteral("/home/a$b/`c`/back\\slash/100%/%f/钟 表/tab\there"),
        QStringLiteral("/usr/bin/dovetock"),
    };
    for (const QString &exe : paths) {
        SCOPED_TRACE(exe.toStdString());
        const AutoStart store(folder, exe);
        ASSERT_TRUE(store.SetAutoRun(true));
        EXPECT_TRUE(store.IsAutoRun());
        EXPECT_EQ(store.EntryPath(), folder + QStringLiteral("/Dovetick.desktop"));

        const auto keys = ReadEntry(store.EntryPath());
        ASSERT_TRUE(keys.has_value());
        EXPECT_EQ(keys->at(QStringLiteral("Type")), QStringLiteral("Application"));
        EXPECT_EQ(keys->at(QStringLiteral("Name")), QStringLiteral("Dovetock"));
        EXPECT_EQ(keys->at(QStringLiteral("X-GNOME-Autostart-enabled")), QStringLiteral("true"));
        const std::optional<QStringList> args = ExecArguments(keys->at(QStringLiteral("Exec")));
        ASSERT_TRUE(args.has_value());
        EXPECT_EQ(*args, QStringList{exe});
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Dovetick.desktop")});

    // Without a given path the entry names the running executable.
    const AutoStart running(folder);
    ASSERT_TRUE(running.SetAutoRun(true));
    const std::optional<QStringList> args = ExecArguments(ReadEntry(running.EntryPath())->at(QStringLiteral("Exec")));
    ASSERT_TRUE(args.has_value());
    EXPECT_EQ(*args, QStringList{ExecutablePath()});
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
