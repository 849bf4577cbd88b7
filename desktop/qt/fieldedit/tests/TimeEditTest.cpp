// Widget tests of the time-of-day field control with real key and mouse events.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QVBoxLayout>
#include <QtTest>

#include "fieldedit/TimeEdit.h"
#include "fieldedit/tests/FieldWidgetSupport.h"

class TimeEditTest : public QObject
{
    Q_OBJECT

private slots:
    void navigationKeysWrap()
    {
        CTimeEdit edit;
        QVERIFY(ShowFocused(edit));
        PressKeys(edit, "{Left}");
        QCOMPARE(Selection(edit), QStringLiteral("6+2"));
        PressKeys(edit, "{Space}");
        QCOMPARE(Selection(edit), QStringLiteral("0+2"));
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Insert, Qt::Key_PageDown})
            QTest::keyClick(&edit, key);
        QCOMPARE(Selection(edit), QStringLiteral("0+2"));
        QCOMPARE(edit.text(), QStringLiteral("00:00:00"));
    }

    void clicksSelectTheSegmentAtThePosition()
    {
        CTimeEdit edit;
        QVERIFY(ShowFocused(edit));
        const std::pair<int, const char *> rows[] = {{5, "6+2"}, {2, "0+2"}, {3, "3+2"}, {8, "6+2"}, {0, "0+2"}, {4, "3+2"}};
        for (auto [nPos, pszSelection] : rows) {
            const QPoint point = PointAtCharPos(edit, nPos);
            QVERIFY2(point.x() >= 0, qPrintable(QStringLiteral("no point for position %1").arg(nPos)));
            QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, point);
            QCOMPARE(Selection(edit), QString::fromLatin1(pszSelection));
        }
        QCOMPARE(edit.text(), QStringLiteral("00:00:00"));
    }

    void refusedInputLeavesTheText()
    {
        CTimeEdit edit;
        QVERIFY(ShowFocused(edit));
        QTest::keyClicks(&edit, "13");
        QTest::keyClicks(&edit, "ab-+.Z:");
        QCOMPARE(edit.text(), QStringLiteral("13:00:00"));
        QCOMPARE(Selection(edit), QStringLiteral("3+2"));

        QGuiApplication::clipboard()->setText(QStringLiteral("99:99:99"));
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("13:00:00"));
        QCOMPARE(Selection(edit), QStringLiteral("3+2"));
        QTest::keyClick(&edit, Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("13:00:00"));
    }

    void dragAndDoubleClickSelectNothingElse()
    {
        CTimeEdit edit;
        QVERIFY(ShowFocused(edit));
        const QPoint start = PointAtCharPos(edit, 0);
        const QPoint end = PointAtCharPos(edit, 8);
        SendMouse(edit, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        SendMouse(edit, QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
        SendMouse(edit, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(Selection(edit), QStringLiteral("0+2"));

        const QPoint second = PointAtCharPos(edit, 7);
        QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, second);
        QCOMPARE(Selection(edit), QStringLiteral("6+2"));
        // The double click event alone, away from the current segment: it selects no word.
        QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier, PointAtCharPos(edit, 1));
        QCOMPARE(Selection(edit), QStringLiteral("6+2"));

        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, start, edit.mapToGlobal(start));
        QApplication::sendEvent(&edit, &menuEvent);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(Selection(edit), QStringLiteral("6+2"));
        QCOMPARE(edit.text(), QStringLiteral("00:00:00"));
    }

    void coloursReturnThePreviousColour()
    {
        CTimeEdit edit;
        QCOMPARE(edit.SetBackColor(0xFFFFFF), ColorRef(0x000000));
        QCOMPARE(edit.SetForeColor(0x000000), ColorRef(0xFFFFFF));
        QCOMPARE(edit.SetBackColor(0x00336699), ColorRef(0xFFFFFF));
        QCOMPARE(edit.SetForeColor(0x000000FF), ColorRef(0x000000));
        QCOMPARE(edit.palette().color(QPalette::Base), QColor(0x99, 0x66, 0x33));
        QCOMPARE(edit.palette().color(QPalette::Text), QColor(0xFF, 0x00, 0x00));

        edit.resize(320, 32);
        const QImage image = edit.grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 8, image.height() / 2), QColor(0x99, 0x66, 0x33));
    }

    void dialogKeepsTabAndEscape()
    {
        QDialog dialog;
        auto *pLayout = new QVBoxLayout(&dialog);
        auto *pOther = new QLineEdit(&dialog);
        auto *pTime = new CTimeEdit(&dialog);
        pLayout->addWidget(pOther);
        pLayout->addWidget(pTime);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        pTime->setFocus(Qt::OtherFocusReason);
        QVERIFY(QTest::qWaitFor([pTime] { return pTime->hasFocus(); }));
        QTest::keyClick(pTime, Qt::Key_Right);

        QTest::keyClick(pTime, Qt::Key_Tab);
        QVERIFY(pOther->hasFocus());
        QTest::keyClick(pOther, Qt::Key_Tab);
        QVERIFY(pTime->hasFocus());
        QCOMPARE(Selection(*pTime), QStringLiteral("3+2"));

        QTest::keyClick(pTime, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TimeEditTest)
#include "TimeEditTest.moc"
