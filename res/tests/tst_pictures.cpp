// Checks that the shipped skins and the compiled-in pictures follow the rules the program relies on.
#include <set>
#include <vector>

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtEndian>
#include <QtTest>

#include "gfx/BitmapFile.h"
#include "gfx/Dib.h"
#include "gfx/Shape.h"
#include "res/Resources.h"

namespace {

constexpr int kBoxWidth = 110;
constexpr int kBoxHeight = 25;
const QRect kTextBox(6, 67, 110, 57);

QString ProgramDir()
{
    return QStringLiteral(DOVETOCK_PROGRAM_DIR);
}

QImage ReadPicture(const QString &path)
{
    return QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
}

bool IsBlack(const QImage &picture, int x, int y)
{
    return picture.rect().contains(x, y) && (picture.pixel(x, y) & RGB_MASK) == 0;
}

// Every position that passes the digit box marker test: columns x and x + 109 black for 25 rows,
// at a pixel that is black and not of the key colour.
std::vector<QPoint> DigitBoxMarkers(const QImage &picture)
{
    std::vector<QPoint> found;
    const QRgb key = picture.pixel(0, 0) & RGB_MASK;
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            if ((picture.pixel(x, y) & RGB_MASK) == key || !IsBlack(picture, x, y))
                continue;
            bool passes = true;
            for (int k = 0; k < kBoxHeight && passes; ++k)
                passes = IsBlack(picture, x, y + k) && IsBlack(picture, x + kBoxWidth - 1, y + k);
            if (passes)
                found.emplace_back(x, y);
        }
    }
    return found;
}

// Key-coloured pixels that cannot be reached from the picture's border through key-coloured
// pixels: holes that would show through the face.
int KeyHoles(const QImage &picture)
{
    const QRgb key = picture.pixel(0, 0) & RGB_MASK;
    const int width = picture.width();
    const int height = picture.height();
    std::vector<char> seen(std::size_t(width * height), 0);
    std::vector<QPoint> pending;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        char &mark = seen[std::size_t(y * width + x)];
        if (mark || (picture.pixel(x, y) & RGB_MASK) != key)
            return;
        mark = 1;
        pending.emplace_back(x, y);
    };
    for (int x = 0; x < width; ++x) {
        visit(x, 0);
        visit(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        visit(0, y);
        visit(width - 1, y);
    }
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int holes = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!seen[std::size_t(y * width + x)] && (picture.pixel(x, y) & RGB_MASK) == key)
                ++holes;
        }
    }
    return holes;
}

// What is wrong with a background picture, or an empty text.
QString BackgroundProblem(const QImage &picture)
{
    if (picture.isNull())
        return "cannot be read";
    if (IsBlack(picture, 0, 0))
        return "the key colour is black";
    const std::vector<QPoint> markers = DigitBoxMarkers(picture);
    if (markers.size() != 1)
        return QString("%1 digit box positions instead of one").arg(markers.size());
    const QRect box(markers.front(), QSize(kBoxWidth, kBoxHeight));
    if (!picture.rect().contains(box))
        return "the digit box leaves the picture";
    const QRgb key = picture.pixel(0, 0) & RGB_MASK;
    const QRect around = box.adjusted(-2, -2, 2, 2);
    if (!picture.rect().contains(around))
        return "the digit box touches the picture's edge";
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            if ((picture.pixel(x, y) & RGB_MASK) == key)
                return "the digit box is not surrounded by the face";
        }
    }
    if (const int holes = KeyHoles(picture); holes > 0)
        return QString("%1 key-coloured pixels inside the face").arg(holes);
    return {};
}

