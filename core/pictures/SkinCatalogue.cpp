// Lists the skin files of a directory, builds their paths and picks one at random.
#include "core/pictures/SkinCatalogue.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "core/pictures/BitmapFile.h"
#include "core/pictures/Dib.h"

namespace core {

namespace {

std::string Folded(std::string_view text)
{
    std::string folded(text);
    for (char &c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

struct Entry {
    std::string fileName; // UTF-8
    std::filesystem::path path;
};

// The regular files of `directory` (links to files too), in no particular order; none when it
// cannot be read.
std::vector<Entry> Files(const std::filesystem::path &directory)
{
    std::vector<Entry> files;
    std::error_code ec;
    std::filesystem::directory_iterator it(directory, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        files.push_back({FileNameUtf8(it->path()), it->path()});
    }
    return files;
}

} // namespace

std::string FileNameUtf8(const std::filesystem::path &path)
{
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

std::filesystem::path PathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

bool SameSkinName(std::string_view a, std::string_view b)
{
    return Folded(a) == Folded(b);
}

std::vector<SkinPick> EnumSkinFiles(const std::filesystem::path &directory, std::string_view extension)
{
    std::vector<Entry> entries = Files(directory);
    // By name ignoring letter case; names equal but for case in byte order.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        const std::string fa = Folded(a.fileName), fb = Folded(b.fileName);
        return fa != fb ? fa < fb : a.fileName < b.fileName;
    });
    const std::string wanted = Folded(extension);
    std::vector<SkinPick> skins;
    std::vector<std::string> folded;
    for (const Entry &entry : entries) {
        const std::size_t dot = entry.fileName.rfind('.');
        if (dot == std::string::npos || dot == 0)
            continue;
        if (Folded(std::string_view(entry.fileName).substr(dot + 1)) != wanted)
            continue;
        const std::string name = entry.fileName.substr(0, dot);
        if (std::find(folded.begin(), folded.end(), Folded(name)) != folded.end())
            continue;
        folded.push_back(Folded(name));
        skins.push_back({name, entry.path});
    }
    return skins;
}

std::vector<std::string> EnumSkins(const std::filesystem::path &directory, std::string_view extension)
{
    std::vector<std::string> names;
    for (const SkinPick &skin : EnumSkinFiles(directory, extension))
        names.push_back(skin.name);
    return names;
}

std::vector<SkinPick> ListSkinFiles(const std::vector<std::filesystem::path> &directories, std::string_view extension)
{
    if (directories.size() == 1)
        return EnumSkinFiles(directories.front(), extension);
    std::vector<SkinPick> skins;
    std::vector<std::string> folded;
    for (const std::filesystem::path &dir : directories) {
        for (const SkinPick &skin : EnumSkinFiles(dir, extension)) {
            if (std::find(folded.begin(), folded.end(), Folded(skin.name)) != folded.end())
                continue;
            folded.push_back(Folded(skin.name));
            skins.push_back(skin);
        }
    }
    std::stable_sort(skins.begin(), skins.end(),
                     [](const SkinPick &a, const SkinPick &b) { return Folded(a.name) < Folded(b.name); });
    return skins;
}

int RandomIndex(int low, int high)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    if (high <= low)
        return low;
    const long long span = static_cast<long long>(high) - low + 1;
    return static_cast<int>(low + std::rand() % span);
}

std::filesystem::path FindSkinFile(const std::filesystem::path &directory, std::string_view name,
                                   std::string_view extension)
{
    const std::string wanted = Folded(std::string(name) + "." + std::string(extension));
    std::vector<Entry> entries = Files(directory);
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.fileName < b.fileName; });
    std::filesystem::path found;
    for (const Entry &entry : entries) {
        if (Folded(entry.fileName) != wanted)
            continue;
        if (entry.fileName.starts_with(name))
            return entry.path;
        if (found.empty())
            found = entry.path;
    }
    return found;
}

bool IsUsableSkin(const std::filesystem::path &path, std::string_view extension)
{
    if (!LoadBitmapFile(path))
        return false;
    if (Folded(extension) != "bk")
        return true;
    const CDib dib(path);
    return dib.IsLoaded() && dib.Width() > 0 && dib.Height() != 0;
}

std::vector<std::string> UsableSkins(const std::vector<SkinPick> &skins, std::string_view extension)
{
    std::vector<std::string> usable;
    for (const SkinPick &skin : skins) {
        if (IsUsableSkin(skin.path, extension))
            usable.push_back(skin.name);
    }
    return usable;
}

std::optional<SkinPick> PickSkin(const std::function<std::filesystem::path(const std::string &name)> &locate,
                                 const std::vector<std::string> &names, const std::string &configured,
                                 std::string_view extension, int start,
                                 const std::function<bool(const std::filesystem::path &path)> &usable)
{
    std::vector<std::string> order;
    if (!configured.empty())
        order.push_back(configured);
    for (std::size_t i = 0; i < names.size(); ++i)
        order.push_back(names[(static_cast<std::size_t>(start) + i) % names.size()]);
    for (const std::string &candidate : order) {
        const std::filesystem::path path = locate(candidate);
        if (!path.empty() && usable(path)) {
            const std::string fileName = FileNameUtf8(path);
            return SkinPick{fileName.substr(0, fileName.size() - extension.size() - 1), path};
        }
    }
    return std::nullopt;
}

} // namespace core
