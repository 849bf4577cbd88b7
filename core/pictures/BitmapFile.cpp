// LoadBitmapFile: decodes a checked BMP file into an RGB picture with the file's own colour values.
#include "core/pictures/BitmapFile.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include "core/pictures/BmpFormat.h"

namespace core {

namespace {

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m) : mask(m)
    {
        if (mask == 0)
            return;
        while (((mask >> shift) & 1u) == 0)
            ++shift;
        while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u) != 0)
            ++bits;
    }

    int Value(std::uint32_t pixel) const
    {
        if (bits == 0)
            return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<int>(v >> (bits - 8));
        const std::uint32_t max = (1u << bits) - 1;
        return static_cast<int>((v * 255 + max / 2) / max);
    }
};

class Decoder
{
public:
    Decoder(const BitmapInfoHeader &header, const std::uint8_t *block, std::size_t size)
        : m_header(header), m_pBlock(block), m_nSize(size)
    {
    }

    bool Decode(Picture &image);

private:
    bool ReadColorTable(std::uint64_t offset, std::uint64_t count);
    std::uint32_t Palette(unsigned index) const
    {
        return index < m_palette.size() ? m_palette[index] : Rgb(0, 0, 0);
    }
    void DecodeRows(const std::uint8_t *bits, Picture &image) const;
    void DecodeRunLength(const std::uint8_t *bits, std::size_t length, Picture &image) const;

    const BitmapInfoHeader &m_header;
    const std::uint8_t *m_pBlock;
    std::size_t m_nSize;
    std::vector<std::uint32_t> m_palette;
    std::uint32_t m_masks[3] = {0x00ff0000u, 0x0000ff00u, 0x000000ffu};
};

bool Decoder::ReadColorTable(std::uint64_t offset, std::uint64_t count)
{
    if (offset + 4 * count > m_nSize)
        return false;
    const std::uint64_t used = count < 256 ? count : 256;
    m_palette.resize(static_cast<std::size_t>(used));
    for (std::size_t i = 0; i < m_palette.size(); ++i) {
        const std::uint8_t *entry = m_pBlock + offset + 4 * i;
        m_palette[i] = Rgb(entry[2], entry[1], entry[0]);
    }
    return true;
}

bool Decoder::Decode(Picture &image)
{
    const unsigned bitCount = m_header.biBitCount;
    std::uint64_t offset = m_header.biSize;
    if (bitCount <= 8) {
        const std::uint64_t count = m_header.biClrUsed != 0 ? m_header.biClrUsed : (1u << bitCount);
        if (!ReadColorTable(offset, count))
            return false;
        offset += 4 * count;
    } else {
        if (m_header.biCompression == bmp::kBitFields) {
            // The three masks follow the first 40 bytes, inside a longer header or after a short one.
            if (bmp::kInfoHeaderSize + 12 > m_nSize)
                return false;
            for (int i = 0; i < 3; ++i)
                m_masks[i] = bmp::ReadU32(m_pBlock + bmp::kInfoHeaderSize + 4 * i);
        } else if (bitCount == 16) {
            m_masks[0] = 0x7c00u;
            m_masks[1] = 0x03e0u;
            m_masks[2] = 0x001fu;
        }
        offset += 4 * static_cast<std::uint64_t>(m_header.biClrUsed);
        if (m_header.biCompression == bmp::kBitFields && m_header.biSize == bmp::kInfoHeaderSize)
            offset += 12;
    }
    if (!bmp::PixelDataFits(m_header, offset, m_nSize))
        return false;

    image.width = m_header.biWidth;
    image.height = std::abs(m_header.biHeight);
    try {
        image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), Rgb(0, 0, 0));
    } catch (const std::bad_alloc &) {
        return false;
    }
    const std::uint8_t *bits = m_pBlock + offset;
    if (m_header.biCompression == bmp::kRle8 || m_header.biCompression == bmp::kRle4)
        DecodeRunLength(bits, m_nSize - static_cast<std::size_t>(offset), image);
    else
        DecodeRows(bits, image);
    return true;
}