// What is wrong with a digit strip, or an empty text.
QString DigitStripProblem(const QImage &strip)
{
    if (strip.isNull())
        return "cannot be read";
    if (strip.height() != 25 || strip.width() < 162)
        return QString("is %1 x %2").arg(strip.width()).arg(strip.height());
    std::vector<QImage> glyphs;
    for (int digit = 0; digit <= 9; ++digit)
        glyphs.push_back(strip.copy(15 * digit, 0, 15, 25));
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            if (glyphs[std::size_t(a)] == glyphs[std::size_t(b)])
                return QString("digits %1 and %2 look the same").arg(a).arg(b);
        }
    }
    const QImage rightEdge = strip.copy(150, 0, 2, 25);
    const QImage leftEdge = strip.copy(160, 0, 2, 25);
    for (int column = 0; column < 2; ++column) {
        if (rightEdge.copy(column, 0, 1, 25) != rightEdge.copy(0, 0, 1, 25)
            || leftEdge.copy(column, 0, 1, 25) != rightEdge.copy(0, 0, 1, 25))
            return "the edge pieces are not plain and alike";
    }
    if (strip.copy(150, 0, 8, 25) == QImage(rightEdge.copy(0, 0, 1, 25)).scaled(8, 25))
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
    const QRgb key = picture.pixel(0, 0) & RGB_MASK;
    for (int x = 0; x < picture.width(); ++x) {
        if ((picture.pixel(x, 0) & RGB_MASK) != key || (picture.pixel(x, picture.height() - 1) & RGB_MASK) != key)
            return "the border is not all key colour";
    }
    for (int y = 0; y < picture.height(); ++y) {
        if ((picture.pixel(0, y) & RGB_MASK) != key || (picture.pixel(picture.width() - 1, y) & RGB_MASK) != key)
            return "the border is not all key colour";
    }
    const QRgb paper = picture.pixel(kTextBox.topLeft()) & RGB_MASK;
    if (paper == key)
        return "the text box is cut out";
    if (qGray(paper) < 200)
        return "the text box is too dark for red text";
    for (int y = kTextBox.top(); y <= kTextBox.bottom(); ++y) {
        for (int x = kTextBox.left(); x <= kTextBox.right(); ++x) {
            if ((picture.pixel(x, y) & RGB_MASK) != paper)
                return QString("the text box is not plain at (%1, %2)").arg(x).arg(y);
        }
    }
    std::set<QRgb> colours;
    for (int y = 0; y < kTextBox.top(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y) & RGB_MASK);
    }
    if (colours.size() < 20)
        return "nothing is drawn above the text box";
    if (const int holes = KeyHoles(picture); holes > 0)
        return QString("%1 key-coloured pixels inside the card").arg(holes);
    return {};
}

QStringList SkinFiles(const QString &extension)
{
    return QDir(ProgramDir()).entryList({"*." + extension}, QDir::Files, QDir::Name);
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checksCatchBrokenPictures();
    void shippedBackgroundsHaveOneDigitBoxAndDistinctKeys();
    void shippedBackgroundsAreUncompressed24BitFiles();
    void shippedDigitStripsFollowTheGlyphLayout();
    void shippedPopupPictureLeavesTheTextBoxPlain();
    void fallbackSkinFollowsTheSameRules();
    void programReadsEveryPictureAsDrawn();
    void programAndDayIcons();
    void arrowCursorHasItsHotSpotAtTheTip();
};

void PicturesTest::initTestCase()
{
    InitResources();
}

