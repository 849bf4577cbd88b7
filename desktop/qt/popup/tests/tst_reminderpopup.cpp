// Widget tests of ReminderPopup on the offscreen platform: shape, position, jiggle, click, text.
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/pictures/tests/BmpWriter.h"
#include "gfx/QtPictures.h"
#include "platform/IniFile.h"
#include "platform/UserMessage.h"
#include "popup/ReminderPopup.h"
#include "res/Resources.h"

namespace {

const QRgb kMagenta = qRgb(255, 0, 255);

// Red text pixels of a rendered popup: their bounds, and how many lie outside `box`.
struct Ink {
    QRect bounds;
    int outside = 0;
    int strongRed = 0;
};

Ink FindInk(const QImage &shot, const QRect &box)
{
    Ink ink;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y);
            if (qRed(p) <= qGreen(p) + 40 || qRed(p) <= qBlue(p) + 40)
                continue;
            ink.bounds |= QRect(x, y, 1, 1);
            ink.outside += box.contains(x, y) ? 0 : 1;
            ink.strongRed += qRed(p) > 220 && qGreen(p) < 60 && qBlue(p) < 60 ? 1 : 0;
        }
    return ink;
}

} // namespace

class TestReminderPopup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowShapeAndPlace();
    void jiggleIsSharedBetweenPopups();
    void clickStopsJiggleDragsAndCloses();
    void messageInRedCentredAndClipped();
    void longMessagesShowThreeWholeLines();
    void unusablePictureFallsBackToBuiltIn();
    void snoozeMenuClosesThePopup();

private:
    // A 122 x 130 picture: magenta border 4 pixels wide and one magenta dot inside, grey above
    // the text box, white below.
    QString Picture();

    QTemporaryDir m_dir;
    QStringList m_messages;
};

void TestReminderPopup::initTestCase()
{
    InitResources();
    QFont::insertSubstitution(QStringLiteral("楷体_GB2312"), QStringLiteral("AR PL UKai CN"));
    QVERIFY(m_dir.isValid());
    platform::SetUserMessageHandler([this](const QString &text) { m_messages << text; });
}

QString TestReminderPopup::Picture()
{
    QImage image(122, 130, QImage::Format_RGB32);
    image.fill(kMagenta);
    for (int y = 4; y < 126; ++y)
        for (int x = 4; x < 118; ++x)
            image.setPixel(x, y, y < 60 ? qRgb(200, 200, 200) : qRgb(255, 255, 255));
    image.setPixel(60, 30, kMagenta);
    const QString path = m_dir.filePath(ReminderPopup::PictureFileName());
    return testbmp::Write(platform::FsPath(path), testbmp::From(gfx::FromImage(image))) ? path : QString();
}

void TestReminderPopup::windowShapeAndPlace()
{
    ReminderPopup popup;
    QVERIFY(popup.Create(Picture()));
    QVERIFY(popup.mask().xored(QRegion(4, 4, 114, 122) - QRegion(60, 30, 1, 1)).isEmpty());
    // Centred on the 800 x 800 offscreen screen.
    QCOMPARE(popup.HomeRect(), QRect(339, 335, 122, 130));
}

void TestReminderPopup::jiggleIsSharedBetweenPopups()
{
    ReminderPopup first, second;
    first.Create(Picture());
    second.Create(Picture());
    popup::SharedShake() = popup::Shake{1, 1};
    first.OnTimer(ReminderPopup::PopupTimerId);
    QCOMPARE(first.pos(), QPoint(339 - 1, 335 + 1));
    second.OnTimer(ReminderPopup::PopupTimerId);
    QCOMPARE(second.pos(), QPoint(339 - 1, 335 - 1));
    // Another timer moves the shared offsets but not the window.
    first.OnTimer(1);
    QCOMPARE(popup::SharedShake(), (popup::Shake{1, -1}));
    QCOMPARE(first.pos(), QPoint(339 - 1, 335 + 1));
}

void TestReminderPopup::clickStopsJiggleDragsAndCloses()
{
    ReminderPopup popup;
    popup.Create(Picture());
    QSignalSpy finished(&popup, &ReminderPopup::finished);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));

    // From here on the event loop does not run, so only the ticks given here count.
    QTest::mouseClick(&popup, Qt::RightButton, {}, QPoint(60, 100));
    QVERIFY(!popup.IsClosing());
    const QPoint grip(60, 100), start = popup.pos();
    QTest::mousePress(&popup, Qt::LeftButton, {}, grip);
    QMouseEvent drag(QEvent::MouseMove, grip, popup.mapToGlobal(grip) + QPoint(30, -20), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&popup, &drag);
    QCOMPARE(popup.pos(), start + QPoint(30, -20));
    QTest::mouseRelease(&popup, Qt::LeftButton, {}, grip);
    QMouseEvent hover(QEvent::MouseMove, grip, popup.mapToGlobal(grip) + QPoint(50, 50), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(&popup, &hover);
    QCOMPARE(popup.pos(), start + QPoint(30, -20));

    for (int tick = 1; tick <= 10; ++tick)
        popup.OnTimer(ReminderPopup::PopupTimerId);
    QTest::mouseClick(&popup, Qt::LeftButton, {}, grip);
    for (int tick = 1; tick <= 20; ++tick)
        popup.OnTimer(ReminderPopup::PopupTimerId);
    QVERIFY(popup.isVisible());
    QCOMPARE(popup.pos(), start + QPoint(30, -20));
    QCOMPARE(finished.count(), 0);
    popup.OnTimer(ReminderPopup::PopupTimerId);
    QVERIFY(!popup.isVisible());
    QCOMPARE(finished.count(), 1);
}

