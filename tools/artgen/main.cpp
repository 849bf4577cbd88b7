// artgen: draws the default skins ("skins DIR"), the pictures compiled into the program ("resources DIR")
// the program icon for the icon theme ("icons DIR") or the alarm chime ("chime FILE").
#include <cstdio>
#include <functional>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include "tools/artgen/Backgrounds.h"
#include "tools/artgen/BmpWriter.h"
#include "tools/artgen/Chime.h"
#include "tools/artgen/DigitStrips.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/IcoWriter.h"
#include "tools/artgen/PopupPicture.h"

namespace {

struct Output {
    QString fileName;
    std::function<QImage()> draw;
    bool bmp;
};

bool WriteAll(const QString &directory, const std::vector<Output> &outputs)
{
    for (const Output &output : outputs) {
        const QString path = QDir(directory).filePath(output.fileName);
        const QString parent = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(parent)) {
            std::fprintf(stderr, "artgen: cannot create %s\n", qPrintable(parent));
            return false;
        }
        const QImage image = output.draw();
        const bool written = output.bmp ? WriteBmp24(image, path) : image.save(path, "PNG");
        if (!written) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

std::vector<Output> Skins()
{
    return {
        {"Classic.BK", ClassicBackground, true},
        {"Plate.BK", PlateBackground, true},
        {"Leaf.BK", LeafBackground, true},
        {"Classic.NUM", [] { return DigitStrip(ClassicStyle()); }, true},
        {"Green.NUM", [] { return DigitStrip(GreenStyle()); }, true},
        {"Amber.NUM", [] { return DigitStrip(AmberStyle()); }, true},
        {QString::fromUtf8("通知.MSG"), [] { return PopupPicture(QColor(92, 146, 214)); }, true},
    };
}

std::vector<Output> Resources()
{
    std::vector<Output> outputs = {
        {"skins/fallback.BK", FallbackBackground, true},
        {"skins/fallback.NUM", [] { return DigitStrip(FallbackStyle()); }, true},
        {"skins/fallback.MSG", [] { return PopupPicture(QColor(120, 130, 150)); }, true},
        {"cursors/arrow.png", ArrowCursorImage, false},
    };
    for (int size : {16, 32, 48})
        outputs.push_back({QString("icons/program%1.png").arg(size), [size] { return ProgramIconImage(size); }, false});
    for (int day = 1; day <= 31; ++day)
        outputs.push_back({QString("icons/day%1.png").arg(day, 2, 10, QChar('0')), [day] { return DayIconImage(day); }, false});
    return outputs;
}

// The program icon for the desktop's icon theme: SIZExSIZE/apps/dovetock.png.
std::vector<Output> ThemeIcons()
{
    std::vector<Output> outputs;
    for (int size : {32, 48, 256})
        outputs.push_back({QString("%1x%1/apps/dovetock.png").arg(size), [size] { return ProgramIconImage(size); }, false});
    return outputs;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: artgen skins|resources|icons DIRECTORY, or artgen chime FILE\n");
        return 2;
    }
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QString directory = QString::fromLocal8Bit(argv[2]);
    if (what == "skins")
        return WriteAll(directory, Skins()) ? 0 : 1;
    if (what == "resources")
        return WriteAll(directory, Resources()) ? 0 : 1;
    if (what == "icons")
        return WriteAll(directory, ThemeIcons()) ? 0 : 1;
    if (what == "chime")
        return WriteChime(argv[2]) ? 0 : 1;
    if (what == "win32")
        return WriteWindowsResources(directory);
    std::fprintf(stderr, "artgen: unknown set \"%s\"; use skins, resources, icons, chime or win32\n", argv[1]);
    return 2;
}
