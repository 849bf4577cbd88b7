// Widget tests of WindowDrag: which presses start a move, by the window manager or by hand.
#include <QMouseEvent>
#include <QtTest>
#include <QWidget>

#include "platform/WindowDrag.h"

class TestWindowDrag : public QObject
{
    Q_OBJECT

private slots:
    void pressStartsAMoveOnlyWhileHeld_data();
    void pressStartsAMoveOnlyWhileHeld();
};

// downNow: the left button by the window system's account at the press (-1: no answer); wmMoves:
// the window manager takes the move. A press already released follows its queued motions by hand.
void TestWindowDrag::pressStartsAMoveOnlyWhileHeld_data()
{
    QTest::addColumn<int>("downNow");
    QTest::addColumn<bool>("wmMoves");
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<bool>("followsByHand");
    QTest::newRow("held, window manager") << 1 << true << true << false;
    QTest::newRow("held, no window manager") << 1 << false << true << true;
    QTest::newRow("no answer, window manager") << -1 << true << true << false;
    QTest::newRow("no answer, no window manager") << -1 << false << true << true;
    QTest::newRow("released, window manager") << 0 << true << false << true;
    QTest::newRow("released, no window manager") << 0 << false << false << true;
}

void TestWindowDrag::pressStartsAMoveOnlyWhileHeld()
{
    QFETCH(int, downNow);
    QFETCH(bool, wmMoves);
    QFETCH(bool, handedOver);
    QFETCH(bool, followsByHand);
    int handOvers = 0;
    platform::WindowDrag drag([downNow] { return downNow < 0 ? std::nullopt : std::optional<bool>(downNow == 1); },
                              [&](QWidget *) { return ++handOvers, wmMoves; });
    QWidget window;
    window.move(100, 100);
    const auto event = [&](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        return QMouseEvent(type, global - window.pos(), global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                           buttons, Qt::NoModifier);
    };

    drag.Begin(&window, QPoint(130, 110));
    QCOMPARE(handOvers, handedOver ? 1 : 0);
    QMouseEvent held = event(QEvent::MouseMove, QPoint(170, 135), Qt::LeftButton);
    QCOMPARE(drag.Move(&window, &held), followsByHand);
    QCOMPARE(window.pos(), followsByHand ? QPoint(140, 125) : QPoint(100, 100));

    // After the release the window stays, even under a button pressed elsewhere.
    const QPoint at = window.pos();
    QMouseEvent release = event(QEvent::MouseButtonRelease, QPoint(170, 135), Qt::NoButton);
    drag.End(&release);
    QMouseEvent later = event(QEvent::MouseMove, QPoint(220, 170), Qt::LeftButton);
    QVERIFY(!drag.Move(&window, &later));
    QCOMPARE(window.pos(), at);
}

QTEST_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
