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
