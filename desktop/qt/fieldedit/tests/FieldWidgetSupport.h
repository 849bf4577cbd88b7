// Test support for the field controls: showing a control, clicking at a character position, typing a key
// script, reading its selection.
#pragma once

#include <algorithm>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

// Shows the control wide enough for its text and gives it the keyboard focus.
inline bool ShowFocused(QLineEdit &edit)
{
    edit.resize(320, 32);
    edit.show();
    if (!QTest::qWaitForWindowExposed(&edit))
        return false;
    edit.activateWindow();
    edit.setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([&edit] { return edit.hasFocus(); });
}

// A point in the control nearest to the character boundary nCharPos.
inline QPoint PointAtCharPos(QLineEdit &edit, int nCharPos)
{
    const int y = edit.height() / 2;
    int nFirst = -1, nLast = -1;
    for (int x = 0; x < edit.width(); ++x) {
        if (edit.cursorPositionAt(QPoint(x, y)) == nCharPos) {
            if (nFirst < 0)
                nFirst = x;
            nLast = x;
        }
    }
    return QPoint(nFirst < 0 ? -1 : (nFirst + nLast) / 2, y);
}

inline void SendMouse(QWidget &widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Types a key script with real key events: plain characters are typed, {Back}, {Del}, {Left}, {Right},
// {Up}, {Down} and {Space} press the named keys.
inline void PressKeys(QWidget &widget, const QString &strScript)
{
    static const std::pair<const char *, Qt::Key> named[] = {
        {"Back", Qt::Key_Backspace}, {"Del", Qt::Key_Delete}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
        {"Up", Qt::Key_Up},          {"Down", Qt::Key_Down},  {"Space", Qt::Key_Space},
    };
    for (qsizetype i = 0; i < strScript.size(); ++i) {
        if (strScript[i] != u'{') {
            QTest::keyClicks(&widget, QString(strScript[i]));
            continue;
        }
        const qsizetype nClose = strScript.indexOf(u'}', i);
        const QString strName = strScript.mid(i + 1, nClose - i - 1);
        i = nClose;
        const auto key = std::find_if(std::begin(named), std::end(named),
                                      [&](const auto &entry) { return strName == QLatin1String(entry.first); });
        QVERIFY2(key != std::end(named), qPrintable(strName));
        QTest::keyClick(&widget, key->second);
    }
}

// The selection as "start+length".
inline QString Selection(const QLineEdit &edit)
{
    return QStringLiteral("%1+%2").arg(edit.selectionStart()).arg(edit.selectedText().size());
}
