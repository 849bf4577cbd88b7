// Icon and cursor files: a directory of entries, each a BMP information header, the colour
// pixels bottom-up and a one-bit mask (set where the picture is transparent).
#include "tools/artgen/IcoWriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>

#include "tools/artgen/Backgrounds.h"
#include "tools/artgen/BmpWriter.h"
#include "tools/artgen/DigitStrips.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/PopupPicture.h"

namespace {

void Put16(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void Put32(QByteArray &out, quint32 value)
{
    Put16(out, static_cast<int>(value & 0xffff));
    Put16(out, static_cast<int>(value >> 16));
}

QByteArray ImageData(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    Put32(out, 40);
    Put32(out, static_cast<quint32>(w));
    Put32(out, static_cast<quint32>(h * 2)); // colour and mask together
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0); // BI_RGB
    Put32(out, static_cast<quint32>(w * h * 4 + maskStride * h));
    for (int i = 0; i < 4; ++i)
        Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.append(static_cast<char>(qBlue(pixel)));
            out.append(static_cast<char>(qGreen(pixel)));
            out.append(static_cast<char>(qRed(pixel)));
            out.append(static_cast<char>(qAlpha(pixel)));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

// type 1: icon (planes 1, 32 bits); type 2: cursor (the hot spot in those two fields).
bool WriteEntries(const std::vector<QImage> &images, int type, QPoint hotSpot, const QString &fileName)
{
    QByteArray out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, static_cast<int>(images.size()));
    std::vector<QByteArray> data;
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (const QImage &image : images) {
        data.push_back(ImageData(image));
        out.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));
        out.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
        out.append('\0');
        out.append('\0');
        Put16(out, type == 1 ? 1 : hotSpot.x());
        Put16(out, type == 1 ? 32 : hotSpot.y());
        Put32(out, static_cast<quint32>(data.back().size()));
        Put32(out, offset);
        offset += static_cast<quint32>(data.back().size());
    }
    for (const QByteArray &bytes : data)
        out.append(bytes);
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.flush();
}

} // namespace

bool WriteIco(const std::vector<QImage> &images, const QString &fileName)
{
    return WriteEntries(images, 1, QPoint(), fileName);
}

bool WriteCur(const QImage &image, QPoint hotSpot, const QString &fileName)
{
    return WriteEntries({image}, 2, hotSpot, fileName);
}

int WriteWindowsResources(const QString &directory)
{
    const QDir dir(directory);
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "artgen: cannot create %s\n", qPrintable(directory));
        return 1;
    }
    bool ok = WriteIco({ProgramIconImage(16), ProgramIconImage(32), ProgramIconImage(48)}, dir.filePath("program.ico"));
    for (int day = 1; day <= 31; ++day)
        ok = ok && WriteIco({DayIconImage(day)}, dir.filePath(QString("day%1.ico").arg(day, 2, 10, QChar('0'))));
    ok = ok && WriteCur(ArrowCursorImage(), QPoint(0, 0), dir.filePath("arrow.cur"));
    ok = ok && WriteBmp24(FallbackBackground(), dir.filePath("fallback.BK"));
    ok = ok && WriteBmp24(DigitStrip(FallbackStyle()), dir.filePath("fallback.NUM"));
    if (!ok)
        std::fprintf(stderr, "artgen: cannot write the Windows pictures into %s\n", qPrintable(directory));
    return ok ? 0 : 1;
}
