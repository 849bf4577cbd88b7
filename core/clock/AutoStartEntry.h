// Starting the program at logon: which store holds the wish, and the desktop entry that carries it
// on desktops that follow the XDG autostart rules.
#pragma once

#include <string>
#include <string_view>

namespace core {

// Where the logon start is kept: for the whole machine where the process may write there (root on
// Linux, an elevated process on Windows), otherwise for the user who runs the clock.
enum class AutoStartScope { Machine, User };
AutoStartScope ChooseAutoStartScope(bool mayWriteMachineStore);

// The data of the Windows Run value that starts `executable` (UTF-8): the full path in double
// quotes, so that a path with blanks is not split into a program and arguments.
std::string RunValueText(std::string_view executable);

// True when the data of the program's StartupApproved value (Task Manager's switch for a Run
// value) says the user switched the start off: the low bit of its first byte is set.
bool DisabledByStartupApproved(std::string_view data);

// One argument of a desktop entry's Exec line: double-quoted, with ", `, $ and \ escaped and
// % doubled, then escaped as a string value (\ doubled, line breaks and tabs as \n, \r, \t).
std::string QuoteExecArgument(std::string_view argument);

// The text of the desktop entry that starts `executable` (UTF-8); TryExec names it too, so that a
// removed program leaves no failing start at logon behind.
std::string DesktopEntryText(std::string_view executable);

// True when an entry's text says the desktop switched it off: Hidden=true or
// X-GNOME-Autostart-enabled=false in its [Desktop Entry] group, as startup-application tools write.
bool DisabledByDesktop(std::string_view entryText);

} // namespace core
