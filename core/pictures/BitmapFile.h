// LoadBitmapFile: reads a BMP file into a picture of 32-bit pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace core {

// 0xFFRRGGBB: a colour as the pictures hold it.
constexpr std::uint32_t Rgb(int red, int green, int blue)
{
    return 0xff000000u | (static_cast<std::uint32_t>(red & 0xff) << 16) | (static_cast<std::uint32_t>(green & 0xff) << 8)
        | static_cast<std::uint32_t>(blue & 0xff);
}

// A decoded picture: rows from the top, each pixel 0xFFRRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool IsNull() const { return pixels.empty(); }
    const std::uint32_t &At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
    std::uint32_t &At(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// The picture of a whole BMP file held in memory, or nothing for a short, damaged or non-BMP file.
std::optional<Picture> DecodeBitmap(std::string_view file);

// Reads the file at `path` (a regular file only). Nothing, and no message, for a missing, short,
// damaged or non-BMP file.
std::optional<Picture> LoadBitmapFile(const std::filesystem::path &path);

} // namespace core
