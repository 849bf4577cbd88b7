// The command line of a start (see StartArguments.h).
#include "core/clock/StartArguments.h"

#include <string_view>

#include "core/alert/SnoozeQueue.h"

namespace core {

StartRequest ReadStartArguments(const std::vector<std::string> &arguments)
{
    StartRequest request;
    bool quit = false;
    bool settings = false;
    std::string snoozes;
    for (const std::string &argument : arguments) {
        std::string_view option = argument;
        if (option.starts_with("--"))
            option.remove_prefix(2);
        else if (option.starts_with("-") && option.size() > 1)
            option.remove_prefix(1);
        else
            option = {};
        if (option == "show") {
        } else if (option == "settings") {
            settings = true;
        } else if (option == "quit") {
            quit = true;
        } else if (option.starts_with("snooze=")) {
            const std::string_view text = option.substr(7);
            if (alert::SnoozeFromText(text)) {
                snoozes.push_back(' ');
                snoozes.append(text);
            }
            else
                request.ignored.emplace_back(text);
        } else {
            request.kind = StartRequest::Kind::Usage;
            request.error = "unexpected argument ";
            request.error.append(argument);
            return request;
        }
    }
    if (quit) {
        request.kind = StartRequest::Kind::Quit;
        request.command = "quit";
    } else if (!snoozes.empty()) {
        request.command = "restore";
        request.command.append(snoozes);
    } else if (settings) {
        request.command = "settings";
    }
    return request;
}

} // namespace core
