// Reads and rewrites INI files line by line, leaving the lines it does not change untouched.
#include "core/files/IniFile.h"

#include <climits>
#include <optional>
#include <system_error>
#include <vector>

#include "core/files/AtomicSave.h"
#include "core/files/Gbk.h"
#include "core/files/Log.h"
#include "core/files/ReadFile.h"

namespace core {

namespace {

struct Line {
    std::string text; // without its line end
    std::string eol;  // "\r\n", "\n", or empty for a last line without one
};

enum class LineKind { Other, Section, Key };

struct LineInfo {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<Line> SplitLines(std::string_view bytes)
{
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const std::size_t nl = bytes.find('\n');
        if (nl == std::string_view::npos) {
            lines.push_back({std::string(bytes), {}});
            break;
        }
        const bool crlf = nl > 0 && bytes[nl - 1] == '\r';
        lines.push_back({std::string(bytes.substr(0, crlf ? nl - 1 : nl)), crlf ? "\r\n" : "\n"});
        bytes.remove_prefix(nl + 1);
    }
    return lines;
}

std::string JoinLines(const std::vector<Line> &lines)
{
    std::string bytes;
    for (const Line &line : lines)
        bytes += line.text + line.eol;
    return bytes;
}

LineInfo Classify(const Line &line, bool firstLine)
{
    std::string_view text = line.text;
    if (firstLine && text.starts_with(kUtf8Bom))
        text.remove_prefix(kUtf8Bom.size());
    text = Trimmed(text);

    LineInfo info;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos && close > 0) {
            info.kind = LineKind::Section;
            info.name = Trimmed(text.substr(1, close - 1));
        }
        return info;
    }
    if (text.starts_with(';'))
        return info;
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0)
        return info;
    info.kind = LineKind::Key;
    info.name = Trimmed(text.substr(0, eq));
    info.value = Trimmed(text.substr(eq + 1));
    return info;
}

// Names match without regard to the case of ASCII letters.
bool SameName(std::string_view inFile, std::string_view wanted)
{
    if (inFile.size() != wanted.size())
        return false;
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < inFile.size(); ++i)
        if (fold(inFile[i]) != fold(wanted[i]))
            return false;
    return true;
}

// Index of the first line of the first section named `section`.
std::optional<std::size_t> FindSection(const std::vector<Line> &lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineInfo info = Classify(lines[i], i == 0);
        if (info.kind == LineKind::Section && SameName(info.name, section))
            return i;
    }
    return std::nullopt;
}

// The line index one past the last line of the section whose header is at `header`.
std::size_t SectionEnd(const std::vector<Line> &lines, std::size_t header)
{
    std::size_t i = header + 1;
    while (i < lines.size() && Classify(lines[i], false).kind != LineKind::Section)
        ++i;
    return i;
}

// The file's text as UTF-8. A file that is not valid UTF-8 was written by the Windows program in
// its GBK code page and is converted, so that a later write keeps the file one encoding.
std::optional<std::string> ReadText(const std::filesystem::path &path)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    const std::string_view text = std::string_view(*bytes).starts_with(kUtf8Bom)
        ? std::string_view(*bytes).substr(kUtf8Bom.size())
        : std::string_view(*bytes);
    if (IsValidUtf8(text))
        return bytes;
    return GbkToUtf8(*bytes);
}

bool HasLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\n\r\0", 3)) != std::string_view::npos;
}

bool Replace(const std::filesystem::path &path, const std::vector<Line> &lines)
{
    std::string error;
    if (SaveFileAtomically(path, JoinLines(lines), error))
        return true;
    LogProblem("cannot save " + path.string() + ": " + error + "; the file is left as it was");
    return false;
}

} // namespace

std::string ReadIniString(const std::filesystem::path &path, std::string_view section, std::string_view key,
                          std::string_view defaultText)
{
    const std::optional<std::string> text = ReadText(path);
    if (text) {
        const std::vector<Line> lines = SplitLines(*text);
        if (const auto header = FindSection(lines, Trimmed(section))) {
            const std::size_t end = SectionEnd(lines, *header);
            for (std::size_t i = *header + 1; i < end; ++i) {
                const LineInfo info = Classify(lines[i], false);
                if (info.kind == LineKind::Key && SameName(info.name, Trimmed(key)))
                    return std::string(Utf8Prefix(info.value, kIniValueMaxChars));
            }
        }
    }
    return std::string(Utf8Prefix(defaultText, kIniValueMaxChars));
}

bool WriteIniString(const std::filesystem::path &path, std::string_view section, std::string_view key,
                    std::string_view value)
{
    const std::string_view sectionName = Trimmed(section);
    const std::string_view keyName = Trimmed(key);
    if (sectionName.empty() || HasLineBreakOrNul(sectionName) || sectionName.find(']') != std::string_view::npos)
        return false;
    if (keyName.empty() || HasLineBreakOrNul(keyName) || keyName.find('=') != std::string_view::npos
        || keyName.starts_with('[') || keyName.starts_with(';'))
        return false;
    if (HasLineBreakOrNul(value))
        return false;

    std::string bytes;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        const std::optional<std::string> existing = ReadText(path);
        if (!existing) {
            LogProblem("cannot read " + path.string() + "; the file is left as it was");
            return false;
        }
        bytes = *existing;
    }
    std::vector<Line> lines = SplitLines(bytes);

    std::string eol = "\n";
    for (const Line &line : lines) {
        if (!line.eol.empty()) {
            eol = line.eol;
            break;
        }
    }
    const std::string keyLine = std::string(keyName) + "=" + std::string(value);

    const auto header = FindSection(lines, sectionName);
    if (!header) {
        if (!lines.empty() && lines.back().eol.empty())
            lines.back().eol = eol;
        std::string headerLine(1, '[');
        headerLine.append(sectionName).push_back(']');
        lines.push_back({headerLine, eol});
        lines.push_back({keyLine, eol});
        return Replace(path, lines);
    }

    const std::size_t end = SectionEnd(lines, *header);
    std::size_t lastFilled = *header;
    for (std::size_t i = *header + 1; i < end; ++i) {
        const LineInfo info = Classify(lines[i], false);
        if (info.kind == LineKind::Key && SameName(info.name, keyName)) {
            lines[i].text = std::string(info.name) + "=" + std::string(value);
            return Replace(path, lines);
        }
        if (!Trimmed(lines[i].text).empty())
            lastFilled = i;
    }
    if (lines[lastFilled].eol.empty())
        lines[lastFilled].eol = eol;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastFilled) + 1, Line{keyLine, eol});
    return Replace(path, lines);
}

long ParseIniLong(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const unsigned long limit = negative ? static_cast<unsigned long>(LONG_MAX) + 1UL
                                         : static_cast<unsigned long>(LONG_MAX);
    unsigned long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const unsigned long digit = static_cast<unsigned long>(text[i] - '0');
        if (magnitude > (limit - digit) / 10) {
            magnitude = limit;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (!negative)
        return static_cast<long>(magnitude);
    return magnitude == static_cast<unsigned long>(LONG_MAX) + 1UL ? LONG_MIN : -static_cast<long>(magnitude);
}

long ReadIniInt(const std::filesystem::path &path, std::string_view section, std::string_view key,
                long defaultValue)
{
    return ParseIniLong(ReadIniString(path, section, key, std::to_string(defaultValue)));
}

bool WriteIniInt(const std::filesystem::path &path, std::string_view section, std::string_view key, long value)
{
    return WriteIniString(path, section, key, std::to_string(value));
}

} // namespace core