void TestReminderPopup::messageInRedCentredAndClipped()
{
    const QRect box = ReminderPopup::TextRect();
    QCOMPARE(box, QRect(6, 67, 110, 57));
    ReminderPopup popup;
    popup.SetMessage(QStringLiteral("Hi"));
    popup.Create(Picture());
    const QImage shot = popup.grab().toImage();
    const Ink ink = FindInk(shot, box);
    QVERIFY(ink.strongRed > 0);
    QCOMPARE(ink.outside, 0);
    QVERIFY2(qAbs(ink.bounds.center().x() - box.center().x()) <= 2, qPrintable(QString::number(ink.bounds.center().x())));
    QVERIFY(ink.bounds.top() < box.top() + 12 && ink.bounds.bottom() < box.top() + 25);
    QCOMPARE(shot.pixel(20, 20), qRgb(200, 200, 200));
}

void TestReminderPopup::longMessagesShowThreeWholeLines()
{
    // 30 bytes of ASCII with descenders, and 15 Chinese characters: three lines of the same glyph
    // heights each, so a line cut at the box's bottom shows as a lower band of inked rows.
    const QRect box = ReminderPopup::TextRect();
    ReminderPopup popup;
    popup.Create(Picture());
    for (const QString &message : {QStringLiteral("Mgypqj").repeated(5), QStringLiteral("翼").repeated(15)}) {
        popup.SetMessage(message);
        const QImage shot = popup.grab().toImage();
        QList<int> bands;
        for (int y = box.top(), previous = 0; y <= box.bottom(); ++y) {
            const int inked = FindInk(shot.copy(box.left(), y, box.width(), 1), shot.rect()).bounds.isEmpty() ? 0 : 1;
            if (inked && !previous)
                bands << 0;
            if (inked)
                ++bands.last();
            previous = inked;
        }
        QVERIFY2(bands.size() == 3, qPrintable(message));
        QCOMPARE(bands.last(), bands.first());
    }
    // Longer messages look like their first lines with an ellipsis written out, long words too.
    const QString lines[][2] = {{"翼翼翼翼翼翼\n翼翼翼翼翼翼\n翼翼翼翼翼…", QStringLiteral("翼").repeated(20)},
                                {"MgypqjMgypqj\nMgypqjMgypqj\nMgypqjMgyp…", QStringLiteral("Mgypqj").repeated(8)},
                                {"WWWWWWWWWWWW\nWWWWWWWWWWWW\nWWWWWWWWWW…", QStringLiteral("W").repeated(60)}};
    for (const auto &[shown, message] : lines) {
        popup.SetMessage(shown);
        const QImage expected = popup.grab().toImage();
        popup.SetMessage(message);
        QVERIFY2(popup.grab().toImage() == expected, qPrintable(message));
    }
}

void TestReminderPopup::unusablePictureFallsBackToBuiltIn()
{
    QImage builtIn;
    QVERIFY(LoadBitmapFile(FallbackPopupPath(), builtIn));
    QFile text(m_dir.filePath(QStringLiteral("text.MSG")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("just some words, not a picture\n") > 0);
    text.close();
    QImage plain(122, 130, QImage::Format_RGB32);
    plain.fill(Qt::white);
    QVERIFY(testbmp::Write(platform::FsPath(m_dir.filePath(QStringLiteral("plain.MSG"))), testbmp::From(gfx::FromImage(plain))));

    for (const char *name : {"missing.MSG", "text.MSG", "plain.MSG"}) {
        m_messages.clear();
        ReminderPopup popup;
        popup.SetMessage(QStringLiteral("Meeting"));
        QVERIFY2(!popup.Create(m_dir.filePath(QString::fromLatin1(name))), name);
        QCOMPARE(popup.ImagePath(), FallbackPopupPath());
        QCOMPARE(popup.size(), builtIn.size());
        QVERIFY(!popup.mask().isEmpty());
        QCOMPARE(m_messages.size(), qstrcmp(name, "text.MSG") == 0 ? 1 : 0);
        const QImage shot = popup.grab().toImage();
        QVERIFY2(FindInk(shot, ReminderPopup::TextRect()).strongRed > 0, name);
        QCOMPARE(shot.pixel(builtIn.width() / 2, 5), builtIn.pixel(builtIn.width() / 2, 5));
    }
}

void TestReminderPopup::snoozeMenuClosesThePopup()
{
    for (const int item : {0, 1, 2}) {
        ReminderPopup popup;
        popup.Create(Picture());
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        QSignalSpy snoozed(&popup, &ReminderPopup::snoozed);
        QSignalSpy finished(&popup, &ReminderPopup::finished);
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(60, 100), popup.mapToGlobal(QPoint(60, 100)));
        QCoreApplication::sendEvent(&popup, &click);
        auto *menu = popup.findChild<QMenu *>();
        QVERIFY(menu && menu->isVisible());
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"5 分钟后再提醒", "10 分钟后再提醒", "30 分钟后再提醒"}));
        menu->actions().at(item)->trigger();
        QCOMPARE(snoozed.count(), 1);
        QCOMPARE(snoozed.at(0).at(0).toInt(), QList<int>({5, 10, 30}).at(item));
        QVERIFY(!popup.isVisible());
        QCOMPARE(finished.count(), 1);
    }
}

QTEST_MAIN(TestReminderPopup)
#include "tst_reminderpopup.moc"
