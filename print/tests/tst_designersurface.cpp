#include "helpers/DesignerHost.h"
#include "helpers/PrintFixture.h"
#include "MessageScript.h"
#include "SqliteShell.h"

#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/template/TemplateStore.h"
#include "core/globals/PubDm.h"
#include "designer/model/DesignFieldRows.h"
#include "designer/surface/TDesignPage.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTimer>
#include <QtTest>

namespace {
const QString kRefNo = QStringLiteral("7001");
}

// The design surface in a test host over the fixture's cheque: what the mouse and the hot keys
// do to the selection, the controls and the field rows.
class TestDesignerSurface : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PrintFixture> m_fixture;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<DesignerHost> m_host;

    TDesignSurface *surface() const { return m_host->surface; }
    QString stored(const QString &sql) const
    {
        return SqliteShellRows(m_fixture->file(QStringLiteral("data/data.db")), sql).join(QLatin1Char('\n'));
    }
    QString storedRect(int tag) const
    {
        return stored(QStringLiteral("select Ctlx, CtlY, CtlW, CtlH from p_NoteCntlList where RefNo = '7001' and Tag = %1").arg(tag));
    }
    QRect rowRect(int tag) const { return surface()->fieldRows().rect(tag); }

    void press(int tag, Qt::KeyboardModifiers modifiers = {})
    {
        TDesignFieldControl *control = m_host->control(tag);
        QTest::mousePress(control, Qt::LeftButton, modifiers, control->rect().center());
        QTest::mouseRelease(control, Qt::LeftButton, modifiers, control->rect().center());
    }
    void select(const QList<int> &tags)
    {
        surface()->clearSelection();
        for (const int tag : tags)
            surface()->setSelected(tag, true);
    }
    void key(int key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(surface(), Qt::Key(key), modifiers);
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PrintFixture>();
        m_messages = std::make_unique<MessageScript>();
        m_host = std::make_unique<DesignerHost>();
        QVERIFY(surface()->openTemplate(kRefNo));
        QVERIFY(m_host->showActive());
    }
    void cleanup()
    {
        m_host.reset();
        m_messages.reset();
        m_fixture.reset();
    }

    void opensPictureAndFields()
    {
        QCOMPARE(surface()->pictureSize(), QSize(800, 400));
        QCOMPARE(surface()->controls().size(), 14);
        QCOMPARE(m_host->control(1001)->geometry(), QRect(480, 40, 220, 30));
        QCOMPARE(m_host->control(1001)->caption(), QStringLiteral("金额"));
        QVERIFY(!m_host->control(1008)->printed());
        QVERIFY(surface()->selection().isEmpty());
        QVERIFY(!m_host->properties->isVisible());
        QVERIFY(m_host->templatePanel->isVisible());
        QVERIFY(!surface()->hasUnsavedChanges());
        // Another picture (an import) keeps the fields.
        QImage other(300, 200, QImage::Format_RGB32);
        other.fill(Qt::yellow);
        QVERIFY(other.save(m_fixture->file(QStringLiteral("images/other.jpg")), "JPEG"));
        surface()->showPicture(QStringLiteral("other.jpg"));
        QCOMPARE(surface()->pictureSize(), QSize(300, 200));
        QCOMPARE(surface()->page()->size(), QSize(300, 200));
        QCOMPARE(surface()->controls().size(), 14);
        QVERIFY(!surface()->openTemplate(QStringLiteral("999999")));
        QVERIFY(surface()->controls().isEmpty());
    }

    void pressAndShiftPress()
    {
        press(1000);
        press(1001, Qt::ShiftModifier);
        press(1002, Qt::ShiftModifier);
        QCOMPARE(surface()->selectedTags(), (QList<int>{1000, 1001, 1002}));
        QVERIFY(m_host->control(1001)->selected());
        QVERIFY(m_host->properties->isVisible());
        QVERIFY(!m_host->templatePanel->isVisible());
        QCOMPARE(surface()->currentTag(), 1002);

        press(1001, Qt::ShiftModifier);
        QCOMPARE(surface()->selectedTags(), (QList<int>{1000, 1002}));
        QVERIFY(!m_host->control(1001)->selected());

        press(1002);
        QCOMPARE(surface()->selectedTags(), (QList<int>{1002}));
        QVERIFY(!m_host->control(1000)->selected());

        QTest::mouseClick(surface()->page(), Qt::LeftButton, {}, QPoint(790, 390));
        QVERIFY(surface()->selection().isEmpty());
        QVERIFY(m_host->templatePanel->isVisible());
        QVERIFY(!surface()->hasUnsavedChanges());
    }

    void rubberBandAndSelectAll()
    {
        TDesignPage *page = surface()->page();
        // From below right to above left, over 收款人 (60,40 300x30) and 大写 (60,90 400x30);
        // 金额 at x 480 is only touched by the band's right edge, the grid's columns (down to
        // y 40) by its top edge. The click of the release drops the earlier selection.
        press(1006);
        QTest::mousePress(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(480, 100));
        QVERIFY(page->rubberBandActive());
        QTest::mouseMove(page, QPoint(100, 70));
        QTest::mouseMove(page, QPoint(50, 40));
        QTest::mouseRelease(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 40));
        QVERIFY(!page->rubberBandActive());
        QCOMPARE(surface()->selectedTags(), (QList<int>{1002, 1000}));

        // Ctrl+Q selects every field, grids and grid columns included.
        key(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(surface()->selection().size(), 14);
        QVERIFY(surface()->selection().contains(500));

        // A band beyond the picture's corner whose corners add up to -4 selects nothing.
        surface()->clearSelection();
        surface()->selectInRect(QPoint(1, 1), QPoint(-3, -3));
        QVERIFY(surface()->selection().isEmpty());
    }

    void pasteToTheRightAndBelow()
    {
        surface()->fieldRows().setRect(1007, QRect(100, 140, 80, 30));
        surface()->openTemplate(kRefNo);  // reloading drops the change
        QCOMPARE(rowRect(1007), QRect(120, 140, 60, 30));
        surface()->applyToField(1007, {{QStringLiteral("Ctlx"), 100}, {QStringLiteral("CtlW"), 80}});

        select({1007});
        key(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(surface()->selectedTags(), (QList<int>{1013}));
        QCOMPARE(rowRect(1013), QRect(180, 140, 80, 30));
        QCOMPARE(m_host->control(1013)->geometry(), QRect(180, 140, 80, 30));
        QCOMPARE(surface()->fieldRows().text(1013, QStringLiteral("CtlCName")), QString());
        QCOMPARE(surface()->fieldRows().text(1013, QStringLiteral("FieldEditType")), QStringLiteral("一般文本"));

        select({1000, 1001});
        key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(surface()->controls().size(), 17);
        QCOMPARE(surface()->selection().size(), 2);
        QVERIFY(!surface()->selection().contains(1000));
        QCOMPARE(surface()->fieldRows().tags().size(), 17);
        // Newest first: the copy of 1001 is made before the copy of 1000.
        QCOMPARE(rowRect(1014), QRect(480, 70, 220, 30));
        QCOMPARE(rowRect(1015), QRect(60, 70, 300, 30));
        QCOMPARE(surface()->fieldRows().text(1014, QStringLiteral("DbFieldName")), QStringLiteral("金额"));
        QCOMPARE(surface()->fieldRows().text(1014, QStringLiteral("CtlFontName")), QStringLiteral("Arial;12;;;;"));
    }

    void pastedGridKeepsTheGridSequence()
    {
        select({500});
        key(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(surface()->selectedTags(), (QList<int>{501}));
        QCOMPARE(surface()->fieldRows().text(501, QStringLiteral("FieldEditType")), QStringLiteral("表格"));

        // A grid that an older copy numbered as a field: the next field does not take its Tag,
        // so pasting never overwrites the grid's row.
        surface()->applyToField(1012, {{QStringLiteral("FieldEditType"), QStringLiteral("表格")}});
        const int added = surface()->addField(ekEditor, QRect(10, 10, 50, 20), QStringLiteral("新"));
        QCOMPARE(added, 1013);
        select({1000});
        key(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(surface()->selectedTags(), (QList<int>{1014}));
        QCOMPARE(surface()->fieldRows().text(1012, QStringLiteral("FieldEditType")), QStringLiteral("表格"));
        QCOMPARE(surface()->fieldRows().tags().count(1012), 1);
    }

    void alignTakesTheFirstSelectedStoredRow()
    {
        // 1003 was moved on the page without its row: the row is the reference.
        m_host->control(1003)->move(5, 5);
        select({1003, 1000, 1005});
        surface()->alignSelection(AlignMode::Left);
        QCOMPARE(m_host->control(1000)->x(), 480);
        QCOMPARE(m_host->control(1005)->x(), 480);
        QCOMPARE(rowRect(1003).x(), 480);
        QCOMPARE(rowRect(1005), QRect(480, 90, 60, 30));

        select({1005, 1000});
        surface()->alignSelection(AlignMode::Bottom);
        QCOMPARE(rowRect(1000).y(), 90);

        // Equal size: the most recently created selected field, whichever was selected first.
        select({1005, 1000, 1002});
        surface()->sizeSelection(SizeMode::Width);
        QCOMPARE(rowRect(1000).width(), 60);
        QCOMPARE(rowRect(1002).width(), 60);
        surface()->sizeSelection(SizeMode::Height);
        QCOMPARE(rowRect(1000).height(), 30);
        QVERIFY(surface()->hasUnsavedChanges());
        QCOMPARE(storedRect(1000), QStringLiteral("60|40|300|30"));
    }

    void dragAndResizeWriteOnceOnRelease_data()
    {
        QTest::addColumn<QPoint>("grip");   // where the press lands, in the control
        QTest::addColumn<QRect>("after");
        // 收款人 at (60, 40), 300 x 30, dragged by (+25, +12).
        QTest::newRow("move") << QPoint(150, 15) << QRect(85, 52, 300, 30);
        QTest::newRow("right edge") << QPoint(299, 15) << QRect(60, 40, 325, 30);
        QTest::newRow("bottom-left corner") << QPoint(1, 29) << QRect(85, 40, 275, 42);
    }
    void dragAndResizeWriteOnceOnRelease()
    {
        QFETCH(QPoint, grip);
        QFETCH(QRect, after);
        TDesignFieldControl *control = m_host->control(1000);
        QSignalSpy written(&surface()->fieldRows(), &DesignFieldRows::rowChanged);
        const QPoint start = control->mapToGlobal(grip);
        QTest::mousePress(control, Qt::LeftButton, {}, grip);
        for (const QPoint step : {QPoint(5, 2), QPoint(15, 8), QPoint(25, 12)})
            QTest::mouseMove(control, control->mapFromGlobal(start + step));
        QCOMPARE(control->geometry(), after);
        QCOMPARE(written.count(), 0);
        QTest::mouseRelease(control, Qt::LeftButton, {}, control->mapFromGlobal(start + QPoint(25, 12)));
        QCOMPARE(written.count(), 1);
        QCOMPARE(rowRect(1000), after);
        QCOMPARE(storedRect(1000), QStringLiteral("60|40|300|30"));
        surface()->writeFieldBatch();
        QCOMPARE(storedRect(1000), QStringLiteral("%1|%2|%3|%4").arg(after.x()).arg(after.y()).arg(after.width()).arg(after.height()));
        QVERIFY(!surface()->hasUnsavedChanges());
    }

    void dragMovesThePressedControlOnly()
    {
        // A Shift+press only changes the selection; a plain press drags the pressed field,
        // whatever else was selected before.
        press(1002);
        TDesignFieldControl *control = m_host->control(1004);
        QTest::mousePress(control, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 15));
        QTest::mouseMove(control, QPoint(40, 15));
        QTest::mouseRelease(control, Qt::LeftButton, Qt::ShiftModifier, QPoint(40, 15));
        QCOMPARE(rowRect(1004), QRect(560, 90, 60, 30));
        QCOMPARE(surface()->selectedTags(), (QList<int>{1002, 1004}));
        QTest::mousePress(control, Qt::LeftButton, {}, QPoint(30, 15));
        QTest::mouseMove(control, QPoint(40, 15));
        QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(40, 15));
        QCOMPARE(rowRect(1004), QRect(570, 90, 60, 30));
        QCOMPARE(rowRect(1002), QRect(60, 90, 400, 30));

        // Locked: the mouse moves nothing.
        surface()->setLocked(true);
        QTest::mousePress(control, Qt::LeftButton, {}, QPoint(30, 15));
        QTest::mouseMove(control, QPoint(50, 25));
        QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(50, 25));
        QCOMPARE(rowRect(1004), QRect(570, 90, 60, 30));
    }

    void arrowKeys()
    {
        select({1000, 1001});
        key(Qt::Key_Right, Qt::ControlModifier);
        key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(rowRect(1000), QRect(61, 41, 300, 30));
        QCOMPARE(rowRect(1001), QRect(481, 41, 220, 30));
        key(Qt::Key_Left, Qt::ShiftModifier);
        key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(rowRect(1001), QRect(481, 41, 219, 29));

        // No size below one pixel.
        select({1006});
        for (int i = 0; i < 25; ++i)
            key(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(rowRect(1006).width(), 1);

        // Locked: Ctrl moves nothing, Shift still resizes.
        surface()->setLocked(true);
        key(Qt::Key_Right, Qt::ControlModifier);
        key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(rowRect(1006), QRect(60, 140, 2, 20));
    }

    void ctrlArrowWithoutSelectionStoresTheOffsetAtOnce()
    {
        const QPoint before = surface()->scrollBox()->pos();
        key(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(surface()->scrollBox()->pos(), before - QPoint(1, 0));
        QCOMPARE(surface()->pageOffsetMm(), QPointF(-0.5, 0));
        QCOMPARE(stored(QStringLiteral("select Xmove, Ymove from p_NoteList where RefNo = '7001'")), QStringLiteral("-0.5|0.0"));
        key(Qt::Key_Down, Qt::ControlModifier);
        key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(stored(QStringLiteral("select Xmove, Ymove from p_NoteList where RefNo = '7001'")), QStringLiteral("-0.5|1.0"));
        QVERIFY(!surface()->hasUnsavedChanges());

        // Reopened, the page stands where it was left.
        surface()->openTemplate(kRefNo);
        QCOMPARE(surface()->scrollBox()->pos(), before + QPoint(-1, 2));
    }

    void hotKeysOnlyWhileTheScreenIsActive()
    {
        select({1000});
        // Another window is active.
        QWidget other;
        other.resize(200, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!surface()->hotKeysActive());
        QTest::keyClick(&other, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(surface(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(rowRect(1000), QRect(60, 40, 300, 30));
        other.hide();

        // A modal dialog is open.
        QVERIFY(m_host->showActive());
        QVERIFY(surface()->hotKeysActive());
        bool tried = false;
        {
            QDialog dialog(m_host.get());
            QTimer::singleShot(0, &dialog, [&] {
                QTest::keyClick(surface(), Qt::Key_Right, Qt::ControlModifier);
                QTest::keyClick(&dialog, Qt::Key_Q, Qt::ControlModifier);
                tried = !surface()->hotKeysActive();
                dialog.reject();
            });
            dialog.exec();
        }
        QVERIFY(tried);
        QCOMPARE(rowRect(1000), QRect(60, 40, 300, 30));
        QCOMPARE(surface()->selection().size(), 1);

        // Active again: the key acts.
        QVERIFY(m_host->showActive());
        QVERIFY(surface()->hotKeysActive());
        QTest::keyClick(surface(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(rowRect(1000), QRect(61, 40, 300, 30));
    }

    void hotKeysFollowTheActiveScreen()
    {
        // The designer as one screen among others of the main window's screen area.
        QMdiArea area;
        area.resize(900, 600);
        auto *designer = new TDesignSurface;
        QVERIFY(designer->openTemplate(kRefNo));
        QMdiSubWindow *designerScreen = area.addSubWindow(designer);
        QMdiSubWindow *otherScreen = area.addSubWindow(new QWidget);
        area.show();
        area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        designer->setSelected(1000, true);

        area.setActiveSubWindow(otherScreen);
        QVERIFY(!designer->hotKeysActive());
        QTest::keyClick(designer, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(designer->fieldRows().rect(1000), QRect(60, 40, 300, 30));

        area.setActiveSubWindow(designerScreen);
        QVERIFY(designer->hotKeysActive());
        QTest::keyClick(designer, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(designer->fieldRows().rect(1000), QRect(61, 40, 300, 30));
        // The host's own surface is in a window that is not active.
        QVERIFY(!surface()->hotKeysActive());
    }

    void ctrlDeleteRemovesAndWrites()
    {
        surface()->applyToField(1001, {{QStringLiteral("CtlCName"), QStringLiteral("小写")}});
        select({1000, 1007});
        key(Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(!m_host->control(1000));
        QVERIFY(!m_host->control(1007));
        QVERIFY(surface()->selection().isEmpty());
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '7001' and Tag in (1000, 1007)")),
                 QStringLiteral("0"));
        // The other pending changes go with it.
        QCOMPARE(stored(QStringLiteral("select CtlCName from p_NoteCntlList where RefNo = '7001' and Tag = 1001")),
                 QStringLiteral("小写"));
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '7001'")), QStringLiteral("12"));
    }

    void aRefusedBatchKeepsEverything()
    {
        surface()->applyToField(1000, {{QStringLiteral("Ctlx"), 5}});
        ExecTmpQuery(CurAdo, QStringLiteral("create trigger refuse before insert on p_NoteCntlList"
                                            " begin select raise(abort, 'refused'); end"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, surface()->writeFieldBatch());
        QVERIFY(surface()->hasUnsavedChanges());
        QCOMPARE(rowRect(1000).x(), 5);
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '7001'")), QStringLiteral("14"));
        QCOMPARE(storedRect(1000), QStringLiteral("60|40|300|30"));
        ExecTmpQuery(CurAdo, QStringLiteral("drop trigger refuse"));
        surface()->writeFieldBatch();
        QCOMPARE(storedRect(1000), QStringLiteral("5|40|300|30"));
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '7001'")), QStringLiteral("14"));
    }

    // Field writes leave the template's row alone: with stored data holding a second default
    // in its category, neither a batch write nor a delete turns this template's default off.
    void fieldWritesKeepTheTemplatesRow()
    {
        const QString row = QStringLiteral("select quote(\"default\"), quote(DefNote), quote(Xmove), quote(ReviseDate)"
                                           " from p_NoteList where RefNo = '7001'");
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set DefNote = 1, Xmove = 2.5 where RefNo = '7001'"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, \"default\")"
                                            " values ('7002', '测试支票二', '测试支票类', '支票', '是')"));
        const QString before = stored(row);
        QVERIFY(before.startsWith(QStringLiteral("'是'|1|2.5|")));

        surface()->applyToField(1000, {{QStringLiteral("Ctlx"), 5}});
        surface()->writeFieldBatch();
        QCOMPARE(storedRect(1000), QStringLiteral("5|40|300|30"));
        select({1007});
        key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '7001'")), QStringLiteral("13"));
        QCOMPARE(stored(row), before);
        QCOMPARE(stored(QStringLiteral("select \"default\" from p_NoteList where RefNo = '7002'")), QStringLiteral("是"));

        // A template deleted meanwhile takes no fields.
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where RefNo = '7001'"));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteCntlList where RefNo = '7001'"));
        surface()->applyToField(1000, {{QStringLiteral("Ctlx"), 6}});
        QVERIFY_THROWS_EXCEPTION(CorvaneError, surface()->writeFieldBatch());
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteCntlList where RefNo = '7001'")), QStringLiteral("0"));
    }

    void opensALoadedDocument()
    {
        std::optional<TemplateDocument> document = LoadTemplate(CurAdo, PrintFixture::kNoteName);
        QVERIFY(document);
        document->fields.removeLast();
        surface()->openDocument(*document);
        QCOMPARE(surface()->controls().size(), 13);
        QCOMPARE(surface()->pictureSize(), QSize(800, 400));
        QCOMPARE(surface()->header()->refNo, kRefNo);
    }

    void clearingNeverWritesAndAlwaysDropsThePicture()
    {
        surface()->applyToField(1000, {{QStringLiteral("Ctlx"), 5}});
        QVERIFY(surface()->hasUnsavedChanges());
        surface()->clearPage();
        QVERIFY(surface()->controls().isEmpty());
        QVERIFY(surface()->page()->picture().isNull());
        QVERIFY(!surface()->hasUnsavedChanges());
        QCOMPARE(storedRect(1000), QStringLiteral("60|40|300|30"));

        // A template without rows clears the picture too.
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteCntlList"));
        QVERIFY(surface()->openTemplate(kRefNo));
        QVERIFY(!surface()->page()->picture().isNull());
        surface()->clearPage();
        QVERIFY(surface()->page()->picture().isNull());
    }

    void lookOfTwentyFields()
    {
        // Six more fields make twenty; three are selected, one is not shown on the bill form.
        const QList<EditKindIndex> kinds = {ekEditor, ekDate, ekDropDown, ekTick, ekSpacedString, ekMultiTick};
        for (int i = 0; i < kinds.size(); ++i)
            surface()->addField(kinds.at(i), QRect(40 + i * 120, 365, 100, 24), EditKindName(kinds.at(i)));
        QCOMPARE(surface()->controls().size(), 20);
        surface()->applyToField(1003, {{QStringLiteral("NeedShow"), QStringLiteral("否")}});
        select({1000, 1001, 1013});
        QVERIFY(!m_host->control(1003)->shown());

        const QImage page = surface()->page()->grab().toImage();
        auto colourAt = [&page](const QPoint &at) { return page.pixelColor(at); };
        const QRect selected = m_host->control(1000)->geometry();
        const QRect plain = m_host->control(1003)->geometry();
        QCOMPARE(colourAt(selected.topLeft() + QPoint(2, 10)), QColor(255, 0, 0));
        QCOMPARE(colourAt(plain.topLeft() + QPoint(0, 10)), QColor(255, 0, 255));
        QVERIFY(colourAt(plain.topLeft() + QPoint(1, 10)) != QColor(255, 0, 255));
        // The grip of an 编辑器 is teal; of a field not printed, grey.
        QCOMPARE(colourAt(selected.bottomRight() - QPoint(5, 5)), QColor(0, 128, 128));
        QCOMPARE(colourAt(m_host->control(1008)->geometry().bottomRight() - QPoint(3, 3)), QColor(128, 128, 128));

        const QString folder = qEnvironmentVariable("QUILLET_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(m_host->grab().save(folder + QStringLiteral("/designer-surface.png")));
    }

    void bandReleasedOutsideThePageAdds()
    {
        TDesignPage *page = surface()->page();
        press(1006);
        QTest::mousePress(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 100));
        QTest::mouseRelease(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(-20, 50));
        QCOMPARE(surface()->selectedTags(), (QList<int>{1006, 1002, 1000}));

        // A release without Shift is a click, and the band stays on until a release with Shift.
        QTest::mousePress(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(470, 85));
        QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(500, 100));
        QVERIFY(page->rubberBandActive());
        QVERIFY(surface()->selection().isEmpty());
        QTest::mouseRelease(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(500, 100));
        QVERIFY(!page->rubberBandActive());
        QCOMPARE(surface()->selectedTags(), (QList<int>{1003}));
    }

    void doubleClickTogglesThePageSize()
    {
        TDesignPage *page = surface()->page();
        const QSize box = surface()->scrollBox()->viewport()->size();
        QTest::mouseDClick(page, Qt::LeftButton, {}, QPoint(790, 390));
        QCOMPARE(page->size(), box);
        QTest::mouseDClick(page, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(page->size(), QSize(800, 400));
    }

    void wheelScrollsTenPixels()
    {
        QScrollArea *box = surface()->scrollBox();
        box->resize(400, 200);
        QTest::qWait(1);
        const int before = box->verticalScrollBar()->value();
        QWheelEvent towards(QPointF(10, 10), box->viewport()->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box->viewport(), &towards);
        QCOMPARE(box->verticalScrollBar()->value(), before + 10);
    }
};

QTEST_MAIN(TestDesignerSurface)
#include "tst_designersurface.moc"
