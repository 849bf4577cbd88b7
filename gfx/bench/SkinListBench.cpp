// Prints how long listing the skins of a folder takes with and without checking that each one
// shows, for folders of 6, 50 and 200 skins of the shipped skins' sizes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include <QImage>
#include <QTemporaryDir>

#include "gfx/SkinCatalogue.h"

namespace {

double MedianMilliseconds(const std::function<void()> &work, int runs = 9)
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

bool WriteSkins(const QString &directory, int count)
{
    QImage background(240, 120, QImage::Format_RGB32);
    background.fill(QColor(255, 0, 255));
    QImage digits(162, 25, QImage::Format_RGB32);
    digits.fill(QColor(20, 200, 40));
    for (int i = 0; i < count; ++i) {
        const QString name = directory + QStringLiteral("/skin%1.").arg(i, 3, 10, QLatin1Char('0'));
        if (!background.save(name + QStringLiteral("BK"), "BMP") || !digits.save(name + QStringLiteral("NUM"), "BMP"))
            return false;
    }
    return true;
}

} // namespace

int main()
{
    std::printf("Listing the backgrounds and digit strips of a folder, median of 9 runs\n");
    for (const int count : {6, 50, 200}) {
        QTemporaryDir dir;
        if (!dir.isValid() || !WriteSkins(dir.path(), count)) {
            std::printf("cannot write %d skins\n", count);
            return 1;
        }
        const QString path = dir.path();
        const double names = MedianMilliseconds([&] {
            for (const char *extension : {"BK", "NUM"})
                EnumSkins(path, QString::fromLatin1(extension));
        });
        qsizetype listed = 0;
        const double usable = MedianMilliseconds([&] {
            listed = 0;
            for (const char *extension : {"BK", "NUM"}) {
                const QString ext = QString::fromLatin1(extension);
                listed += UsableSkins(ListSkinFiles({path}, ext), ext).size();
            }
        });
        std::printf("%4d skins of each kind: names only %7.2f ms, only usable ones %7.2f ms (%lld listed)\n", count,
                    names, usable, static_cast<long long>(listed));
    }
    return 0;
}
