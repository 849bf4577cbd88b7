// Widget tests of WindowDrag: which presses start a move, by the window manager or by hand.
#include <QMouseEvent>
#include <QtTest>
#include <QWidget>

#include "platform/WindowDrag.h"

namespace {

QMouseEvent Motion(QWidget &window, QPoint global, Qt::MouseButtons buttons)
{
    return QMouseEvent(QEvent::MouseMove, global - window.pos(), global, Qt::NoButton, buttons, Qt::NoModifier);
}

QMouseEvent Release(QWidget &window, QPoint global)
{
    return QMouseEvent(QEvent::MouseButtonRelease, global - window.pos(), global, Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
}

} // namespace

class TestWindowDrag : public QObject
{
    Q_OBJECT

private slots:
    void pressStartsAMoveOnlyWhileHeld_data();
    void pressStartsAMoveOnlyWhileHeld();
};

// downNow: what the window system says of the left button when the press is handled (-1: it
// cannot tell); wmMoves: the window manager takes the move.
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
    QTest::newRow("released before handled, window manager") << 0 << true << false << false;
    QTest::newRow("released before handled, no window manager") << 0 << false << false << false;
}

void TestWindowDrag::pressStartsAMoveOnlyWhileHeld()
{
    QFETCH(int, downNow);
    QFETCH(bool, wmMoves);
    QFETCH(bool, handedOver);
    QFETCH(bool, followsByHand);

    int handOvers = 0;
    platform::WindowDrag drag(
        [downNow]() -> std::optional<bool> {
            if (downNow < 0)
                return std::nullopt;
            return downNow == 1;
        },
        [&](QWidget *) {
            ++handOvers;
            return wmMoves;
        });
    QWidget window;
    window.move(100, 100);
    const QPoint grip(130, 110);

    drag.Begin(&window, grip);
    QCOMPARE(handOvers, handedOver ? 1 : 0);
    QMouseEvent held = Motion(window, grip + QPoint(40, 25), Qt::LeftButton);
    QCOMPARE(drag.Move(&window, &held), followsByHand);
    QCOMPARE(window.pos(), followsByHand ? QPoint(140, 125) : QPoint(100, 100));

    // After the release the window stays, whatever the pointer does.
    const QPoint at = window.pos();
    QMouseEvent release = Release(window, grip + QPoint(40, 25));
    drag.End(&release);
    for (const Qt::MouseButtons buttons : {Qt::MouseButtons(Qt::NoButton), Qt::MouseButtons(Qt::LeftButton)}) {
        QMouseEvent later = Motion(window, grip + QPoint(90, 60), buttons);
        QVERIFY(!drag.Move(&window, &later));
    }
    QCOMPARE(window.pos(), at);
    QCOMPARE(handOvers, handedOver ? 1 : 0);
}

QTEST_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
