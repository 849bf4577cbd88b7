// The logon start's store and desktop entry text.
#include "core/clock/AutoStartEntry.h"

namespace core {

namespace {

// A string value of a desktop entry: \ doubled, line breaks and tabs as \n, \r, \t.
std::string EscapeValue(std::string_view text)
{
    std::string value;
    for (const char c : text) {
        switch (c) {
        case '\\': value += "\\\\"; break;
        case '\n': value += "\\n"; break;
        case '\r': value += "\\r"; break;
        case '\t': value += "\\t"; break;
        default: value += c;
        }
    }
    return value;
}

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsOneOf(std::string_view value, std::string_view a, std::string_view b)
{
    std::string lower(value);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower == a || lower == b;
}

} // namespace

AutoStartScope ChooseAutoStartScope(bool mayWriteMachineStore)
{
    return mayWriteMachineStore ? AutoStartScope::Machine : AutoStartScope::User;
}

std::string RunValueText(std::string_view executable)
{
    std::string value(1, '"');
    value.append(executable);
    value.push_back('"');
    return value;
}

bool DisabledByStartupApproved(std::string_view data)
{
    return !data.empty() && (static_cast<unsigned char>(data.front()) & 1) != 0;
}

std::string QuoteExecArgument(std::string_view argument)
{
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        else if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return EscapeValue(quoted);
}

std::string DesktopEntryText(std::string_view executable)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Dovetock\n"
           "Comment=Desktop alarm clock\n"
           "Exec=" + QuoteExecArgument(executable) + "\n"
           "TryExec=" + EscapeValue(executable) + "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool DisabledByDesktop(std::string_view entryText)
{
    bool inMainGroup = false;
    bool hidden = false;
    bool enabled = true;
    while (!entryText.empty()) {
        const std::size_t end = entryText.find('\n');
        const std::string_view line = Trimmed(entryText.substr(0, end));
        entryText.remove_prefix(end == std::string_view::npos ? entryText.size() : end + 1);
        if (line.starts_with('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inMainGroup || line.starts_with('#') || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (key == "Hidden")
            hidden = IsOneOf(value, "true", "1");
        else if (key == "X-GNOME-Autostart-enabled")
            enabled = !IsOneOf(value, "false", "0");
    }
    return hidden || !enabled;
}

} // namespace core
