#pragma once

#include <QAbstractItemView>
#include <QtTest>

// A double-click on a cell as the window system delivers it: press and release, then the
// double-click (QTest's double-click alone has no press before it, which item views need).
inline void DoubleClickCell(QAbstractItemView *view, const QModelIndex &cell)
{
    const QPoint at = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

// Types any text, one key per character (QTest's key clicks take ASCII only).
inline void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Where the keyboard goes: the focused control, else the given one.
inline QWidget *KeyTarget(QWidget *fallback)
{
    QWidget *focused = QApplication::focusWidget();
    return focused ? focused : fallback;
}

// Types one key per character into whatever has the focus, as a clerk does.
inline void TypeHere(QWidget *fallback, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, KeyTarget(fallback), Qt::Key_unknown, QString(ch), Qt::NoModifier);
}
