// Reading and checking the information header of a BMP file held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "gfx/Dib.h"

namespace gfx::bmp {

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::uint16_t kMagic = 0x4D42; // "BM"

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
};

std::uint16_t ReadU16(const std::uint8_t *p);
std::uint32_t ReadU32(const std::uint8_t *p);

// The header at the start of `block`, or nothing when it is shorter than its own size field says,
// smaller than 40 bytes, or describes a picture this program cannot draw (no pixels, an unknown
// bit count or compression, a compression that does not fit the bit count, top-down run-length
// data, a side longer than 32767 pixels, more than 2^26 pixels in all).
std::optional<BitmapInfoHeader> ParseInfoHeader(const std::uint8_t *block, std::size_t size);

// Bytes of one stored row, padded to 4 bytes.
std::uint64_t StoredRowBytes(std::uint32_t width, unsigned bitCount);

// Whether the pixel data that starts `offset` bytes into a block of `size` bytes lies inside it.
// Uncompressed rows are counted in full; run-length data needs its stated size, or one byte.
bool PixelDataFits(const BitmapInfoHeader &header, std::uint64_t offset, std::size_t size);

} // namespace gfx::bmp
