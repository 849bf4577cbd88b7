// Widget tests of the clock window on the offscreen platform.
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include "app/ClockWnd.h"
#include "app/SingleInstance.h"
#include "platform/IniFile.h"
#include "platform/UserMessage.h"
#include "core/reminders/ReminderMap.h"
#include "core/reminders/ReminderStore.h"
#include "core/time/LocalTime.h"
#include "res/Resources.h"

namespace {

constexpr QRgb kKey = 0xFFFF00FF;
constexpr QPoint kBox(40, 20);

// A 200 x 60 face: magenta key colour around a white plate, with the black digit box at (40, 20).
QImage MakeFace()
{
    QImage face(200, 60, QImage::Format_RGB32);
    face.fill(kKey);
    for (int y = 5; y < 55; ++y)
        for (int x = 10; x < 190; ++x)
            face.setPixel(x, y, qRgb(250, 250, 250));
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 110; ++x)
            face.setPixel(kBox.x() + x, kBox.y() + y, qRgb(0, 0, 0));
    return face;
}

QAction *MenuAction(const CClockWnd &wnd, int id)
{
    for (QAction *action : wnd.TrayMenu()->actions())
        if (!action->isSeparator() && action->data().toInt() == id)
            return action;
    return nullptr;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A digit strip whose every column has its own colour, so a copy from the wrong place shows.
QImage MakeStrip()
{
    QImage strip(162, 25, QImage::Format_RGB32);
    for (int x = 0; x < strip.width(); ++x)
        for (int y = 0; y < 25; ++y)
            strip.setPixel(x, y, qRgb(x, 255 - x, (x * 7 + y) % 256));
    return strip;
}

} // namespace

class ClockWndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InitResources();
        QVERIFY(m_dir.isValid());
        QVERIFY(MakeFace().save(m_dir.filePath("Face.BK"), "BMP"));
        QVERIFY(MakeStrip().save(m_dir.filePath("Face.NUM"), "BMP"));
    }

    void faceTakesThePictureAndShowsTheTime()
    {
        QTemporaryDir dir;
        CClockWnd wnd(SkinDir(dir), m_autostart.path());
        wnd.Create(QStringLiteral("Dovetock"));
        wnd.FinishCreate();
        // Painting reads no file: the face stays whole when its picture goes away.
        QVERIFY(QFile::remove(dir.filePath("Face.BK")));
        QCOMPARE(wnd.size(), QSize(200, 60));
        QCOMPARE(wnd.mask(), QRegion(10, 5, 180, 50));
        QCOMPARE(wnd.DigitBoxPosition(), kBox);
        QCOMPARE(wnd.m_strNumName, QStringLiteral("Face"));
        // The first tick after start in second 0 does nothing; 09:05:07 is shown at its tick.
        wnd.OnTimer(platform::FromLocal(2026, 3, 14, 9, 5, 0));
        QCOMPARE(wnd.Digits(), (std::array<int, 6>{}));
        wnd.OnTimer(platform::FromLocal(2026, 3, 14, 9, 5, 7));
        QCOMPARE(wnd.Digits(), (std::array<int, 6>{0, 9, 0, 5, 0, 7}));

        const QImage shown = wnd.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage strip = MakeStrip();
        // Left to right: edge, 0, 9, colon, 0, 5, colon, 0, 7, edge.
        struct Piece { int width; int sourceX; };
        const Piece pieces[] = {{2, 160}, {15, 0}, {15, 135}, {8, 150}, {15, 0},
                                {15, 75}, {8, 150}, {15, 0}, {15, 105}, {2, 150}};
        int offset = 0;
        for (const Piece &piece : pieces) {
            for (int dx = 0; dx < piece.width; ++dx)
                for (int y = 0; y < 25; ++y)
                    QCOMPARE(shown.pixel(kBox.x() + offset + dx, kBox.y() + y),
                             strip.pixel(piece.sourceX + dx, y));
            offset += piece.width;
        }
        // Outside the box the background is drawn.
        QCOMPARE(shown.pixel(20, 10), qRgb(250, 250, 250));
        // Another minute within the same second value is shown only at the next change.
        wnd.OnTimer(platform::FromLocal(2026, 3, 14, 9, 4, 7));
        QCOMPARE(wnd.Digits(), (std::array<int, 6>{0, 9, 0, 5, 0, 7}));
    }

    void tickRedrawsEveryChangedDigit()
    {
        CClockWnd wnd(m_dir.path(), m_autostart.path());
        wnd.Create(QStringLiteral("Dovetock"));
        // The tray and its menu come after the face's first paint.
        QVERIFY(!wnd.TrayMenu());
        wnd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wnd));
        QTRY_VERIFY(wnd.TrayMenu());
        // Ticks that change the second, both second digits, the minutes, the hours: what the tick
        // drew into the window matches a drawing of the whole face.
        const int times[][3] = {{9, 5, 7}, {9, 5, 8}, {9, 5, 19}, {9, 16, 20}, {20, 0, 21}};
        for (const auto &t : times) {
            wnd.OnTimer(platform::FromLocal(2026, 3, 14, t[0], t[1], t[2]));
            QCoreApplication::processEvents();
            QCOMPARE(wnd.screen()->grabWindow(wnd.winId()).toImage().convertToFormat(QImage::Format_RGB32),
                     wnd.grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }

    // A configured background that is not a picture gives way to a good one beside it.
    void unusableSkinGivesWay()
    {
        QTemporaryDir bad;
        QFile junk(bad.filePath("Junk.BK"));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a picture at all") > 0);
        junk.close();
        QVERIFY(platform::WriteIniString(bad.filePath("config.ini"), "skin", "background", "Junk"));
        CClockWnd goodWnd(SkinDir(bad), m_autostart.path());
        goodWnd.Create(QStringLiteral("Dovetock"));
        goodWnd.FinishCreate();
        QCOMPARE(goodWnd.BackgroundPath(), bad.filePath("Face.BK"));
        QCOMPARE(goodWnd.m_strBkName, QStringLiteral("Face"));
    }

    void settingsAndAutostart()
    {
        QTemporaryDir dir;
        QTemporaryDir autostart;
        const QString ini = dir.filePath("config.ini");
        const QString entry = autostart.filePath("Dovetick.desktop");

        // No settings file: the corner of the screen, autostart switched on, nothing written.
        {
            CClockWnd wnd(SkinDir(dir), autostart.path());
            wnd.Create(QStringLiteral("Dovetock"));
            wnd.FinishCreate();
            QCOMPARE(QPoint(wnd.m_nX, wnd.m_nY), QPoint(0, 0));
            QVERIFY(QFile::exists(entry) && wnd.AutoRunChecked());
            QVERIFY(!QFile::exists(ini));
        }

        // An entry the desktop switched off stays off through a start with the wish on.
        {
            const QByteArray hidden = platform::DesktopEntryText("/usr/bin/dovetock") + "Hidden=true\n";
            QVERIFY(platform::WriteFileAtomically(entry, hidden));
            CClockWnd wnd(dir.path(), autostart.path());
            wnd.Create(QStringLiteral("Dovetock"));
            QVERIFY(!wnd.AutoRunChecked());
            QFile file(entry);
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == hidden);
        }

        // enable=0 leaves an existing entry alone.
        QVERIFY(platform::WriteIniInt(ini, "autorun", "enable", 0));
        QVERIFY(platform::WriteFileAtomically(entry, platform::DesktopEntryText("/usr/bin/dovetock")));
        CClockWnd wnd(dir.path(), autostart.path());
        wnd.Create(QStringLiteral("Dovetock"));
        wnd.FinishCreate();
        QVERIFY(QFile::exists(entry) && wnd.AutoRunChecked());
    }

    void positionOffEveryScreenAndDrags()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("config.ini");
        const auto file = [](QPoint p) { return QStringLiteral("[location]\nx=%1\ny=%2\n").arg(p.x()).arg(p.y()).toUtf8(); };
        QPoint saved(5000, -3000);
        QVERIFY(platform::WriteIniInt(ini, "location", "x", saved.x()) && platform::WriteIniInt(ini, "location", "y", saved.y()));

        // Saved on a screen that is gone: shown on the primary screen, nothing written, not
        // even when the window manager moves it.
        CClockWnd wnd(SkinDir(dir), m_autostart.path());
        wnd.Create(QStringLiteral("Dovetock"));
        wnd.FinishCreate();
        wnd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wnd));
        QPoint at = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
        QCOMPARE(wnd.pos(), at);
        at += QPoint(10, 10);
        wnd.move(at);
        QTRY_COMPARE(QPoint(wnd.m_nX, wnd.m_nY), at);
        QTest::qWait(600); // longer than a drag takes to rest
        QCOMPARE(ReadAll(ini), file(saved));

        // Drags along x only, y only and both: nothing written during the motion, the position
        // at the release; the last drag rests before its release and is written then.
        const QPoint grip(50, 30);
        const QPoint steps[] = {{7, 0}, {0, 5}, {-3, 4}, {6, 6}};
        for (const QPoint &step : steps) {
            QTest::mousePress(&wnd, Qt::LeftButton, {}, grip);
            for (int i = 0; i < 3; ++i) {
                QMouseEvent motion(QEvent::MouseMove, grip + step, wnd.mapToGlobal(grip + step), Qt::NoButton,
                                   Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&wnd, &motion);
                at += step;
                QTRY_COMPARE(QPoint(wnd.m_nX, wnd.m_nY), at);
                QCOMPARE(ReadAll(ini), file(saved));
            }
            if (&step == &steps[3])
                QTRY_COMPARE(ReadAll(ini), file(at));
            QTest::mouseRelease(&wnd, Qt::LeftButton, {}, grip);
            QCOMPARE(ReadAll(ini), file(at));
            saved = at;
        }

        // A drag still coming to rest when the clock ends is written, not lost.
        QTest::mousePress(&wnd, Qt::LeftButton, {}, grip);
        QMouseEvent motion(QEvent::MouseMove, grip + QPoint(4, 0), wnd.mapToGlobal(grip + QPoint(4, 0)), Qt::NoButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&wnd, &motion);
        at += QPoint(4, 0);
        QTRY_COMPARE(QPoint(wnd.m_nX, wnd.m_nY), at);
        wnd.DestroyWindow();
        QCOMPARE(ReadAll(ini), file(at));
    }

    // A failed write of the entry is shown once; the tick follows the entry on disk.
    void autostartFollowsTheEntry()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(QFile::copy(m_dir.filePath("Face.BK"), dir.filePath("Face.BK")));
        QVERIFY(platform::WriteIniInt(dir.filePath("config.ini"), "autorun", "enable", 0));
        QStringList shown;
        const auto previous = platform::SetUserMessageHandler([&](const QString &text) { shown << text; });
        CClockWnd blocked(dir.path(), blocker.fileName());
        blocked.Create(QStringLiteral("Dovetock"));
        blocked.FinishCreate();
        MenuAction(blocked, CClockWnd::IdAutoStart)->trigger();
        QCOMPARE(shown.size(), 1);
        QVERIFY(!blocked.AutoRunChecked());
        platform::SetUserMessageHandler(previous);

        QTemporaryDir autostart;
        CClockWnd wnd(dir.path(), autostart.path());
        wnd.Create(QStringLiteral("Dovetock")); // enable=1 now: the entry is written
        wnd.FinishCreate();
        QVERIFY(wnd.AutoRunChecked());
        QVERIFY(QFile::remove(autostart.filePath("Dovetick.desktop")));
        wnd.ShowTrayMenu();
        QVERIFY(!MenuAction(wnd, CClockWnd::IdAutoStart)->isChecked());
        wnd.TrayMenu()->hide();
    }

    void loadedRemindersFireFromTheTick()
    {
        QTemporaryDir dir;
        ReminderMap map;
        auto record = std::make_unique<ReminderRecord>();
        record->Set(1971, 1, 1, 7, 5, 0, 1, "wake up", ReminderRecord::KindDaily, 0);
        map.Insert(std::move(record));
        QVERIFY(SaveReminders(map, platform::FsPath(dir.filePath("notify.dat"))));

        CClockWnd wnd(SkinDir(dir), m_autostart.path());
        wnd.Create(QStringLiteral("Dovetock"));
        wnd.FinishCreate();
        // Minute, second, popups open: the same second again and the next one do not fire it twice.
        const int ticks[][3] = {{4, 52, 0}, {5, 0, 1}, {5, 0, 1}, {5, 1, 1}};
        for (const auto &t : ticks) {
            wnd.OnTimer(platform::FromLocal(2026, 3, 14, 7, t[0], t[1]));
            QCOMPARE(wnd.OpenPopupCount(), t[2]);
        }
        // Ending the clock closes its popups.
        wnd.DestroyWindow();
        QCOMPARE(wnd.OpenPopupCount(), 0);
    }

    void menuHasItsEntriesInOrder()
    {
        CClockWnd wnd(m_dir.path(), m_autostart.path());
        wnd.Create(QStringLiteral("Dovetock"));
        wnd.FinishCreate();
        QStringList texts;
        for (QAction *action : wnd.TrayMenu()->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(texts, (QStringList{"隐藏", "退出", "-", "自动启动", "提醒声音", "-", "配置"}));
        QCOMPARE(MenuAction(wnd, CClockWnd::IdAutoStart)->isCheckable(), true);

        // The sound is on without the key; switched off, the next start keeps it off.
        wnd.ShowTrayMenu()->close();
        QVERIFY(MenuAction(wnd, CClockWnd::IdAlertSound)->isChecked());
        MenuAction(wnd, CClockWnd::IdAlertSound)->trigger();
        CClockWnd next(m_dir.path(), m_autostart.path());
        next.Create(QStringLiteral("Dovetock"));
        next.FinishCreate();
        next.ShowTrayMenu()->close();
        QVERIFY(!MenuAction(next, CClockWnd::IdAlertSound)->isChecked());
        MenuAction(next, CClockWnd::IdAlertSound)->trigger(); // on again for the other tests
    }

    // The tip follows an edit of the reminders and the tick across midnight.
    void trayTipFollowsTheTick()
    {
        QTemporaryDir dir;
        CClockWnd wnd(SkinDir(dir), m_autostart.path());
        wnd.Create(QStringLiteral("Dovetock"));
        wnd.FinishCreate();
        auto record = std::make_unique<ReminderRecord>();
        record->Set(1971, 1, 1, 7, 5, 0, 1, "wake up", ReminderRecord::KindDaily, 0);
        wnd.Reminders().Insert(std::move(record));
        QVERIFY(wnd.SaveReminders()); // as the reminders page does after each edit
        wnd.OnTimer(platform::FromLocal(2026, 12, 7, 23, 59, 3));
        QCOMPARE(wnd.TrayTip(), QStringLiteral("12月7日 星期一 · 下一个提醒 明天 07:05:00 wake up"));
        wnd.OnTimer(platform::FromLocal(2026, 12, 8, 0, 0, 4));
        QCOMPARE(wnd.TrayTip(), QStringLiteral("12月8日 星期二 · 下一个提醒 07:05:00 wake up"));
    }

    // A later start learns whether the running clock took its command: an ending clock takes
    // none, so the later start keeps what it carries (snoozes) and starts a clock of its own.
    void laterStartHearsWhetherTheClockTookIt()
    {
        const QString name = QDir(m_autostart.path()).filePath(QStringLiteral("instance"));
        QCOMPARE(SendToRunningClock(name, "show", 2000), SendResult::NoClock);
        bool ending = false;
        InstanceServer server([&](const QByteArray &command) { return command == "show" && !ending; });
        QVERIFY(server.Listen(name));
        for (const auto &[end, expected] : {std::pair{false, SendResult::Answered}, std::pair{true, SendResult::Silent}}) {
            ending = end;
            std::atomic<SendResult> got = SendResult::NoClock;
            std::thread later([&] { got = SendToRunningClock(name, "show", 3000); });
            QTRY_VERIFY_WITH_TIMEOUT(got != SendResult::NoClock, 10000);
            later.join();
            QCOMPARE(got.load(), expected);
        }
    }

private:
    // Fills `dir` with a copy of the test skin and gives its path.
    QString SkinDir(const QTemporaryDir &dir) const
    {
        QFile::copy(m_dir.filePath("Face.BK"), dir.filePath("Face.BK"));
        QFile::copy(m_dir.filePath("Face.NUM"), dir.filePath("Face.NUM"));
        return dir.path();
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_autostart;
};

QTEST_MAIN(ClockWndTest)
#include "ClockWndTest.moc"
