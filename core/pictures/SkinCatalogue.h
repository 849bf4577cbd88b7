// The skins found in the program directory: NAME.BK backgrounds and NAME.NUM digit strips.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct SkinPick {
    std::string name; // as listed, UTF-8
    std::filesystem::path path;
};

// The skins of EnumSkins with the path of each one's file.
std::vector<SkinPick> EnumSkinFiles(const std::filesystem::path &directory, std::string_view extension);

// The skins of `extension` in `directories`, searched in order: a name found in an earlier one
// hides the same name (ignoring letter case) in later ones; more than one folder gives the names
// sorted without regard to case.
std::vector<SkinPick> ListSkinFiles(const std::vector<std::filesystem::path> &directories, std::string_view extension);

// Names (base names, UTF-8) of the regular files in `directory` whose extension equals
// `extension`, ignoring letter case; directories are skipped. Names that differ only in letter
// case are listed once. An unreadable directory gives an empty list. Letter case is that of A-Z.
std::vector<std::string> EnumSkins(const std::filesystem::path &directory, std::string_view extension);

// Whether two names are the same when letter case is ignored.
bool SameSkinName(std::string_view a, std::string_view b);

// A pseudo-random whole number from low to high inclusive, seeded with the current second.
// Requires low <= high.
int RandomIndex(int low, int high);

// Full path of the file of skin `name` with `extension` in `directory`, both compared without
// regard to letter case and the file's own name kept: "classic" finds "Classic.bk". A file whose
// name matches exactly is preferred. Empty when there is none.
std::filesystem::path FindSkinFile(const std::filesystem::path &directory, std::string_view name,
                                   std::string_view extension);

// True when the skin file at `path` is a picture the clock can show: the BMP reader takes it,
// and a background (extension "BK", any letter case) has a width and a height.
bool IsUsableSkin(const std::filesystem::path &path, std::string_view extension);

// The names of the skins whose files are usable, in their order.
std::vector<std::string> UsableSkins(const std::vector<SkinPick> &skins, std::string_view extension);

// The skin to show: `configured` when it is set and usable, otherwise the listed skins from
// position `start` on (wrapping round), skipping the ones `usable` refuses. Nothing when no
// skin of the list is usable: the caller then shows its built-in skin. `locate` gives a named
// skin's file path, empty when it has none.
std::optional<SkinPick> PickSkin(const std::function<std::filesystem::path(const std::string &name)> &locate,
                                 const std::vector<std::string> &names, const std::string &configured,
                                 std::string_view extension, int start,
                                 const std::function<bool(const std::filesystem::path &path)> &usable);

// A path's last part as UTF-8, and a path from UTF-8 text.
std::string FileNameUtf8(const std::filesystem::path &path);
std::filesystem::path PathFromUtf8(std::string_view text);

} // namespace core
