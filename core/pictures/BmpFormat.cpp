// Header checks shared by the two BMP readers, so that neither ever reads past the file.
#include "core/pictures/BmpFormat.h"

#include <cstdlib>
#include <system_error>

#include "core/files/ReadFile.h"

namespace core::bmp {

namespace {
constexpr std::int32_t kMaxSide = 32767;
// 256 MiB once decoded: a few bytes of run-length data must not make every repaint that large.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

bool BitCountFitsCompression(unsigned bitCount, std::uint32_t compression)
{
    switch (compression) {
    case kRgb:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24
            || bitCount == 32;
    case kRle8:
        return bitCount == 8;
    case kRle4:
        return bitCount == 4;
    case kBitFields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}
} // namespace

std::uint16_t ReadU16(const std::uint8_t *p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadU32(const std::uint8_t *p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
        | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::optional<BitmapInfoHeader> ParseInfoHeader(const std::uint8_t *block, std::size_t size)
{
    if (size < kInfoHeaderSize)
        return std::nullopt;
    BitmapInfoHeader h;
    h.biSize = ReadU32(block);
    h.biWidth = static_cast<std::int32_t>(ReadU32(block + 4));
    h.biHeight = static_cast<std::int32_t>(ReadU32(block + 8));
    h.biPlanes = ReadU16(block + 12);
    h.biBitCount = ReadU16(block + 14);
    h.biCompression = ReadU32(block + 16);
    h.biSizeImage = ReadU32(block + 20);
    h.biXPelsPerMeter = static_cast<std::int32_t>(ReadU32(block + 24));
    h.biYPelsPerMeter = static_cast<std::int32_t>(ReadU32(block + 28));
    h.biClrUsed = ReadU32(block + 32);
    h.biClrImportant = ReadU32(block + 36);

    if (h.biSize < kInfoHeaderSize || h.biSize > size)
        return std::nullopt;
    if (h.biWidth <= 0 || h.biWidth > kMaxSide || h.biHeight == 0 || h.biHeight < -kMaxSide
        || h.biHeight > kMaxSide)
        return std::nullopt;
    if (std::int64_t{h.biWidth} * std::abs(h.biHeight) > kMaxPixels)
        return std::nullopt;
    if (!BitCountFitsCompression(h.biBitCount, h.biCompression))
        return std::nullopt;
    if ((h.biCompression == kRle8 || h.biCompression == kRle4) && h.biHeight < 0)
        return std::nullopt;
    return h;
}

std::uint64_t StoredRowBytes(std::uint32_t width, unsigned bitCount)
{
    return (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
}

bool PixelDataFits(const BitmapInfoHeader &header, std::uint64_t offset, std::size_t size)
{
    if (offset > size)
        return false;
    const std::uint64_t available = size - offset;
    if (header.biCompression == kRle8 || header.biCompression == kRle4) {
        const std::uint64_t needed = header.biSizeImage != 0 ? header.biSizeImage : 1;
        return needed <= available;
    }
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(header.biHeight));
    return StoredRowBytes(static_cast<std::uint32_t>(header.biWidth), header.biBitCount) * rows
        <= available;
}

std::optional<std::string> ReadPictureFile(const std::filesystem::path &path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    return ReadFileBytes(path);
}

} // namespace core::bmp
