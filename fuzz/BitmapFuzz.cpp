// libFuzzer target: arbitrary bytes as a BMP file read by CDib and LoadBitmapFile. Both must
// either refuse the file or give a picture whose every pixel and colour lies inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QImage>
#include <QString>

#include "gfx/BitmapFile.h"
#include "gfx/BmpFormat.h"
#include "gfx/Dib.h"
#include "platform/UserMessage.h"

namespace {

// The input lives in a memory file, reached by a path like any picture on disk.
int InputFile()
{
    static const int fd = [] {
        platform::SetUserMessageHandler([](const QString &) {});
        return memfd_create("picture.bmp", 0);
    }();
    return fd;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Reads every byte the loaded header says is there, so that the sanitizer sees any overrun.
unsigned TouchLoadedBytes(const CDib &dib)
{
    unsigned sum = 0;
    const BitmapInfoHeader *header = dib.Header();
    if (dib.ColorTable())
        for (std::size_t i = 0; i < 4 * static_cast<std::size_t>(dib.ColorCount()); ++i)
            sum += dib.ColorTable()[i];
    const bool runLength = header->biCompression == gfx::bmp::kRle8 || header->biCompression == gfx::bmp::kRle4;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(dib.Height()));
    const std::uint64_t bytes = runLength
        ? 1
        : gfx::bmp::StoredRowBytes(static_cast<std::uint32_t>(dib.Width()), header->biBitCount) * rows;
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
    const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);

    CDib dib(path);
    if (dib.IsLoaded()) {
        Check(dib.Width() > 0 && dib.Height() != 0 && dib.Bits() != nullptr && dib.Header() != nullptr);
        Check(dib.ColorCount() >= 0 && dib.Header()->biClrUsed == static_cast<std::uint32_t>(dib.ColorCount()));
        volatile unsigned sink = TouchLoadedBytes(dib);
        (void)sink;
    } else {
        Check(dib.Width() == 0 && dib.Height() == 0 && dib.Bits() == nullptr);
    }

    QImage image;
    if (LoadBitmapFile(path, image)) {
        // What the drawing reader accepts, the header reader accepts with the same size.
        Check(!image.isNull() && dib.IsLoaded());
        Check(image.width() == dib.Width() && image.height() == std::abs(dib.Height()));
        Check(image.format() == QImage::Format_RGB32);
    } else {
        Check(image.isNull());
    }
    return 0;
}
