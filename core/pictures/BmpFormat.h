// Reading and checking the information header of a BMP file held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace core {

// The 40-byte information header of a BMP file, as stored (little-endian).
struct BitmapInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

} // namespace core

namespace core::bmp {

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

// The bytes of the file at `path` when it is a regular file (or a link to one) that can be read;
// nothing for a missing file, a folder, a pipe or a device, which are never read.
std::optional<std::string> ReadPictureFile(const std::filesystem::path &path);

} // namespace core::bmp
