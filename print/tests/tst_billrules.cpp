#include "BuiltFolders.h"
#include "TestProgramFolder.h"

#include "bills/form/BillButtonStates.h"
#include "bills/form/EntryCells.h"
#include "bills/form/MultiCheckRules.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/picture/Pic.h"
#include "core/template/PictureSize.h"

#include <QtTest>

// The bill form's rules that need no widget, and the shipped cheque format.
class TestBillRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonStates_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("hasRow");
        QTest::addColumn<int>("flag");
        QTest::addColumn<int>("dis");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");  // browse save edit recheck voidShown voidOn waybill print convert

        QTest::newRow("empty header") << false << false << 0 << 0 << "支票" << "100000000";
        QTest::newRow("new cheque") << true << true << -1 << 0 << "支票" << "010010001";
        QTest::newRow("saved cheque") << false << true << -1 << 0 << "支票" << "101010001";
        QTest::newRow("audited cheque") << false << true << 1 << 0 << "支票" << "100111001";
        QTest::newRow("void cheque") << false << true << 1 << 1 << "支票" << "100110001";
        QTest::newRow("flag 0 allows nothing") << false << true << 0 << 0 << "进账单" << "100000001";
        QTest::newRow("delivery note") << false << true << -1 << 0 << "送货单" << "101000110";
        QTest::newRow("delivery note edited") << true << true << -1 << 0 << "送货单" << "010000010";
        QTest::newRow("warehouse receipt") << false << true << 1 << 0 << "进仓单" << "100101010";
    }
    void buttonStates()
    {
        QFETCH(bool, editing);
        QFETCH(bool, hasRow);
        QFETCH(int, flag);
        QFETCH(int, dis);
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        const BillButtonStates s = BillButtonStatesFor({editing, hasRow, flag, dis, kind});
        QString actual;
        for (bool on : {s.browseCommands, s.saveCancel, s.editDeleteAudit, s.recheck, s.voidVisible, s.voidEnabled,
                        s.waybillVisible, s.printVisible, s.convertVisible})
            actual.append(on ? u'1' : u'0');
        QCOMPARE(actual, expected);
        QCOMPARE(s.auditStamp, flag == 1);
        QCOMPARE(s.voidStamp, dis == 1);
    }

    void spacedStrings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QStringList>("symbols");  // rightmost cell first
        QTest::newRow("empty") << "" << 4 << QStringList{QString()};
        QTest::newRow("shorter") << "AB" << 4 << QStringList{"B", "A", "", ""};
        QTest::newRow("exact") << "123" << 3 << QStringList{"3", "2", "1"};
        QTest::newRow("longer keeps all") << "12345" << 3 << QStringList{"5", "4", "3", "2", "1"};
    }
    void spacedStrings()
    {
        QFETCH(QString, text);
        QFETCH(int, cells);
        QFETCH(QStringList, symbols);
        QCOMPARE(SpacedStringSymbols(text, cells), symbols);
    }

    void amountBoxLook_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("overflow");
        QTest::addColumn<bool>("symbol");
        // 11 cells with 2 decimals: 9 integer cells.
        QTest::newRow("small") << 1234.5 << false << true;
        QTest::newRow("one digit less than the cells") << 99999999.99 << false << true;
        QTest::newRow("every integer cell") << 100000000.0 << false << false;
        QTest::newRow("too long") << 1000000000.0 << true << false;
    }
    void amountBoxLook()
    {
        QFETCH(double, value);
        QFETCH(bool, overflow);
        QFETCH(bool, symbol);
        const AmountBoxLook look = AmountBoxLookFor(value, 11, 2);
        QCOMPARE(look.overflow, overflow);
        QCOMPARE(look.showSymbol, symbol);
    }

    void tickRules()
    {
        QVERIFY(IsCaptionTicked(QStringLiteral(" 现金 "), QStringLiteral("现金")));
        QVERIFY(!IsCaptionTicked(QStringLiteral("转账"), QStringLiteral("现金")));
        QVERIFY(IsBitTicked(QStringLiteral("5"), QStringLiteral("3")));
        QVERIFY(!IsBitTicked(QStringLiteral("5"), QStringLiteral("2")));
        QVERIFY(!IsBitTicked(QStringLiteral("abc"), QStringLiteral("1")));
        QCOMPARE(BitTickValue(5, QStringLiteral("2"), true), 7);
        QCOMPARE(BitTickValue(5, QStringLiteral("3"), false), 1);
        QCOMPARE(BitTickValue(5, QStringLiteral("x"), true), 5);
    }

    // The shipped cheque's paper size is what the picture import writes for its picture.
    void shippedChequeMatchesItsPicture()
    {
        TestProgramFolder folder;
        folder.openDatabase();
        const QString picture = BuiltProgramFolder() + QStringLiteral("/images/cheque.jpg");
        const JpegResolution resolution = GetJPEGRes(picture);
        QCOMPARE(resolution.xDensity, 96);
        QCOMPARE(resolution.units, 1);
        TemplateNote note;
        ApplyPictureImport(note, QStringLiteral("cheque.jpg"), resolution, GetJpgSize(picture));
        const QStringList columns = {note.tWidth, note.tHeight, QString::number(*note.xDpi), QString::number(*note.yDpi),
                                     QString::number(*note.dpiUnit), QString::number(*note.imgEnc)};
        QSqlQuery row = RunStatement(CurAdo, QStringLiteral("select tWidth, tHeight, xDpi, yDpi, DpiUnit, ImgEnc from p_NoteList"
                                                            " where NoteName = '支票' and \"default\" = '是' and DefNote = 1"));
        QVERIFY(row.next());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(row.value(i).toString(), columns.at(i));
        // 240 mm of cheque paper at 96 dots per inch.
        QCOMPARE(GetJpgSize(picture), std::optional<QSize>(QSize(907, 302)));
        QCOMPARE(StoredPictureInches(row.value(0).toString(), QStringLiteral("cheque.jpg")), 9.447917);
    }
};

QTEST_MAIN(TestBillRules)
#include "tst_billrules.moc"
