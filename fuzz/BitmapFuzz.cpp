// libFuzzer target: arbitrary bytes as a BMP file read by CDib and LoadBitmapFile. Both must
// either refuse the file or give a picture whose every pixel and colour lies inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "core/pictures/BitmapFile.h"
#include "core/pictures/BmpFormat.h"
#include "core/pictures/Dib.h"

namespace {

// The input lives in a memory file, reached by a path like any picture on disk.
int InputFile()
{
    static const int fd = memfd_create("picture.bmp", 0);
    return fd;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Reads every byte the loaded header says is there, so that the sanitizer sees any overrun.
unsigned TouchLoadedBytes(const core::CDib &dib)
{
    unsigned sum = 0;
    const core::BitmapInfoHeader *header = dib.Header();
    if (dib.ColorTable())
        for (std::size_t i = 0; i < 4 * static_cast<std::size_t>(dib.ColorCount()); ++i)
            sum += dib.ColorTable()[i];
    const bool runLength = header->biCompression == core::bmp::kRle8 || header->biCompression == core::bmp::kRle4;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(dib.Height()));
    const std::uint64_t bytes = runLength
        ? 1
        : core::bmp::StoredRowBytes(static_cast<std::uint32_t>(dib.Width()), header->biBitCount) * rows;
    for (std::uint64_t i = 0; i < bytes; ++i)
        sum += dib.Bits()[i];
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const int fd = InputFile();
    Check(fd >= 0 && ftruncate(fd, 0) == 0);
    Check(pwrite(fd, data, size, 0) == static_cast<ssize_t>(size));
    const std::string path = "/proc/self/fd/" + std::to_string(fd);

    core::CDib dib(path);
    if (dib.IsLoaded()) {
        Check(dib.Width() > 0 && dib.Height() != 0 && dib.Bits() != nullptr && dib.Header() != nullptr);
        Check(dib.ColorCount() >= 0 && dib.Header()->biClrUsed == static_cast<std::uint32_t>(dib.ColorCount()));
        volatile unsigned sink = TouchLoadedBytes(dib);
        (void)sink;
    } else {
        Check(dib.Width() == 0 && dib.Height() == 0 && dib.Bits() == nullptr);
    }

    if (const std::optional<core::Picture> image = core::LoadBitmapFile(path)) {
        // What the drawing reader accepts, the header reader accepts with the same size.
        Check(!image->IsNull() && dib.IsLoaded());
        Check(image->width == dib.Width() && image->height == std::abs(dib.Height()));
        Check(image->pixels.size() == static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height));
    }
    return 0;
}
