// Test helpers for the field controls: showing a control, clicking at a character position, reading
// its selection.
#pragma once

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

// The selection as "start+length".
inline QString Selection(const QLineEdit &edit)
{
    return QStringLiteral("%1+%2").arg(edit.selectionStart()).arg(edit.selectedText().size());
}
