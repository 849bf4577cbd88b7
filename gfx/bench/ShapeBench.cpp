// Prints how long reading, outlining and digit-box search take for a 2000 x 2000 background.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include <QPainter>
#include <QTemporaryDir>

#include "gfx/BitmapFile.h"
#include "gfx/Shape.h"

namespace {

double BestMilliseconds(const std::function<void()> &work, int runs = 9)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QImage RoundFace(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 70, 160));
    painter.drawEllipse(0, 0, side, side);
    painter.setBrush(QColor(200, 200, 220));
    for (int i = 0; i < 12; ++i)
        painter.drawEllipse(side / 2 + (i - 6) * side / 16, side / 4, side / 40, side / 40);
    painter.fillRect(side / 2 - 55, side / 2 - 12, 110, 25, Qt::black);
    return image;
}

// Every pixel alternates with its neighbour: the largest number of runs a picture can have.
QImage Checkerboard(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < side; ++x)
            line[x] = (x + y) % 2 ? qRgb(255, 0, 255) : qRgb(30, 30, 30);
    }
    return image;
}

void Report(const char *name, const QImage &picture)
{
    QRegion region;
    std::optional<QPoint> box;
    const double outline = BestMilliseconds([&] { region = OutlineRegion(picture); });
    const double digits = BestMilliseconds([&] { box = FindDigitBox(picture); });
    std::printf("%-22s outline %8.2f ms (%d rectangles)   digit box %7.2f ms (%s)\n", name, outline,
                region.rectCount(), digits, box ? "found" : "none");
}

} // namespace

int main()
{
    const int side = 2000;
    const QImage face = RoundFace(side);
    std::printf("Shaping a %d x %d picture, median of 9 runs\n", side, side);
    Report("round face on white", face);
    Report("checkerboard", Checkerboard(side));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("face.bmp"));
    if (dir.isValid() && face.save(path, "BMP")) {
        QImage loaded;
        const double load = BestMilliseconds([&] { LoadBitmapFile(path, loaded); });
        const double whole = BestMilliseconds([&] {
            QImage picture;
            LoadBitmapFile(path, picture);
            OutlineRegion(picture);
            FindDigitBox(picture);
        });
        std::printf("%-22s read    %8.2f ms   read + outline + digit box %7.2f ms\n", "24-bit BMP file", load, whole);
    }
    return 0;
}