void PicturesTest::checksCatchBrokenPictures()
{
    QImage face(140, 60, QImage::Format_RGB32);
    face.fill(qRgb(255, 255, 255));
    for (int y = 10; y < 50; ++y) {
        for (int x = 5; x < 135; ++x)
            face.setPixel(x, y, qRgb(120, 120, 120));
    }
    for (int y = 18; y < 18 + kBoxHeight; ++y) {
        for (int x = 15; x < 15 + kBoxWidth; ++x)
            face.setPixel(x, y, qRgb(0, 0, 0));
    }
    QCOMPARE(BackgroundProblem(face), QString());

    QImage widerBox = face;
    for (int y = 18; y < 18 + kBoxHeight; ++y)
        widerBox.setPixel(15 + kBoxWidth, y, qRgb(0, 0, 0));
    QVERIFY(!BackgroundProblem(widerBox).isEmpty());

    QImage holed = face;
    holed.setPixel(7, 30, qRgb(255, 255, 255));
    QVERIFY(BackgroundProblem(holed).contains("inside the face"));

    QImage blackKey = face;
    blackKey.setPixel(0, 0, qRgb(0, 0, 0));
    QVERIFY(!BackgroundProblem(blackKey).isEmpty());

    QImage strip(162, 25, QImage::Format_RGB32);
    strip.fill(qRgb(10, 10, 10));
    QVERIFY(DigitStripProblem(strip).contains("look the same"));

    QImage card(122, 130, QImage::Format_RGB32);
    card.fill(qRgb(255, 0, 255));
    for (int y = 2; y < 128; ++y) {
        for (int x = 2; x < 120; ++x)
            card.setPixel(x, y, qRgb(250, 250, 230));
    }
    card.setPixel(60, 100, qRgb(250, 250, 231));
    QVERIFY(PopupProblem(card).contains("not plain"));
}

void PicturesTest::shippedBackgroundsHaveOneDigitBoxAndDistinctKeys()
{
    const QStringList names = SkinFiles("BK");
    QVERIFY2(names.size() >= 3, qPrintable(names.join(", ")));
    std::set<QRgb> keys;
    for (const QString &name : names) {
        const QImage picture = ReadPicture(QDir(ProgramDir()).filePath(name));
        const QString problem = BackgroundProblem(picture);
        QVERIFY2(problem.isEmpty(), qPrintable(name + ": " + problem));
        QVERIFY2(picture.width() >= 120 && picture.width() <= 260, qPrintable(name));
        keys.insert(picture.pixel(0, 0) & RGB_MASK);
    }
    QCOMPARE(int(keys.size()), int(names.size()));
}

