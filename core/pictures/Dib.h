// CDib: reads a BMP file into memory and exposes its header values.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/pictures/BmpFormat.h"

namespace core {

// What the user is told about a file that does not start with "BM".
inline constexpr std::string_view kNotBitmapMessage = "This is not a bitmap file!";

class CDib
{
public:
    CDib();
    // Resets every field, then loads the file.
    explicit CDib(const std::filesystem::path &fileName);
    ~CDib();

    CDib(const CDib &) = delete;
    CDib &operator=(const CDib &) = delete;
    CDib(CDib &&) noexcept;
    CDib &operator=(CDib &&) noexcept;

    // Reads the file. Missing, unreadable (a folder, a pipe, a device), short or damaged files, and
    // files that do not start with "BM" (NotBitmap() tells those apart, for the message the user is
    // shown), fail. Returns the loaded flag.
    bool Load(const std::filesystem::path &fileName);
    // The same for the bytes of a whole file already read; `fileName` is only kept.
    bool LoadBytes(std::string_view file, const std::filesystem::path &fileName = {});
    // Releases the block; the loaded flag and the sizes stay as they are.
    void Free();

    bool IsLoaded() const { return m_bLoaded; }
    // True when the last load failed because the file does not start with "BM".
    bool NotBitmap() const { return m_bNotBitmap; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    int BitCount() const { return m_nBitCount; }
    int ColorCount() const { return m_nColors; }
    const std::filesystem::path &FileName() const { return m_strFileName; }

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
    bool m_bNotBitmap = false;
    const std::uint8_t *m_pColorTable = nullptr;
    const std::uint8_t *m_pBits = nullptr;
    int m_nBitCount = 0;
    int m_nColors = 0;
    std::filesystem::path m_strFileName;
    BitmapInfoHeader m_header;
    std::vector<std::uint8_t> m_block; // the file without its 14-byte file header
    int m_nWidth = 0;
    int m_nHeight = 0;
};

} // namespace core
