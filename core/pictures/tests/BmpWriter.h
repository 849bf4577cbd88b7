// Builds BMP files byte by byte for the tests, including deliberately damaged ones.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "core/pictures/BitmapFile.h"

namespace testbmp {

struct Layout {
    int width = 1;
    int height = 1; // as stored: negative for top-down rows
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t sizeImage = 0;
    std::vector<std::uint32_t> palette = {};
    std::vector<std::uint32_t> masks = {}; // written between the header and the palette
    std::vector<std::uint8_t> rawBits = {}; // used instead of `pixel` when not empty
    // Stored value (palette index or packed pixel) of column x, row y counted from the top.
    std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
};

// Byte offsets of header fields in a whole file.
enum Field : std::size_t { kBiSize = 14, kBiWidth = 18, kBiHeight = 22, kBiBitCount = 28, kBiCompression = 30, kBiClrUsed = 46 };

inline void Set32(std::vector<std::uint8_t> &out, std::size_t at, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void Put(std::vector<std::uint8_t> &out, std::uint32_t v, int bytes = 4)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline std::vector<std::uint8_t> Make(const Layout &s)
{
    std::vector<std::uint8_t> bits = s.rawBits;
    const int rows = s.height < 0 ? -s.height : s.height;
    const std::size_t stride = (static_cast<std::size_t>(s.width) * s.bitCount + 31) / 32 * 4;
    for (int r = 0; s.rawBits.empty() && r < rows; ++r) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < s.width; ++x) {
            const std::uint32_t v = s.pixel(x, s.height > 0 ? rows - 1 - r : r);
            const std::size_t bit = static_cast<std::size_t>(x) * s.bitCount;
            if (s.bitCount < 8)
                row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - s.bitCount - bit % 8));
            for (int i = 0; s.bitCount >= 8 && i < s.bitCount / 8; ++i)
                row[bit / 8 + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
        bits.insert(bits.end(), row.begin(), row.end());
    }
    const auto offBits = static_cast<std::uint32_t>(54 + 4 * (s.masks.size() + s.palette.size()));
    std::vector<std::uint8_t> out = {'B', 'M'};
    for (std::uint32_t v : {offBits + static_cast<std::uint32_t>(bits.size()), 0u, offBits, 40u,
                            static_cast<std::uint32_t>(s.width), static_cast<std::uint32_t>(s.height)})
        Put(out, v);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(s.bitCount), 2);
    for (std::uint32_t v : {s.compression, s.sizeImage, 2835u, 2835u, s.clrUsed, 0u})
        Put(out, v);
    for (std::uint32_t m : s.masks)
        Put(out, m);
    for (std::uint32_t c : s.palette)
        Put(out, c & 0xffffffu);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

// A 24-bit bottom-up file with the picture's colours.
inline std::vector<std::uint8_t> From(const core::Picture &picture)
{
    Layout layout;
    layout.width = picture.width;
    layout.height = picture.height;
    layout.pixel = [&picture](int x, int y) { return picture.At(x, y); };
    return Make(layout);
}

inline bool Write(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

} // namespace testbmp
