// The command line of a start: what it asks of the clock that runs (or of the one it starts).
#pragma once

#include <string>
#include <vector>

namespace core {

struct StartRequest {
    enum class Kind {
        Command, // hand `command` to the running clock, or start one that carries it out
        Quit,    // end the running clock; nothing to start
        Usage,   // a wrong argument: `error` says which
    };
    Kind kind = Kind::Command;
    // "show" (also for no argument), "settings", or "restore" with the snooze texts.
    std::string command = "show";
    std::string error;
    // Snooze texts that were not valid and are left out.
    std::vector<std::string> ignored;
};

// Reads the arguments after the program's name (UTF-8): --show, --settings, --quit and the
// snoozes a restart carries (--snooze=DUE:HEX, any number); "-" may stand for "--".
StartRequest ReadStartArguments(const std::vector<std::string> &arguments);

} // namespace core