void PicturesTest::shippedBackgroundsAreUncompressed24BitFiles()
{
    QStringList names = SkinFiles("BK") + SkinFiles("NUM");
    names << QString::fromUtf8("通知.MSG");
    for (const QString &name : names) {
        QFile file(QDir(ProgramDir()).filePath(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.size() > 54 && bytes.startsWith("BM"), qPrintable(name));
        const auto u32 = [&bytes](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        const auto u16 = [&bytes](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
        const qint32 width = qint32(u32(18));
        const qint32 height = qint32(u32(22));
        const quint32 rowBytes = (quint32(width) * 3 + 3) & ~3u;
        QCOMPARE(u32(2), quint32(bytes.size()));
        QCOMPARE(u32(10), 54u);
        QCOMPARE(u32(14), 40u);
        QVERIFY2(width > 0 && height > 0, qPrintable(name));
        QCOMPARE(u16(26), quint16(1));
        QCOMPARE(u16(28), quint16(24));
        QCOMPARE(u32(30), 0u);
        QCOMPARE(u32(34), rowBytes * quint32(height));
        QCOMPARE(u32(46), 0u);
        QCOMPARE(quint32(bytes.size()), 54 + rowBytes * quint32(height));
    }
}

void PicturesTest::shippedDigitStripsFollowTheGlyphLayout()
{
    const QStringList names = SkinFiles("NUM");
    QVERIFY2(names.size() >= 2, qPrintable(names.join(", ")));
    for (const QString &name : names) {
        const QString problem = DigitStripProblem(ReadPicture(QDir(ProgramDir()).filePath(name)));
        QVERIFY2(problem.isEmpty(), qPrintable(name + ": " + problem));
    }
}

void PicturesTest::shippedPopupPictureLeavesTheTextBoxPlain()
{
    const QString problem = PopupProblem(ReadPicture(QDir(ProgramDir()).filePath(QString::fromUtf8("通知.MSG"))));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void PicturesTest::fallbackSkinFollowsTheSameRules()
{
    QString problem = BackgroundProblem(ReadPicture(FallbackBackgroundPath()));
    QVERIFY2(problem.isEmpty(), qPrintable("background: " + problem));
    problem = DigitStripProblem(ReadPicture(FallbackDigitsPath()));
    QVERIFY2(problem.isEmpty(), qPrintable("digits: " + problem));
    problem = PopupProblem(ReadPicture(FallbackPopupPath()));
    QVERIFY2(problem.isEmpty(), qPrintable("popup: " + problem));
}

void PicturesTest::programReadsEveryPictureAsDrawn()
{
    QStringList paths;
    for (const QString &name : SkinFiles("BK") + SkinFiles("NUM") + QStringList{QString::fromUtf8("通知.MSG")})
        paths << QDir(ProgramDir()).filePath(name);
    paths << FallbackBackgroundPath() << FallbackDigitsPath() << FallbackPopupPath();
    for (const QString &path : paths) {
        const QImage expected = ReadPicture(path);
        QImage loaded;
        QVERIFY2(LoadBitmapFile(path, loaded), qPrintable(path));
        QVERIFY2(loaded.convertToFormat(QImage::Format_RGB32) == expected, qPrintable(path));
        const CDib dib(path);
        QVERIFY2(dib.IsLoaded(), qPrintable(path));
        QCOMPARE(QSize(dib.Width(), dib.Height()), expected.size());
        QCOMPARE(dib.ColorCount(), 0);
        if (path.endsWith(".BK")) {
            const std::vector<QPoint> markers = DigitBoxMarkers(expected);
            QCOMPARE(int(markers.size()), 1);
            QCOMPARE(FindDigitBox(loaded), std::optional<QPoint>(markers.front()));
        }
    }
}

void PicturesTest::programAndDayIcons()
{
    const QIcon program = ProgramIcon();
    QVERIFY(!program.isNull());
    for (int size : {16, 32, 48})
        QVERIFY2(program.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));

    QVERIFY(DayIcon(0).isNull());
    QVERIFY(DayIcon(32).isNull());
    std::vector<QImage> days;
    for (int day = 1; day <= 31; ++day) {
        const QIcon icon = DayIcon(day);
        QVERIFY2(!icon.isNull(), qPrintable(QString::number(day)));
        const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(32, 32));
        int white = 0;
        int black = 0;
        for (int y = 12; y < 30; ++y) {
            for (int x = 3; x < 29; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 255 && qGray(pixel) > 240)
                    ++white;
                if (qAlpha(pixel) == 255 && qGray(pixel) < 40)
                    ++black;
            }
        }
        QVERIFY2(white > 150 && black > 25, qPrintable(QString("day %1: %2 white, %3 black").arg(day).arg(white).arg(black)));
        for (std::size_t other = 0; other < days.size(); ++other)
            QVERIFY2(days[other] != image, qPrintable(QString("days %1 and %2").arg(other + 1).arg(day)));
        days.push_back(image);
    }
}

void PicturesTest::arrowCursorHasItsHotSpotAtTheTip()
{
    const QCursor cursor = ArrowCursor();
    QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
    const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.pixel(0, 0), qRgba(0, 0, 0, 255));
    int yellow = 0;
    int olive = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor colour = QColor::fromRgba(image.pixel(x, y));
            if (colour.alpha() < 255)
                continue;
            if (colour.red() > 230 && colour.green() > 200 && colour.blue() < 130)
                ++yellow;
            if (colour.red() > 90 && colour.red() < 170 && colour.green() > 90 && colour.green() < 170 && colour.blue() < 60)
                ++olive;
        }
    }
    QVERIFY2(yellow > 60, qPrintable(QString::number(yellow)));
    QVERIFY2(olive > 10, qPrintable(QString::number(olive)));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
