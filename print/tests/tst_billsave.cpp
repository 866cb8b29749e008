// A bill is saved whole or not at all: header and detail rows in one transaction, and on a
// failure everything typed stays on screen to be saved again.
#include "TestProgramFolder.h"

#include "bills/form/BillSave.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QtTest>

class BillSave : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_header;
    std::unique_ptr<DataSet> m_lines;

    void typeBill(const QString &refNo, const QString &customer, int lines)
    {
        m_header = std::make_unique<DataSet>();
        m_header->setSql(QStringLiteral("select * from 出货单 where id = -1"));
        m_header->open();
        m_lines = std::make_unique<DataSet>();
        m_lines->setSql(QStringLiteral("select * from 出货单明细 where id = -1"));
        m_lines->setCachedUpdates(true);
        m_lines->open();
        m_header->append();
        m_header->fieldByName(QStringLiteral("RefNo"))->setValue(refNo);
        m_header->fieldByName(QStringLiteral("收货单位"))->setValue(customer);
        for (int i = 1; i <= lines; ++i) {
            m_lines->append();
            m_lines->fieldByName(QStringLiteral("Refno"))->setValue(refNo);
            m_lines->fieldByName(QStringLiteral("数量"))->setValue(i);
        }
    }

    qint64 stored(const QString &table)
    {
        return SelTableIntValue(CurAdo, QStringLiteral("select count(*) from %1").arg(table));
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
    }

    void cleanup()
    {
        m_lines.reset();
        m_header.reset();
        m_folder.reset();
    }

    // The header's write fails after the lines went in: neither stays, and the bill can be
    // saved again as it was typed once the cause is gone.
    void failureKeepsNothingAndLosesNothing_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("header refused") << QStringLiteral("create trigger refuse before insert on 出货单 "
                                                          "begin select raise(abort, 'disk gone'); end");
        QTest::newRow("a line refused") << QStringLiteral("create trigger refuse before insert on 出货单明细 "
                                                          "when NEW.数量 = 3 begin select raise(abort, 'disk gone'); end");
    }

    void failureKeepsNothingAndLosesNothing()
    {
        QFETCH(QString, refusal);
        ExecTmpQuery(CurAdo, refusal);
        typeBill(QStringLiteral("70001"), QStringLiteral("甲公司"), 3);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, SaveBill(CurAdo, *m_header, {m_lines.get()}));
        QCOMPARE(stored(QStringLiteral("出货单")), 0);
        QCOMPARE(stored(QStringLiteral("出货单明细")), 0);
        QVERIFY(m_header->isEditing());
        QCOMPARE(m_header->fieldByName(QStringLiteral("收货单位"))->asString(), QStringLiteral("甲公司"));
        QVERIFY(m_lines->hasPendingUpdates());
        QCOMPARE(m_lines->recordCount(), 3);

        ExecTmpQuery(CurAdo, QStringLiteral("drop trigger refuse"));
        QVERIFY(SaveBill(CurAdo, *m_header, {m_lines.get()}));
        QCOMPARE(stored(QStringLiteral("出货单")), 1);
        QCOMPARE(stored(QStringLiteral("出货单明细")), 3);
        QVERIFY(!m_header->isEditing());
        QVERIFY(!m_lines->hasPendingUpdates());
    }

    // A check that refuses the header keeps the lines back too: no half bill.
    void refusedHeaderKeepsTheLinesBack()
    {
        typeBill(QStringLiteral("70002"), QStringLiteral("乙公司"), 2);
        m_header->setBeforePost([](DataSet &) { return false; });
        QVERIFY(!SaveBill(CurAdo, *m_header, {m_lines.get()}));
        QCOMPARE(stored(QStringLiteral("出货单明细")), 0);
        QVERIFY(m_header->isEditing());
        QVERIFY(m_lines->hasPendingUpdates());
    }

    // No path stores a second bill with a number already taken.
    void billNumbersAreUnique()
    {
        typeBill(QStringLiteral("70003"), QStringLiteral("丙公司"), 1);
        QVERIFY(SaveBill(CurAdo, *m_header, {m_lines.get()}));
        typeBill(QStringLiteral("70003"), QStringLiteral("丁公司"), 1);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, SaveBill(CurAdo, *m_header, {m_lines.get()}));
        QCOMPARE(stored(QStringLiteral("出货单")), 1);
        QCOMPARE(stored(QStringLiteral("出货单明细")), 1);
    }
};

QTEST_GUILESS_MAIN(BillSave)
#include "tst_billsave.moc"
