#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "bills/cheques/ChequeNumbers.h"
#include "bills/cheques/ChequePrintCheck.h"
#include "bills/cheques/ChequeRegister.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QtTest>

// Cheque books entering the register, and the register's check before a cheque bill prints.
class TestChequeRegister : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }
    void registerCheque(const QString &number, const QString &status)
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_Check (NoteNo, BankName, Status) values (?, '工商银行', ?)"),
                     {number, status});
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
    }
    void cleanup() { m_folder.reset(); }

    // Number i: the last three characters plus i, at least three digits, after the rest.
    void bookNumbers_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("998 + 2 is one character longer")
            << QStringLiteral("AB998") << 3 << QStringList{"AB998", "AB999", "AB1000"};
        QTest::newRow("12345 + 4") << QStringLiteral("12345") << 5
                                   << QStringList{"12345", "12346", "12347", "12348", "12349"};
        QTest::newRow("shorter than three is padded") << QStringLiteral("5") << 3 << QStringList{"005", "006", "007"};
        QTest::newRow("two digits") << QStringLiteral("98") << 3 << QStringList{"098", "099", "100"};
        QTest::newRow("leading zeros stay in the leading part")
            << QStringLiteral("00012345") << 2 << QStringList{"00012345", "00012346"};
        QTest::newRow("a carry stops at the leading part")
            << QStringLiteral("AB0998") << 3 << QStringList{"AB0998", "AB0999", "AB01000"};
        QTest::newRow("letters in the leading part") << QStringLiteral("3A099") << 2 << QStringList{"3A099", "3A100"};
        QTest::newRow("no cheque") << QStringLiteral("001") << 0 << QStringList();
    }
    void bookNumbers()
    {
        QFETCH(QString, start);
        QFETCH(int, count);
        QTEST(ChequeBookNumbers(start, count), "numbers");
    }

    // The last three characters must be digits: the number reading fails before anything is counted.
    void badStartNumber_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("message");
        QTest::newRow("letter last") << QStringLiteral("0012A") << QStringLiteral("“12A”不是有效的整数");
        QTest::newRow("letter among the last three") << QStringLiteral("3A09") << QStringLiteral("“A09”不是有效的整数");
        QTest::newRow("full-width digit") << QStringLiteral("12３") << QStringLiteral("“12３”不是有效的整数");
        QTest::newRow("sign") << QStringLiteral("AB-05") << QStringLiteral("“-05”不是有效的整数");
        QTest::newRow("blank") << QStringLiteral("AB 05") << QStringLiteral("“ 05”不是有效的整数");
        QTest::newRow("no digit at all") << QStringLiteral("支票") << QStringLiteral("“支票”不是有效的整数");
    }
    void badStartNumber()
    {
        QFETCH(QString, start);
        QFETCH(QString, message);
        try {
            ChequeBookNumbers(start, 3);
            QFAIL("counted");
        } catch (const ChequeNumberError &error) {
            QCOMPARE(error.message(), message);
        }
        QVERIFY_THROWS_EXCEPTION(ChequeNumberError,
                                 RegisterChequeBook(CurAdo, {QStringLiteral("工商银行"), start, 3, QDate(2024, 3, 1)}));
        QCOMPARE(stored(QStringLiteral("select count(*) from p_Check")), QStringLiteral("0"));
    }

    void bookOfTwentyFive()
    {
        const QStringList numbers = ChequeBookNumbers(QStringLiteral("CK001"), 25);
        QCOMPARE(numbers.size(), 25);
        QCOMPARE(numbers.first(), QStringLiteral("CK001"));
        QCOMPARE(numbers.at(9), QStringLiteral("CK010"));
        QCOMPARE(numbers.last(), QStringLiteral("CK025"));
    }

    void bookIsRegistered()
    {
        const ChequeBookOutcome outcome =
            RegisterChequeBook(CurAdo, {QStringLiteral("工商银行"), QStringLiteral("00012345"), 5, QDate(2024, 3, 1)});
        QCOMPARE(int(outcome.result), int(ChequeBookOutcome::Registered));
        QVERIFY(outcome.message().isEmpty());
        QCOMPARE(stored(QStringLiteral("select NoteNo, BankName, BuyDate, Status, PrintDate is null from p_Check order by id")),
                 QStringLiteral("00012345|工商银行|2024-03-01|空白|1\n"
                                "00012346|工商银行|2024-03-01|空白|1\n"
                                "00012347|工商银行|2024-03-01|空白|1\n"
                                "00012348|工商银行|2024-03-01|空白|1\n"
                                "00012349|工商银行|2024-03-01|空白|1"));
    }

    void refusedBookAddsNothing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("repeats a number") << QStringLiteral("00012345") << int(ChequeBookOutcome::NumberTaken)
                                          << QStringLiteral("支票号码00012347已存在,不能再导入");
        QTest::newRow("repeats a number in other letters") << QStringLiteral("ab0001") << int(ChequeBookOutcome::NumberTaken)
                                                           << QStringLiteral("支票号码ab0003已存在,不能再导入");
        QTest::newRow("repeats the book's last number") << QStringLiteral("00012343") << int(ChequeBookOutcome::NumberTaken)
                                                        << QStringLiteral("支票号码00012347已存在,不能再导入");
    }
    void refusedBookAddsNothing()
    {
        QFETCH(QString, start);
        registerCheque(QStringLiteral("00012347"), QStringLiteral("打印"));
        registerCheque(QStringLiteral("AB0003"), QStringLiteral("空白"));
        const ChequeBookOutcome outcome = RegisterChequeBook(CurAdo, {QStringLiteral("建设银行"), start, 5, QDate(2024, 3, 1)});
        QTEST(int(outcome.result), "result");
        QTEST(outcome.message(), "message");
        QCOMPARE(stored(QStringLiteral("select NoteNo from p_Check order by id")), QStringLiteral("00012347\nAB0003"));
    }

    void failingInsertLeavesNoPartOfTheBook()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create trigger refuse before insert on p_Check when NEW.NoteNo = '00012348'"
                                            " begin select raise(abort, 'refused'); end"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, RegisterChequeBook(CurAdo, {QString(), QStringLiteral("00012345"), 5, QDate(2024, 3, 1)}));
        QCOMPARE(stored(QStringLiteral("select count(*) from p_Check")), QStringLiteral("0"));
    }

    void formatOfACategory()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, \"default\") values"
                                            " ('70001', '工行支票一', '工行支票', '支票', '否'),"
                                            " ('1234567', '工行支票二', '工行支票', '支票', '是')"));
        QCOMPARE(ChequeFormatRefNo(CurAdo, QStringLiteral("工行支票")), 1234567);
        QCOMPARE(ChequeFormatRefNo(CurAdo, QStringLiteral("建行支票")), 0);
        QCOMPARE(ChequeFormatRefNo(CurAdo, QString()), 0);
    }

    void printCheck_data()
    {
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("billNumber");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("rows");
        const QStringList refused{QStringLiteral("支票已经打印或者作废或者不存在")};
        const QString untouched = QStringLiteral("00012345|空白|||||\n00012346|打印|||||\n00012347|作废|||||");
        QTest::newRow("blank cheque is marked")
            << true << QStringLiteral("工行支票") << QStringLiteral(" 00012345 ") << int(ChequePrintCheck::Marked) << QStringList()
            << QStringLiteral("00012345|打印|某某公司|2024-03-05|货款|1234.5|工行\n00012346|打印|||||\n00012347|作废|||||");
        QTest::newRow("unknown number") << true << QStringLiteral("工行支票") << QStringLiteral("00099999")
                                        << int(ChequePrintCheck::Refused) << refused << untouched;
        QTest::newRow("already printed") << true << QStringLiteral("工行支票") << QStringLiteral("00012346")
                                         << int(ChequePrintCheck::Refused) << refused << untouched;
        QTest::newRow("void") << true << QStringLiteral("工行支票") << QStringLiteral("00012347") << int(ChequePrintCheck::Refused)
                              << refused << untouched;
        QTest::newRow("switch off") << false << QStringLiteral("工行支票") << QStringLiteral("00099999")
                                    << int(ChequePrintCheck::NotChecked) << QStringList() << untouched;
        QTest::newRow("not a cheque format") << true << QStringLiteral("进账单") << QStringLiteral("00099999")
                                             << int(ChequePrintCheck::NotChecked) << QStringList() << untouched;
        QTest::newRow("no cheque number") << true << QStringLiteral("工行支票") << QStringLiteral("  ")
                                          << int(ChequePrintCheck::NotChecked) << QStringList() << untouched;
    }
    void printCheck()
    {
        QFETCH(bool, switchOn);
        QFETCH(QString, format);
        QFETCH(QString, billNumber);
        QFETCH(int, verdict);
        ExecTmpQuery(CurAdo, QStringLiteral("update bs_ParaList set ParaValue = ? where ParaName = '打印支票时是否验证支票号码'"),
                     {switchOn ? QStringLiteral("是") : QStringLiteral("否")});
        m_folder->removeShippedFormats();
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType) values"
                                            " ('10001', '工行支票', '工行', '支票'), ('10002', '进账单', '进账单', '进账单')"));
        registerCheque(QStringLiteral("00012345"), QStringLiteral("空白"));
        registerCheque(QStringLiteral("00012346"), QStringLiteral("打印"));
        registerCheque(QStringLiteral("00012347"), QStringLiteral("作废"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 银行转帐单 (RefNo, 单据号码, 收款人名称, 付款日期, 用途, 金额) values"
                                            " ('20001', ?, ' 某某公司 ', '2024-03-05', '货款 ', 1234.5)"),
                     {billNumber});
        DataSet bill;
        bill.setSql(QStringLiteral("select * from 银行转帐单"));
        bill.open();

        MessageScript messages;
        QCOMPARE(WriteCheckNoStatus(CurAdo, format, bill), verdict != int(ChequePrintCheck::Refused));
        QTEST(messages.texts(), "messages");
        QTEST(stored(QStringLiteral("select NoteNo, Status, CustName, PrintDate, PayUse, PayAmt, NoteTypeName from p_Check order by id")),
              "rows");
        // A second try of the same bill finds the cheque used.
        QCOMPARE(int(CheckChequeForPrint(CurAdo, format, bill)),
                 verdict == int(ChequePrintCheck::Marked) ? int(ChequePrintCheck::Refused) : verdict);
    }
};

QTEST_MAIN(TestChequeRegister)
#include "tst_chequeregister.moc"