void Decoder::DecodeRows(const std::uint8_t *bits, Picture &image) const
{
    const int width = image.width;
    const int height = image.height;
    const unsigned bitCount = m_header.biBitCount;
    const std::size_t stride = static_cast<std::size_t>(bmp::StoredRowBytes(static_cast<std::uint32_t>(width), bitCount));
    const Channel red(m_masks[0]), green(m_masks[1]), blue(m_masks[2]);
    for (int row = 0; row < height; ++row) {
        const int stored = m_header.biHeight > 0 ? height - 1 - row : row;
        const std::uint8_t *src = bits + stride * static_cast<std::size_t>(stored);
        std::uint32_t *dst = &image.At(0, row);
        switch (bitCount) {
        case 1:
            for (int x = 0; x < width; ++x)
                dst[x] = Palette((src[x >> 3] >> (7 - (x & 7))) & 1u);
            break;
        case 4:
            for (int x = 0; x < width; ++x)
                dst[x] = Palette((x & 1) ? (src[x >> 1] & 0x0fu) : (src[x >> 1] >> 4));
            break;
        case 8:
            for (int x = 0; x < width; ++x)
                dst[x] = Palette(src[x]);
            break;
        case 24:
            for (int x = 0; x < width; ++x, src += 3)
                dst[x] = Rgb(src[2], src[1], src[0]);
            break;
        case 16:
            for (int x = 0; x < width; ++x) {
                const std::uint32_t p = bmp::ReadU16(src + 2 * x);
                dst[x] = Rgb(red.Value(p), green.Value(p), blue.Value(p));
            }
            break;
        default:
            for (int x = 0; x < width; ++x) {
                const std::uint32_t p = bmp::ReadU32(src + 4 * x);
                dst[x] = Rgb(red.Value(p), green.Value(p), blue.Value(p));
            }
            break;
        }
    }
}

// Run-length data is stored bottom-up; pixels it skips keep colour 0 of the table.
void Decoder::DecodeRunLength(const std::uint8_t *bits, std::size_t length, Picture &image) const
{
    std::fill(image.pixels.begin(), image.pixels.end(), Palette(0));
    const bool four = m_header.biCompression == bmp::kRle4;
    const int width = image.width;
    const int height = image.height;
    int x = 0;
    int y = 0; // counted from the bottom row
    std::size_t i = 0;
    auto put = [&](unsigned index) {
        if (x < width && y < height)
            image.At(x, height - 1 - y) = Palette(index);
        ++x;
    };
    while (i + 1 < length && y < height) {
        const unsigned count = bits[i];
        const unsigned value = bits[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count && x < width; ++k)
                put(four ? ((k & 1) ? (value & 0x0fu) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 1 >= length)
                break;
            x += bits[i];
            y += bits[i + 1];
            i += 2;
        } else {
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (i + bytes > length)
                break;
            for (unsigned k = 0; k < value; ++k) {
                const std::uint8_t b = bits[i + (four ? k / 2 : k)];
                put(four ? ((k & 1) ? (b & 0x0fu) : (b >> 4)) : b);
            }
            i += (bytes + 1) & ~std::size_t{1};
        }
    }
}

} // namespace

std::optional<Picture> DecodeBitmap(std::string_view file)
{
    if (file.size() <= bmp::kFileHeaderSize
        || bmp::ReadU16(reinterpret_cast<const std::uint8_t *>(file.data())) != bmp::kMagic)
        return std::nullopt;
    const auto *block = reinterpret_cast<const std::uint8_t *>(file.data()) + bmp::kFileHeaderSize;
    const std::size_t size = file.size() - bmp::kFileHeaderSize;
    const std::optional<BitmapInfoHeader> header = bmp::ParseInfoHeader(block, size);
    if (!header)
        return std::nullopt;
    Picture decoded;
    if (!Decoder(*header, block, size).Decode(decoded))
        return std::nullopt;
    return decoded;
}

std::optional<Picture> LoadBitmapFile(const std::filesystem::path &path)
{
    const std::optional<std::string> bytes = bmp::ReadPictureFile(path);
    if (!bytes)
        return std::nullopt;
    return DecodeBitmap(*bytes);
}

} // namespace core
