#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "bills/form/layout/FormatLayoutStore.h"
#include "bills/form/layout/PageOffset.h"
#include "bills/form/layout/PageZoom.h"
#include "bills/printing/CategoryFormats.h"
#include "bills/printing/FormatPaper.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"

#include <QPageSize>
#include <QtTest>

Q_DECLARE_METATYPE(NudgeDirection)

// How the bill form fits a format to paper and screen, without the form: the offset edits'
// texts, the nudges, the zoom computed from the base geometry, what is stored, and the paper a
// format prints on.
class TestBillLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offsetTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("mm");

        QTest::newRow("whole") << "3" << true << 3.0;
        QTest::newRow("decimal") << "2.5" << true << 2.5;
        QTest::newRow("negative") << "-1.25" << true << -1.25;
        QTest::newRow("kept to 0.01 mm") << "1.236" << true << 1.24;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("minus alone, half-way") << "-" << false << 0.0;
        QTest::newRow("trailing point, half-way") << "1." << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("minus inside") << "1-2" << false << 0.0;
        QTest::newRow("letter") << "2a" << false << 0.0;
        QTest::newRow("comma") << "2,5" << false << 0.0;
        QTest::newRow("blank") << " 2" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
    }
    void offsetTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, mm);
        const std::optional<double> offset = OffsetFromText(text);
        QCOMPARE(offset.has_value(), accepted);
        if (accepted)
            QCOMPARE(*offset, mm);
    }

    void offsetShownShortest_data()
    {
        QTest::addColumn<double>("mm");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 2.5 << "2.5";
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("negative") << -1.5 << "-1.5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.001 << "0";
        QTest::newRow("two decimals") << 0.1 + 0.2 << "0.3";
    }
    void offsetShownShortest()
    {
        QFETCH(double, mm);
        QFETCH(QString, text);
        QCOMPARE(OffsetText(mm), text);
    }

    void nudgesMoveHalfMillimetres_data()
    {
        QTest::addColumn<NudgeDirection>("direction");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("left") << NudgeDirection::Left << 0.5 << 2.0;
        QTest::newRow("right") << NudgeDirection::Right << 1.5 << 2.0;
        QTest::newRow("up") << NudgeDirection::Up << 1.0 << 1.5;
        QTest::newRow("down") << NudgeDirection::Down << 1.0 << 2.5;
    }
    void nudgesMoveHalfMillimetres()
    {
        QFETCH(NudgeDirection, direction);
        QFETCH(double, x);
        QFETCH(double, y);
        QCOMPARE(NudgedOffset({1.0, 2.0}, direction), (PageOffset{x, y}));
    }

    void threeNudgesFromZeroMakeOneAndAHalf()
    {
        PageOffset offset;
        for (int i = 0; i < 3; ++i)
            offset = NudgedOffset(offset, NudgeDirection::Right);
        QCOMPARE(OffsetText(offset.xMm), QStringLiteral("1.5"));
    }

    // Every zoomed geometry comes from the base one: in and out again in any order, then a
    // restore, gives the base exactly, and the factor keeps the two decimals stored.
    void zoomNeverCompounds()
    {
        const QRect base(641, 141, 249, 33);
        PageZoom zoom;
        zoom.zoomIn();
        QCOMPARE(zoom.factor(), 1.05);
        zoom.zoomIn();
        QCOMPARE(zoom.factor(), 1.1);
        QCOMPARE(zoom.scaled(base), QRect(705, 155, 274, 36));
        zoom.zoomOut();
        zoom.zoomIn();
        zoom.restore();
        QVERIFY(zoom.isIdentity());
        QCOMPARE(zoom.scaled(base), base);
        QCOMPARE(zoom.scaled(QSize(900, 320)), QSize(900, 320));
    }

    void storedFactorReopensAsStored_data()
    {
        QTest::addColumn<double>("stored");
        QTest::addColumn<double>("factor");
        QTest::newRow("1.10") << 1.10 << 1.10;
        QTest::newRow("0.90") << 0.90 << 0.90;
        QTest::newRow("nothing stored") << 0.0 << 1.0;
        QTest::newRow("negative") << -2.0 << 1.0;
        QTest::newRow("more decimals") << 1.1025 << 1.10;
        QTest::newRow("too small") << 0.01 << PageZoom::kSmallest;
    }
    void storedFactorReopensAsStored()
    {
        QFETCH(double, stored);
        QFETCH(double, factor);
        const PageZoom zoom(stored);
        QCOMPARE(zoom.factor(), factor);
        QCOMPARE(zoom.scaled(QRect(0, 0, 1000, 100)), QRect(0, 0, int(std::nearbyint(1000 * factor)), int(std::nearbyint(100 * factor))));
    }

    void zoomedFontFollows()
    {
        QFont font(QStringLiteral("AR PL UMing CN"));
        font.setPointSizeF(10);
        PageZoom zoom(1.5);
        QCOMPARE(zoom.scaled(font).pointSizeF(), 15.0);
        zoom.restore();
        QCOMPARE(zoom.scaled(font).pointSizeF(), 10.0);
    }

    // Writes are bound and kept with two decimals; the sqlite3 shell reads them back.
    void layoutIsStoredInTheFormat()
    {
        TestProgramFolder folder;
        folder.openDatabase();
        const QString name = QStringLiteral("支票'; drop table p_NoteList; --");
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set NoteName = ? where RefNo = '1001'"), {name});
        StoreFormatOffset(CurAdo, name, OffsetAxis::Horizontal, 2.5);
        StoreFormatOffset(CurAdo, name, OffsetAxis::Vertical, -1.236);
        StorePaperGuide(CurAdo, name, 37);
        StoreZoomFactor(CurAdo, name, 1.1025);
        QCOMPARE(SqliteShellRows(folder.databasePath(),
                                 QStringLiteral("select printf('%.2f|%.2f|%d|%.2f', Xmove, Ymove, xPanelPos, ZoomFactor)"
                                                " from p_NoteList where RefNo = '1001'")),
                 QStringList{QStringLiteral("2.50|-1.24|37|1.10")});
        QCOMPARE(SqliteShellRows(folder.databasePath(), QStringLiteral("select typeof(xPanelPos) from p_NoteList where RefNo = '1001'")),
                 QStringList{QStringLiteral("integer")});
    }

    void formatMenuListsTheCategory()
    {
        TestProgramFolder folder;
        folder.openDatabase();
        folder.removeShippedFormats();
        const QString row = QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType) values (?, ?, ?, '支票')");
        ExecTmpQuery(CurAdo, row, {QStringLiteral("1"), QStringLiteral("工行支票"), QStringLiteral("支票")});
        ExecTmpQuery(CurAdo, row, {QStringLiteral("2"), QStringLiteral("农行支票"), QStringLiteral("农行")});
        ExecTmpQuery(CurAdo, row, {QStringLiteral("3"), QStringLiteral("工行支票二"), QStringLiteral("支票")});
        QCOMPARE(CategoryFormats(CurAdo, QStringLiteral("工行支票二")), (QStringList{QStringLiteral("工行支票"), QStringLiteral("工行支票二")}));
        QCOMPARE(CategoryFormats(CurAdo, QStringLiteral("农行支票")), QStringList{QStringLiteral("农行支票")});
        QVERIFY(CategoryFormats(CurAdo, QStringLiteral("没有")).isEmpty());
    }

    // The page is the format's paper as it lies, wide or tall, and never a turned one: a turned
    // page reaches a print queue as the narrow paper plus a rotation.
    void paperFollowsTheFormat_data()
    {
        QTest::addColumn<QSizeF>("inches");
        QTest::newRow("cheque, wide") << QSizeF(9.375, 3.333);
        QTest::newRow("delivery note, tall") << QSizeF(8.5, 11.0);
    }
    void paperFollowsTheFormat()
    {
        QFETCH(QSizeF, inches);
        const QPageLayout layout = FormatPageLayout(inches);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        const QSizeF defined = layout.pageSize().size(QPageSize::Inch);
        QVERIFY(std::abs(defined.width() - inches.width()) < 0.01 && std::abs(defined.height() - inches.height()) < 0.01);
        QCOMPARE(layout.margins(), QMarginsF());
        const QRectF full = layout.fullRect(QPageLayout::Inch);
        QVERIFY2(std::abs(full.width() - inches.width()) < 0.01 && std::abs(full.height() - inches.height()) < 0.01,
                 qPrintable(QStringLiteral("%1 x %2").arg(full.width()).arg(full.height())));
        QVERIFY(PaperFitRefusal(QStringLiteral("支票"), inches, layout).isEmpty());
    }

    void widerFormatThanPaperIsRefused()
    {
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        const QString refusal = PaperFitRefusal(QStringLiteral("支票"), QSizeF(9.375, 3.333), a4);
        QVERIFY(refusal.contains(QStringLiteral("支票")));
        QVERIFY2(refusal.contains(QStringLiteral("238 x 85")) && refusal.contains(QStringLiteral("210 x 297")), qPrintable(refusal));
        const QPageLayout landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());
        QVERIFY(PaperFitRefusal(QStringLiteral("支票"), QSizeF(9.375, 3.333), landscape).isEmpty());
    }
};

QTEST_MAIN(TestBillLayout)
#include "tst_billlayout.moc"
