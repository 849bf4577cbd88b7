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

// Undoes the escapes of a desktop entry string value.
QString UnescapeValue(const QString &value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == QLatin1Char('s'))
            out += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (next == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            return QStringLiteral("<bad escape>");
    }
    return out;
}

// Splits an unescaped Exec value into its arguments; nothing when the quoting is malformed.
std::optional<QStringList> SplitExec(const QString &exec)
{
    QStringList args;
    QString current;
    bool inQuotes = false;
    bool started = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                inQuotes = false;
            } else if (c == QLatin1Char('\\')) {
                if (i + 1 == exec.size())
                    return std::nullopt;
                const QChar next = exec[++i];
                if (QStringLiteral("\"`$\\").contains(next))
                    current += next;
                else
                    return std::nullopt;
            } else if (c == QLatin1Char('`') || c == QLatin1Char('$')) {
                return std::nullopt;
            } else {
                current += c;
            }
        } else if (c == QLatin1Char(' ')) {
            if (started)
                args << current;
            current.clear();
            started = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
            started = true;
        } else {
            current += c;
            started = true;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (started)
        args << current;
    // Field codes: only %% may appear, standing for a percent sign.
    for (QString &arg : args) {
        QString plain;
        for (qsizetype i = 0; i < arg.size(); ++i) {
            if (arg[i] == QLatin1Char('%')) {
                if (i + 1 == arg.size() || arg[i + 1] != QLatin1Char('%'))
                    return std::nullopt;
                ++i;
            }
            plain += arg[i];
        }
        arg = plain;
    }
    return args;
}

struct Entry {
    QString group;
    std::map<QString, QString> keys;
    bool wellFormed = true;
};

Entry ReadEntry(const QString &path)
{
    Entry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        entry.wellFormed = false;
        return entry;
    }
    const QString text = QString::fromUtf8(file.readAll());
    if (!text.endsWith(QLatin1Char('\n')))
        entry.wellFormed = false;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            if (!entry.group.isEmpty())
                entry.wellFormed = false;
            entry.group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || entry.group.isEmpty() || entry.keys.count(line.left(eq))) {
            entry.wellFormed = false;
            continue;
        }
        entry.keys[line.left(eq)] = UnescapeValue(line.mid(eq + 1));
    }
    return entry;
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

        const Entry entry = ReadEntry(store.EntryPath());
        EXPECT_TRUE(entry.wellFormed);
        EXPECT_EQ(entry.group, QStringLiteral("Desktop Entry"));
        EXPECT_EQ(entry.keys.at(QStringLiteral("Type")), QStringLiteral("Application"));
        EXPECT_EQ(entry.keys.at(QStringLiteral("Name")), QStringLiteral("Dovetock"));
        EXPECT_EQ(entry.keys.at(QStringLiteral("X-GNOME-Autostart-enabled")), QStringLiteral("true"));
        const std::optional<QStringList> args = SplitExec(entry.keys.at(QStringLiteral("Exec")));
        ASSERT_TRUE(args.has_value());
        EXPECT_EQ(*args, QStringList{exe});
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Dovetick.desktop")});

    // Without a given path the entry names the running executable.
    const AutoStart running(folder);
    ASSERT_TRUE(running.SetAutoRun(true));
    const std::optional<QStringList> args = SplitExec(ReadEntry(running.EntryPath()).keys[QStringLiteral("Exec")]);
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
