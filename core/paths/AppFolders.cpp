// The clock's folders on Windows and Linux (see AppFolders.h).
#include "core/paths/AppFolders.h"

#include <string>

namespace core {

namespace {

// One code point upper-cased as Windows' file-name comparison does for the scripts it folds:
// Latin (ASCII, Latin-1, Latin Extended-A), Greek and Cyrillic. Other code points stay.
char32_t FoldCase(char32_t c)
{
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        || (c >= 0x430 && c <= 0x44F))
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        // Pairs of capital and small letters: even-odd up to U+0137 and from U+014A, odd-even between.
        const bool evenCapital = c <= 0x137 || (c >= 0x14A && c <= 0x177);
        if (evenCapital ? (c % 2 == 1) : (c % 2 == 0 && c != 0x178))
            return c - 1;
    }
    return c;
}

// UTF-8 to code points; a byte that starts no valid sequence stands for itself.
std::u32string Decode(std::string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        char32_t c = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
        bool ok = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; ok && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            ok = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out += ok ? c : byte;
        i += ok ? static_cast<std::size_t>(length) : 1;
    }
    return out;
}

// The folded names of a path: split at both separators, "." dropped, ".." taking one back.
std::vector<std::u32string> Names(const std::filesystem::path &path)
{
    const std::u8string utf8 = path.u8string();
    const std::u32string text = Decode(std::string_view(reinterpret_cast<const char *>(utf8.data()), utf8.size()));
    std::vector<std::u32string> names;
    std::u32string name;
    const auto flush = [&] {
        if (name == U"..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != U".") {
            names.push_back(name);
        }
        name.clear();
    };
    for (const char32_t c : text) {
        if (c == U'/' || c == U'\\')
            flush();
        else
            name += FoldCase(c);
    }
    flush();
    return names;
}

} // namespace

bool IsWithinFolder(const std::filesystem::path &inner, const std::filesystem::path &outer)
{
    const std::vector<std::u32string> in = Names(inner);
    const std::vector<std::u32string> out = Names(outer);
    if (out.empty() || in.size() < out.size())
        return false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (in[i] != out[i])
            return false;
    }
    return true;
}

AppFolders ResolveAppFolders(const FolderFacts &facts)
{
    bool installed = !facts.localAppData.empty() && IsWithinFolder(facts.programDir, facts.localAppData / "Programs");
    for (const std::filesystem::path &folder : facts.programFiles)
        installed = installed || (!folder.empty() && IsWithinFolder(facts.programDir, folder));
    const std::filesystem::path &userRoot = facts.appData.empty() ? facts.localAppData : facts.appData;
    if (!installed || userRoot.empty())
        return {false, facts.programDir, {facts.programDir}, {}};
    const std::filesystem::path userDir = userRoot / "Dovetock";
    return {true, userDir, {userDir / "skins", facts.programDir}, {}};
}

namespace {

// An XDG base folder: the value when it is an absolute path, else the default under HOME.
std::filesystem::path BaseFolder(const std::string &value, const std::filesystem::path &home, const char *fallback)
{
    const std::filesystem::path path(value);
    return (path.is_absolute() ? path : home / fallback).lexically_normal();
}

std::filesystem::path WithoutTrailingSeparator(const std::filesystem::path &path)
{
    const std::filesystem::path normal = path.lexically_normal();
    return normal.has_filename() || normal == normal.root_path() ? normal : normal.parent_path();
}

} // namespace

AppFolders ResolveXdgFolders(const XdgFacts &facts)
{
    const std::filesystem::path configHome = BaseFolder(facts.xdgConfigHome, facts.home, ".config");
    const std::filesystem::path autostart = facts.root ? kSystemAutostartDir : configHome / "autostart";
    const std::filesystem::path program = WithoutTrailingSeparator(facts.programDir);
    const std::filesystem::path shared = (program / ".." / "share" / "dovetock").lexically_normal();
    std::error_code error;
    if (program.filename() != "bin" || !std::filesystem::is_directory(shared, error))
        return {false, facts.programDir, {facts.programDir}, autostart};
    const std::filesystem::path dataHome = BaseFolder(facts.xdgDataHome, facts.home, ".local/share");
    return {true, configHome / "dovetock", {dataHome / "dovetock" / "skins", shared}, autostart};
}

std::filesystem::path FindDataFile(const std::vector<std::filesystem::path> &folders, const std::filesystem::path &name)
{
    for (const std::filesystem::path &folder : folders) {
        std::error_code error;
        if (std::filesystem::exists(folder / name, error))
            return folder / name;
    }
    return folders.empty() ? name : folders.back() / name;
}

} // namespace core
