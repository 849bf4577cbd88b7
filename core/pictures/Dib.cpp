// CDib: loads a whole BMP file and checks its header before exposing any pointer into it.
#include "core/pictures/Dib.h"

#include <new>
#include <optional>
#include <string>

namespace core {

CDib::CDib() = default;

// The pointers point into the block, whose storage a move hands over as it is.
CDib::CDib(CDib &&) noexcept = default;
CDib &CDib::operator=(CDib &&) noexcept = default;

CDib::CDib(const std::filesystem::path &fileName)
{
    Reset();
    m_bLoaded = false;
    Load(fileName);
}

CDib::~CDib()
{
    Free();
}

bool CDib::Load(const std::filesystem::path &fileName)
{
    Reset();
    m_strFileName = fileName;
    const std::optional<std::string> bytes = bmp::ReadPictureFile(fileName);
    if (!bytes) {
        m_bLoaded = false;
        return false;
    }
    return LoadBytes(*bytes, fileName);
}

bool CDib::LoadBytes(std::string_view file, const std::filesystem::path &fileName)
{
    Reset();
    m_strFileName = fileName;
    const auto *data = reinterpret_cast<const std::uint8_t *>(file.data());
    if (file.size() < bmp::kFileHeaderSize) {
        m_bLoaded = false;
        return false;
    }
    if (bmp::ReadU16(data) != bmp::kMagic) {
        m_bNotBitmap = true;
        m_bLoaded = false;
        return false;
    }

    try {
        m_block.assign(data + bmp::kFileHeaderSize, data + file.size());
    } catch (const std::bad_alloc &) {
        Reset();
        m_bLoaded = false;
        return false;
    }
    const std::optional<BitmapInfoHeader> header = bmp::ParseInfoHeader(m_block.data(), m_block.size());
    if (!header) {
        Reset();
        m_bLoaded = false;
        return false;
    }

    m_header = *header;
    const std::uint64_t colors = m_header.biClrUsed != 0 ? m_header.biClrUsed : static_cast<std::uint64_t>(NumColors());
    const std::uint64_t bitsOffset = m_header.biSize + 4 * colors;
    if (!bmp::PixelDataFits(m_header, bitsOffset, m_block.size())) {
        Reset();
        m_bLoaded = false;
        return false;
    }

    m_nWidth = m_header.biWidth;
    m_nHeight = m_header.biHeight;
    m_nBitCount = m_header.biBitCount & 0xff;
    m_nColors = static_cast<int>(colors);
    m_header.biClrUsed = static_cast<std::uint32_t>(colors);
    m_pColorTable = m_block.data() + m_header.biSize;
    m_pBits = m_block.data() + bitsOffset;
    if (m_pBits == m_pColorTable)
        m_pColorTable = nullptr;
    m_header.biSizeImage = ImageSize();
    m_bLoaded = true;
    return true;
}

void CDib::Free()
{
    m_block.clear();
    m_block.shrink_to_fit();
    m_pBits = nullptr;
    m_pColorTable = nullptr;
    m_strFileName.clear();
}

const BitmapInfoHeader *CDib::Header() const
{
    return m_block.empty() ? nullptr : &m_header;
}

int CDib::NumColors() const
{
    if (m_header.biClrUsed != 0)
        return static_cast<int>(m_header.biClrUsed);
    switch (m_header.biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

std::uint32_t CDib::ImageSize() const
{
    if (m_header.biSizeImage != 0)
        return m_header.biSizeImage;
    const std::uint32_t rows = static_cast<std::uint32_t>(m_header.biHeight < 0 ? -m_header.biHeight : m_header.biHeight);
    return static_cast<std::uint32_t>(RowBytes(m_header.biWidth, 24)) * rows;
}

int CDib::RowBytes(int width, int bitsPerPixel)
{
    int bytes = width;
    if (bitsPerPixel == 1)
        bytes = (width + 7) / 8;
    else if (bitsPerPixel == 4)
        bytes = (width + 1) / 2;
    else if (bitsPerPixel == 24)
        bytes = width * 3;
    return (bytes + 3) & ~3;
}

void CDib::Reset()
{
    Free();
    m_bNotBitmap = false;
    m_nBitCount = 0;
    m_nColors = 0;
    m_header = BitmapInfoHeader{};
    m_nWidth = 0;
    m_nHeight = 0;
}

} // namespace core
