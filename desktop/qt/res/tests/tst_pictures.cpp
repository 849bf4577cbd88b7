// Checks that the shipped skins and the compiled-in pictures follow the rules the program relies on.
#include <set>
#include <vector>

#include <QCursor>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>

#include "gfx/QtPictures.h"
#include "res/Resources.h"

namespace {

const QString kPopupName = QString::fromUtf8("通知.MSG");

QStringList Shipped(const QString &extension)
{
    const QDir dir(QStringLiteral(DOVETOCK_PROGRAM_DIR));
    QStringList paths;
    for (const QString &name : dir.entryList({"*." + extension}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QImage ReadPicture(const QString &path)
{
    return QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
}

// What is wrong with a background picture, or an empty text. The box the program finds must be all
// black with a ring two pixels wide of face round it that is neither key colour nor black, so that
// no other position could pass for the box.
QString BackgroundProblem(const QImage &picture)
{
    if (picture.isNull())
        return "cannot be read";
    const std::optional<QPoint> at = FindDigitBox(picture);
    if (!at)
        return "the program finds no digit box";
    const QRect box(*at, QSize(110, 25));
    const QRgb key = picture.pixel(0, 0);
    for (int y = box.top() - 2; y <= box.bottom() + 2; ++y) {
        for (int x = box.left() - 2; x <= box.right() + 2; ++x) {
            const bool black = picture.rect().contains(x, y) && (picture.pixel(x, y) & RGB_MASK) == 0;
            if (box.contains(x, y) ? !black : (black || !picture.rect().contains(x, y) || picture.pixel(x, y) == key))
                return QString("the digit box at (%1, %2) is not a plain box in the face").arg(at->x()).arg(at->y());
        }
    }
    return {};
}

// What is wrong with a digit strip, or an empty text.
QString DigitStripProblem(const QImage &strip)
{
    if (strip.isNull())
        return "cannot be read";
    if (strip.height() != 25 || strip.width() < 162)
        return QString("is %1 x %2").arg(strip.width()).arg(strip.height());
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            if (strip.copy(15 * a, 0, 15, 25) == strip.copy(15 * b, 0, 15, 25))
                return QString("digits %1 and %2 look the same").arg(a).arg(b);
        }
    }
    const QImage edge = strip.copy(150, 0, 1, 25);
    for (const int x : {151, 160, 161}) {
        if (strip.copy(x, 0, 1, 25) != edge)
            return "the edge pieces are not plain and alike";
    }
    if (strip.copy(150, 0, 8, 25) == edge.scaled(8, 25))
        return "the colon is empty";
    return {};
}

// What is wrong with a popup picture, or an empty text.
QString PopupProblem(const QImage &picture)
{
    if (picture.isNull())
        return "cannot be read";
    if (picture.size() != QSize(122, 130))
        return QString("is %1 x %2").arg(picture.width()).arg(picture.height());
    const QRgb key = picture.pixel(0, 0);
    const QRect textBox(6, 67, 110, 57);
    const QRgb paper = picture.pixel(textBox.topLeft());
    if (paper == key || qGray(paper) < 200)
        return "the text box is cut out or too dark for red text";
    std::set<QRgb> above;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if ((x == 0 || y == 0 || x == picture.width() - 1 || y == picture.height() - 1) && pixel != key)
                return "the border is not all key colour";
            if (textBox.contains(x, y) && pixel != paper)
                return QString("the text box is not plain at (%1, %2)").arg(x).arg(y);
            if (y < textBox.top())
                above.insert(pixel);
        }
    }
    if (above.size() < 20)
        return "nothing is drawn above the text box";
    return {};
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitResources(); }

    void programReadsEveryPictureAsQtDoes()
    {
        const QStringList paths = Shipped("BK") + Shipped("NUM") + Shipped("MSG")
            + QStringList{FallbackBackgroundPath(), FallbackDigitsPath(), FallbackPopupPath()};
        for (const QString &path : paths) {
            const QImage expected = ReadPicture(path);
            QImage loaded;
            QVERIFY2(!expected.isNull() && LoadBitmapFile(path, loaded), qPrintable(path));
            QVERIFY2(loaded.convertToFormat(QImage::Format_RGB32) == expected, qPrintable(path));
            const core::CDib dib = gfx::OpenDib(path);
            QVERIFY2(dib.IsLoaded(), qPrintable(path));
            QCOMPARE(QSize(dib.Width(), dib.Height()), expected.size());
            QCOMPARE(dib.ColorCount(), 0);
        }
    }

    void picturesFollowTheirRules()
    {
        const QStringList backgrounds = Shipped("BK");
        QVERIFY2(backgrounds.size() >= 3 && Shipped("NUM").size() >= 2 && Shipped("MSG").contains(
                     QDir(QStringLiteral(DOVETOCK_PROGRAM_DIR)).filePath(kPopupName)),
                 qPrintable((backgrounds + Shipped("NUM") + Shipped("MSG")).join(", ")));
        std::set<QRgb> keys;
        for (const QString &path : backgrounds) {
            const QImage picture = ReadPicture(path);
            keys.insert(picture.pixel(0, 0));
            QVERIFY2(picture.width() >= 120 && picture.width() <= 260, qPrintable(path));
        }
        QCOMPARE(int(keys.size()), int(backgrounds.size()));

        const auto check = [](const QStringList &paths, QString (*problem)(const QImage &)) {
            for (const QString &path : paths) {
                const QString found = problem(ReadPicture(path));
                QVERIFY2(found.isEmpty(), qPrintable(path + ": " + found));
            }
        };
        check(backgrounds + QStringList{FallbackBackgroundPath()}, BackgroundProblem);
        check(Shipped("NUM") + QStringList{FallbackDigitsPath()}, DigitStripProblem);
        check(Shipped("MSG") + QStringList{FallbackPopupPath()}, PopupProblem);
    }

    void programAndDayIcons()
    {
        const QIcon program = ProgramIcon();
        for (int size : {16, 32, 48})
            QVERIFY2(program.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));

        QVERIFY(DayIcon(0).isNull());
        QVERIFY(DayIcon(32).isNull());
        std::vector<QImage> days;
        for (int day = 1; day <= 31; ++day) {
            const QImage image = DayIcon(day).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(32, 32));
            int white = 0;
            int black = 0;
            for (int y = 12; y < 30; ++y) {
                for (int x = 3; x < 29; ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    white += qAlpha(pixel) == 255 && qGray(pixel) > 240;
                    black += qAlpha(pixel) == 255 && qGray(pixel) < 40;
                }
            }
            QVERIFY2(white > 150 && black > 25, qPrintable(QString("day %1: %2 white, %3 black").arg(day).arg(white).arg(black)));
            for (std::size_t other = 0; other < days.size(); ++other)
                QVERIFY2(days[other] != image, qPrintable(QString("days %1 and %2").arg(other + 1).arg(day)));
            days.push_back(image);
        }
    }

    void arrowCursorHasItsHotSpotAtTheTip()
    {
        const QCursor cursor = ArrowCursor();
        QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.pixel(0, 0), qRgba(0, 0, 0, 255));
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
