// CDib: reads a BMP file into memory and exposes its header values.
#pragma once

#include <cstdint>
#include <vector>

#include <QString>

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

class CDib
{
public:
    CDib();
    // Resets every field, then loads the file.
    explicit CDib(const QString &fileName);
    ~CDib();

    CDib(const CDib &) = delete;
    CDib &operator=(const CDib &) = delete;

    // Reads the file. A file that does not start with "BM" shows "This is not a bitmap file!";
    // short, unreadable or damaged files fail silently. Returns the loaded flag.
    bool Load(const QString &fileName);
    // Releases the block; the loaded flag and the sizes stay as they are.
    void Free();

    bool IsLoaded() const { return m_bLoaded; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    int BitCount() const { return m_nBitCount; }
    int ColorCount() const { return m_nColors; }
    const QString &FileName() const { return m_strFileName; }

    // The loaded header (biClrUsed and biSizeImage filled in by Load), or null.
    const BitmapInfoHeader *Header() const;
    // First colour-table entry (4 bytes each), or null when the file has none.
    const std::uint8_t *ColorTable() const { return m_pColorTable; }
    // First byte of the pixel rows, or null.
    const std::uint8_t *Bits() const { return m_pBits; }

    // biClrUsed when set, else 2, 16 or 256 for 1, 4 and 8 bits per pixel, else 0.
    int NumColors() const;
    // biSizeImage when set, else the size of the rows at 24 bits per pixel.
    std::uint32_t ImageSize() const;
    // Bytes of one row, rounded up to a multiple of 4.
    static int RowBytes(int width, int bitsPerPixel);

private:
    void Reset();

    bool m_bLoaded = false;
    const std::uint8_t *m_pColorTable = nullptr;
    const std::uint8_t *m_pBits = nullptr;
    int m_nBitCount = 0;
    int m_nColors = 0;
    QString m_strFileName;
    BitmapInfoHeader m_header;
    std::vector<std::uint8_t> m_block; // the file without its 14-byte file header
    int m_nWidth = 0;
    int m_nHeight = 0;
};
