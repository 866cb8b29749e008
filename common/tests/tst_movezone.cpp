#include "core/printfun/MoveZone.h"
#include "gui/printfun/ComponentControl.h"

#include <QMouseEvent>
#include <QTimer>
#include <QtTest>

// The move/resize zones of a field control, and dragging a real control by them.
class TestMoveZone : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zones_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("cursor");
        const int hor = Qt::SizeHorCursor, ver = Qt::SizeVerCursor, fdiag = Qt::SizeFDiagCursor,
                  bdiag = Qt::SizeBDiagCursor, all = Qt::SizeAllCursor, arrow = Qt::ArrowCursor;
        // W = 100, H = 50, margin 3.
        QTest::newRow("left edge") << 0 << 25 << 0xF001 << hor;
        QTest::newRow("left edge on the margin line") << 3 << 25 << 0xF001 << hor;
        QTest::newRow("left edge just inside the corner") << 3 << 4 << 0xF001 << hor;
        QTest::newRow("right edge on the margin line") << 97 << 25 << 0xF002 << hor;
        QTest::newRow("right edge") << 100 << 46 << 0xF002 << hor;
        QTest::newRow("top edge") << 50 << 0 << 0xF003 << ver;
        QTest::newRow("top edge on the margin line") << 4 << 3 << 0xF003 << ver;
        QTest::newRow("top-left corner") << 0 << 0 << 0xF004 << fdiag;
        QTest::newRow("top-left corner, both on the margin") << 3 << 3 << 0xF004 << fdiag;
        QTest::newRow("top-left corner, not the left edge") << 0 << 3 << 0xF004 << fdiag;
        QTest::newRow("top-left corner, not the top edge") << 3 << 0 << 0xF004 << fdiag;
        QTest::newRow("top-right corner") << 97 << 3 << 0xF005 << bdiag;
        QTest::newRow("bottom edge on the margin line") << 50 << 47 << 0xF006 << ver;
        QTest::newRow("bottom edge") << 96 << 50 << 0xF006 << ver;
        QTest::newRow("bottom-left corner") << 3 << 47 << 0xF007 << bdiag;
        QTest::newRow("bottom-right corner") << 100 << 50 << 0xF008 << fdiag;
        QTest::newRow("bottom-right corner on the margin") << 97 << 47 << 0xF008 << fdiag;
        QTest::newRow("inner area") << 50 << 25 << 0xF009 << all;
        QTest::newRow("inner area, first point") << 6 << 6 << 0xF009 << all;
        QTest::newRow("inner area, last point") << 94 << 44 << 0xF009 << all;
        // Between the margin and the fixed 5-pixel inset of the inner area.
        QTest::newRow("gap left") << 4 << 25 << 0xF000 << arrow;
        QTest::newRow("gap at the inset") << 5 << 25 << 0xF000 << arrow;
        QTest::newRow("gap right") << 95 << 25 << 0xF000 << arrow;
        QTest::newRow("gap top") << 50 << 5 << 0xF000 << arrow;
        QTest::newRow("gap bottom") << 50 << 45 << 0xF000 << arrow;
    }
    void zones()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, code);
        QFETCH(int, cursor);
        const MoveZoneCode zone = MoveZoneAt(x, y, 100, 50, 3);
        QCOMPARE(int(zone), code);
        QCOMPARE(int(MoveZoneCursor(zone)), cursor);
    }

    void wideMarginOutranksTheInnerArea()
    {
        QCOMPARE(MoveZoneAt(7, 25, 100, 50, 8), ZoneLeft);
        QCOMPARE(MoveZoneAt(9, 25, 100, 50, 8), ZoneMove);
    }

    void draggedGeometry_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("result");
        // From (10, 20, 100, 50).
        QTest::newRow("move") << int(ZoneMove) << QPoint(15, -5) << QRect(25, 15, 100, 50);
        QTest::newRow("left edge keeps the right edge") << int(ZoneLeft) << QPoint(10, 7) << QRect(20, 20, 90, 50);
        QTest::newRow("right edge") << int(ZoneRight) << QPoint(-30, 7) << QRect(10, 20, 70, 50);
        QTest::newRow("top edge") << int(ZoneTop) << QPoint(9, -10) << QRect(10, 10, 100, 60);
        QTest::newRow("bottom edge") << int(ZoneBottom) << QPoint(9, 10) << QRect(10, 20, 100, 60);
        QTest::newRow("top-left corner") << int(ZoneTopLeft) << QPoint(5, 5) << QRect(15, 25, 95, 45);
        QTest::newRow("bottom-right corner") << int(ZoneBottomRight) << QPoint(5, 5) << QRect(10, 20, 105, 55);
        QTest::newRow("top-right corner") << int(ZoneTopRight) << QPoint(5, 5) << QRect(10, 25, 105, 45);
        QTest::newRow("bottom-left corner") << int(ZoneBottomLeft) << QPoint(5, 5) << QRect(15, 20, 95, 55);
        QTest::newRow("never below one pixel") << int(ZoneLeft) << QPoint(500, 0) << QRect(109, 20, 1, 50);
        QTest::newRow("none") << int(ZoneNone) << QPoint(5, 5) << QRect(10, 20, 100, 50);
    }
    void draggedGeometry()
    {
        QFETCH(int, zone);
        QFETCH(QPoint, delta);
        QFETCH(QRect, result);
        QCOMPARE(DraggedGeometry(QRect(10, 20, 100, 50), MoveZoneCode(zone), delta), result);
    }

    void dragResizesARealControlUntilRelease_data()
    {
        QTest::addColumn<QPoint>("pressed");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QRect>("result");
        QTest::addColumn<int>("cursor");
        QTest::newRow("move") << QPoint(50, 25) << Qt::KeyboardModifiers() << QRect(40, 25, 100, 50)
                              << int(Qt::SizeAllCursor);
        QTest::newRow("right edge") << QPoint(98, 25) << Qt::KeyboardModifiers() << QRect(20, 30, 120, 50)
                                    << int(Qt::SizeHorCursor);
        QTest::newRow("bottom-right corner") << QPoint(99, 49) << Qt::KeyboardModifiers()
                                             << QRect(20, 30, 120, 45) << int(Qt::SizeFDiagCursor);
        QTest::newRow("with Shift only the cursor") << QPoint(98, 25) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                                    << QRect(20, 30, 100, 50) << int(Qt::SizeHorCursor);
    }
    void dragResizesARealControlUntilRelease()
    {
        QFETCH(QPoint, pressed);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QRect, result);
        QFETCH(int, cursor);

        QWidget page;
        page.resize(400, 300);
        QWidget field(&page);
        field.setGeometry(20, 30, 100, 50);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        const QPoint startGlobal = field.mapToGlobal(pressed);
        QTimer::singleShot(0, &field, [&] {
            const QPoint moved = startGlobal + QPoint(20, -5);
            QCoreApplication::postEvent(&field, new QMouseEvent(QEvent::MouseMove, QPointF(pressed), QPointF(moved),
                                                                Qt::NoButton, Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(&field, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(pressed),
                                                                QPointF(moved), Qt::LeftButton, Qt::NoButton,
                                                                Qt::NoModifier));
        });
        ComponentControl(&field, Qt::LeftButton, modifiers, pressed.x(), pressed.y(), 3);
        QCOMPARE(field.geometry(), result);
        QCOMPARE(int(field.cursor().shape()), cursor);
        QCoreApplication::processEvents(); // events a refused drag left queued
        QCOMPARE(field.geometry(), result);
    }

    void otherButtonsOnlySetTheCursor()
    {
        QWidget field;
        field.setGeometry(20, 30, 100, 50);
        ComponentControl(&field, Qt::LeftButton | Qt::RightButton, Qt::NoModifier, 0, 0, 3);
        QCOMPARE(field.cursor().shape(), Qt::SizeFDiagCursor);
        ComponentControl(&field, Qt::NoButton, Qt::NoModifier, 4, 25, 3);
        QCOMPARE(field.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(field.geometry(), QRect(20, 30, 100, 50));
    }
};

QTEST_MAIN(TestMoveZone)
#include "tst_movezone.moc"
