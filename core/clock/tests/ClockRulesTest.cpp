// Tests of the clock's own rules: the logon entry's text and the desktop's switch, the store's
// scope, and which positions a drag writes.
#include "core/clock/AutoStartEntry.h"
#include "core/clock/PositionRecorder.h"
#include "core/clock/StartArguments.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

using namespace core;

// The Exec value a launcher splits back into the one path: quoted, with \ " ` $ escaped inside the
// quotes, % doubled, and then the string escapes of the entry file on top. TryExec names the same
// file with the string escapes alone, so a removed program is not started.
TEST(AutoStartEntry, StartsTheExecutableWhateverItsPath)
{
    const struct { const char *exe, *exec, *tryExec; } rows[] = {
        {"/usr/bin/dovetock", R"("/usr/bin/dovetock")", "/usr/bin/dovetock"},
        {"/opt/My Clock/dove\"tock", R"("/opt/My Clock/dove\\"tock")", R"(/opt/My Clock/dove"tock)"},
        {"/home/a$b/`c`/back\\slash/100%/%f/钟 表/tab\there\nline",
         R"("/home/a\\$b/\\`c\\`/back\\\\slash/100%%/%%f/钟 表/tab\there\nline")",
         R"(/home/a$b/`c`/back\\slash/100%/%f/钟 表/tab\there\nline)"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(DesktopEntryText(row.exe), std::string("[Desktop Entry]\nType=Application\nName=Dovetock\n"
                                                         "Comment=Desktop alarm clock\nExec=")
                                                 + row.exec + "\nTryExec=" + row.tryExec
                                                 + "\nTerminal=false\nX-GNOME-Autostart-enabled=true\n")
            << row.exec;
        EXPECT_FALSE(DisabledByDesktop(DesktopEntryText(row.exe))) << row.exec;
    }
    EXPECT_EQ(ChooseAutoStartScope(true), AutoStartScope::Machine);
    EXPECT_EQ(ChooseAutoStartScope(false), AutoStartScope::User);
}

// The Windows Run value: the path quoted whole, blanks and Chinese names included; Task Manager's
// switch reads off from the low bit of its first byte.
TEST(AutoStartEntry, WindowsRunValue)
{
    const struct { const char *exe, *value; } rows[] = {
        {R"(C:\Tools\dovetock.exe)", R"("C:\Tools\dovetock.exe")"},
        {R"(C:\Program Files\Dovetock\dovetock.exe)", R"("C:\Program Files\Dovetock\dovetock.exe")"},
        {R"(D:\我的 工具\闹钟.exe)", R"("D:\我的 工具\闹钟.exe")"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(RunValueText(row.exe), row.value);
    const struct { std::string data; bool off; } approved[] = {
        {std::string("\x02\0\0\0\0\0\0\0\0\0\0\0", 12), false},
        {std::string("\x03\0\0\0\x10\x20\0\0\0\0\0\0", 12), true},
        {std::string("\x06\0\0\0", 4), false},
        {std::string("\x07\0\0\0", 4), true},
        {std::string(), false},
    };
    for (const auto &row : approved)
        EXPECT_EQ(DisabledByStartupApproved(row.data), row.off) << int(row.data.empty() ? -1 : row.data[0]);
}

// A start's command line: the command it hands to the running clock, the snoozes a restart carries
// (invalid ones left out), and what ends in a usage error.
TEST(StartArguments, CommandOfAStart)
{
    using Kind = StartRequest::Kind;
    const struct { std::vector<std::string> args; Kind kind; const char *command; std::size_t ignored; } rows[] = {
        {{}, Kind::Command, "show", 0},
        {{"--show"}, Kind::Command, "show", 0},
        {{"--settings"}, Kind::Command, "settings", 0},
        {{"-settings"}, Kind::Command, "settings", 0},
        {{"--quit"}, Kind::Quit, "quit", 0},
        {{"--show", "--quit"}, Kind::Quit, "quit", 0},
        {{"--settings", "--quit"}, Kind::Quit, "quit", 0},
        {{"--snooze=1700000000:6869"}, Kind::Command, "restore 1700000000:6869", 0},
        {{"--snooze=1700000000:6869", "--snooze=1700000060:d6d0"}, Kind::Command,
         "restore 1700000000:6869 1700000060:d6d0", 0},
        {{"--settings", "--snooze=bad", "--snooze=1700000000:6869"}, Kind::Command, "restore 1700000000:6869", 1},
        {{"--snooze=-5:68"}, Kind::Command, "show", 1},
        {{"show"}, Kind::Usage, "show", 0},
        {{"--start"}, Kind::Usage, "show", 0},
        {{"-"}, Kind::Usage, "show", 0},
        {{"--"}, Kind::Usage, "show", 0},
    };
    for (const auto &row : rows) {
        const StartRequest request = ReadStartArguments(row.args);
        const std::string line = row.args.empty() ? "(none)" : row.args.front();
        EXPECT_EQ(request.kind, row.kind) << line;
        EXPECT_EQ(request.command, row.command) << line;
        EXPECT_EQ(request.ignored.size(), row.ignored) << line;
        EXPECT_EQ(request.error.empty(), row.kind != Kind::Usage) << line;
    }
}

// Startup-application tools switch an entry off in place (KDE, LXQt: Hidden=true; GNOME:
// X-GNOME-Autostart-enabled=false), in the entry's main group only.
TEST(AutoStartEntry, SwitchedOffByTheDesktop)
{
    const struct { const char *text; bool off; } rows[] = {
        {"[Desktop Entry]\nExec=/old/dovetock\n", false},
        {"[Desktop Entry]\nExec=/old/dovetock\nHidden=true\n", true},
        {"[Desktop Entry]\r\nHidden = True\r\nExec=/old/dovetock\r\n", true},
        {"[Desktop Entry]\nHidden=1", true},
        {"[Desktop Entry]\nExec=/old/dovetock\nHidden=false\n", false},
        {"[Desktop Entry]\nExec=/old/dovetock\nX-GNOME-Autostart-enabled=false\n", true},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=0\n", true},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\nHidden=false\nExec=/old/dovetock\n", true},
        {"[Desktop Entry]\nExec=/old/dovetock\nX-GNOME-Autostart-enabled=true\n", false},
        {"[Desktop Entry]\nExec=/old/dovetock\n#Hidden=true\n", false},
        {"[Desktop Entry]\nExec=/old/dovetock\nX-Hidden=true\nHidden[de]=true\n", false},
        {"[Desktop Entry]\nExec=/old/dovetock\n[Desktop Action quit]\nHidden=true\n", false},
        {"Hidden=true\n[Desktop Entry]\nExec=/old/dovetock\n", false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(DisabledByDesktop(row.text), row.off) << row.text;
}

// Moves before the user's first press (placement at start-up) are never written; the user's are
// written once at rest, and a written place counts as stored, so a drag back to where the clock
// started is written too.
TEST(PositionRecorder, WritesTheUsersMovesOnceAtRest)
{
    PositionRecorder recorder;
    recorder.SetStored({120, 40});
    EXPECT_FALSE(recorder.Moved({300, 300}));
    EXPECT_EQ(recorder.Rest(), std::nullopt);

    const struct { WindowPosition to; std::optional<WindowPosition> written; } steps[] = {
        {{120, 40}, std::nullopt},  // back to the stored place: nothing new
        {{500, 40}, {{500, 40}}},   // one axis only
        {{500, 40}, std::nullopt},  // written already
        {{120, 40}, {{120, 40}}},   // back to where it started
        {{121, 41}, {{121, 41}}},
    };
    recorder.UserMoveStarted();
    for (const auto &step : steps) {
        EXPECT_TRUE(recorder.Moved({step.to.x - 7, step.to.y + 3})) << step.to.x; // on the way
        EXPECT_TRUE(recorder.Moved(step.to));
        EXPECT_EQ(recorder.Rest(), step.written) << step.to.x << "," << step.to.y;
        EXPECT_EQ(recorder.Rest(), std::nullopt) << "a second rest writes nothing";
    }
}
