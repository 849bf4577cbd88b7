// Writes pictures as uncompressed 24-bit BMP files.
#include "tools/artgen/BmpWriter.h"

#include <QByteArray>
#include <QSaveFile>

namespace {

void Put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void Put32(QByteArray &out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

} // namespace

bool WriteBmp24(const QImage &image, const QString &fileName)
{
    if (image.isNull())
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const quint32 imageSize = quint32(rowBytes) * quint32(height);
    constexpr quint32 kHeadersSize = 14 + 40;

    QByteArray out;
    out.reserve(int(kHeadersSize + imageSize));
    out.append("BM", 2);
    Put32(out, kHeadersSize + imageSize);
    Put16(out, 0);
    Put16(out, 0);
    Put32(out, kHeadersSize);

    Put32(out, 40);
    Put32(out, quint32(width));
    Put32(out, quint32(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835); // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);

    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad)
            out.append('\0');
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(out) != out.size())
        return false;
    return file.commit();
}
