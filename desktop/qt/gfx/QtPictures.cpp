// Converts between core pictures and Qt images and regions, and reads files through QFile.
#include "gfx/QtPictures.h"

#include <cstring>
#include <string_view>

#include <QFile>

#include "platform/IniFile.h"
#include "platform/UserMessage.h"

namespace gfx {

namespace {

// The whole file, or nothing when it cannot be opened or is not a plain file (a pipe, a device).
std::optional<QByteArray> ReadWhole(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return std::nullopt;
    return bytes;
}

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

QImage ToImage(const core::Picture &picture)
{
    if (picture.IsNull())
        return QImage();
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), &picture.At(0, y), static_cast<std::size_t>(picture.width) * 4);
    return image;
}

core::Picture FromImage(const QImage &image)
{
    core::Picture picture;
    if (image.isNull())
        return picture;
    const QImage rgb = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_ARGB32);
    picture.width = rgb.width();
    picture.height = rgb.height();
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(&picture.At(0, y), rgb.constScanLine(y), static_cast<std::size_t>(picture.width) * 4);
    return picture;
}

QRegion ToRegion(const std::vector<core::PixelRect> &rects)
{
    QRegion region;
    if (rects.empty())
        return region;
    std::vector<QRect> qrects;
    qrects.reserve(rects.size());
    for (const core::PixelRect &r : rects)
        qrects.emplace_back(r.x, r.y, r.width, r.height);
    region.setRects(qrects.data(), static_cast<int>(qrects.size()));
    return region;
}

QString QtPath(const std::filesystem::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

core::CDib OpenDib(const QString &fileName)
{
    core::CDib dib;
    if (const std::optional<QByteArray> bytes = ReadWhole(fileName)) {
        dib.LoadBytes(View(*bytes), platform::FsPath(fileName));
        if (dib.NotBitmap())
            platform::ShowUserMessage(QString::fromUtf8(core::kNotBitmapMessage.data(),
                                                        static_cast<qsizetype>(core::kNotBitmapMessage.size())));
    }
    return dib;
}

} // namespace gfx

bool LoadBitmapFile(const QString &fileName, QImage &image)
{
    image = QImage();
    const std::optional<QByteArray> bytes = gfx::ReadWhole(fileName);
    if (!bytes)
        return false;
    const std::optional<core::Picture> picture = core::DecodeBitmap(gfx::View(*bytes));
    if (!picture)
        return false;
    image = gfx::ToImage(*picture);
    return !image.isNull();
}

QRegion OutlineRegion(const QImage &picture)
{
    return gfx::ToRegion(core::OutlineRects(gfx::FromImage(picture)));
}

std::optional<QPoint> FindDigitBox(const QImage &picture)
{
    const std::optional<core::PixelPoint> at = core::FindDigitBox(gfx::FromImage(picture));
    if (!at)
        return std::nullopt;
    return QPoint(at->x, at->y);
}
