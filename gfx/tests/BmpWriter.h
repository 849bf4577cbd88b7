// Builds BMP files byte by byte for the tests, including deliberately damaged ones.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QFile>
#include <QImage>
#include <QString>

namespace testbmp {

struct Spec {
    int width = 1;
    int height = 1; // as stored: negative for top-down rows
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<QRgb> palette;  // written as the colour table
    std::uint32_t clrUsed = 0;
    std::uint32_t sizeImage = 0;
    std::vector<std::uint32_t> masks; // written after the header
    std::vector<std::uint8_t> rawBits; // used instead of `pixel` when not empty
    // Stored value (palette index or packed pixel) of column x, row y counted from the top.
    std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
};

inline void Put16(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void Put32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    Put16(out, v & 0xffffu);
    Put16(out, v >> 16);
}

inline void Set32(std::vector<std::uint8_t> &out, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Byte offsets of header fields in a whole file.
enum Field : std::size_t {
    kBiSize = 14,
    kBiWidth = 18,
    kBiHeight = 22,
    kBiBitCount = 28,
    kBiCompression = 30,
    kBiSizeImage = 34,
    kBiClrUsed = 46,
};

inline std::vector<std::uint8_t> Bits(const Spec &spec)
{
    if (!spec.rawBits.empty())
        return spec.rawBits;
    std::vector<std::uint8_t> bits;
    const int rows = spec.height < 0 ? -spec.height : spec.height;
    const std::size_t stride = (static_cast<std::size_t>(spec.width) * spec.bitCount + 31) / 32 * 4;
    for (int r = 0; r < rows; ++r) {
        const int y = spec.height > 0 ? rows - 1 - r : r;
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < spec.width; ++x) {
            const std::uint32_t v = spec.pixel(x, y);
            switch (spec.bitCount) {
            case 1:
                row[x / 8] |= static_cast<std::uint8_t>((v & 1u) << (7 - x % 8));
                break;
            case 4:
                row[x / 2] |= static_cast<std::uint8_t>((v & 0xfu) << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = static_cast<std::uint8_t>(v);
                break;
            case 16:
                row[2 * x] = static_cast<std::uint8_t>(v);
                row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                break;
            case 24:
                row[3 * x] = static_cast<std::uint8_t>(v);
                row[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
                break;
            default:
                for (int i = 0; i < 4; ++i)
                    row[4 * x + i] = static_cast<std::uint8_t>(v >> (8 * i));
                break;
            }
        }
        bits.insert(bits.end(), row.begin(), row.end());
    }
    return bits;
}

inline std::vector<std::uint8_t> Make(const Spec &spec)
{
    const std::vector<std::uint8_t> bits = Bits(spec);
    const std::uint32_t offBits =
        static_cast<std::uint32_t>(14 + 40 + 4 * spec.masks.size() + 4 * spec.palette.size());
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + static_cast<std::uint32_t>(bits.size()));
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(spec.width));
    Put32(out, static_cast<std::uint32_t>(spec.height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(spec.bitCount));
    Put32(out, spec.compression);
    Put32(out, spec.sizeImage);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, spec.clrUsed);
    Put32(out, 0);
    for (std::uint32_t m : spec.masks)
        Put32(out, m);
    for (QRgb c : spec.palette) {
        out.push_back(static_cast<std::uint8_t>(qBlue(c)));
        out.push_back(static_cast<std::uint8_t>(qGreen(c)));
        out.push_back(static_cast<std::uint8_t>(qRed(c)));
        out.push_back(0);
    }
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

// A 24-bit bottom-up file with the picture's colours.
inline std::vector<std::uint8_t> From(const QImage &picture)
{
    Spec spec;
    spec.width = picture.width();
    spec.height = picture.height();
    spec.pixel = [&picture](int x, int y) { return static_cast<std::uint32_t>(picture.pixel(x, y) & 0xffffffu); };
    return Make(spec);
}

inline bool Write(const QString &path, const std::vector<std::uint8_t> &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()))
        == static_cast<qint64>(bytes.size());
}

} // namespace testbmp
