#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/SortText.h"
#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QtTest>

class TestDataSetFields : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_set;

    QString stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql).join(u'\n'); }
    DataField *f(const QString &name) const { return m_set->fieldByName(name); }

    void openCash()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create table cash (id integer primary key autoincrement, [数量100] int, [金额100] money, [金额] money, note text)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into cash (note) values ('x')"));
        m_set->setSql(QStringLiteral("select * from cash"));
        m_set->open();
        QVERIFY(m_set->edit());
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_set = std::make_unique<DataSet>();
    }
    void cleanup()
    {
        m_set.reset();
        m_folder.reset();
    }

    void kindsFromDeclaredTypes_data()
    {
        QTest::addColumn<QString>("declared");
        QTest::addColumn<FieldKind>("kind");
        QTest::newRow("money") << "money" << FieldKind::Currency;
        QTest::newRow("datetime") << "datetime" << FieldKind::DateTime;
        QTest::newRow("date") << "DATE" << FieldKind::Date;
        QTest::newRow("bit") << "bit" << FieldKind::Boolean;
        QTest::newRow("int") << "int" << FieldKind::Integer;
        QTest::newRow("integer") << "INTEGER" << FieldKind::Integer;
        QTest::newRow("varchar") << "varchar(30)" << FieldKind::Text;
        QTest::newRow("char") << "char(3)" << FieldKind::Text;
        QTest::newRow("float") << "float" << FieldKind::Float;
        QTest::newRow("decimal") << "decimal(10,2)" << FieldKind::Float;
        QTest::newRow("memo") << "memo" << FieldKind::Text;
        QTest::newRow("text") << "text" << FieldKind::Text;
        QTest::newRow("blob") << "blob" << FieldKind::Blob;
        QTest::newRow("unknown with int") << "unsigned big int" << FieldKind::Integer;
    }
    void kindsFromDeclaredTypes()
    {
        QFETCH(QString, declared);
        QFETCH(FieldKind, kind);
        ExecTmpQuery(CurAdo, QStringLiteral("create table k (c %1)").arg(declared));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into k values ('1')"));
        m_set->setSql(QStringLiteral("select c, c as alias from k"));
        m_set->open();
        QCOMPARE(f(QStringLiteral("c"))->kind(), kind);
        QCOMPARE(f(QStringLiteral("ALIAS"))->kind(), kind);
    }

    void expressionColumnsTakeTheirValuesKind()
    {
        m_set->setSql(QStringLiteral("select count(*) as n, 1.5 as x, 'a' || 'b' as s"));
        m_set->open();
        QCOMPARE(f(QStringLiteral("n"))->kind(), FieldKind::Integer);
        QCOMPARE(f(QStringLiteral("x"))->kind(), FieldKind::Float);
        QCOMPARE(f(QStringLiteral("s"))->kind(), FieldKind::Text);
        QVERIFY(!m_set->canModify());
    }

    void typedValuesRoundTrip()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create table v (id integer primary key autoincrement, amt money, d datetime, day date, ok bit, n int, x float, s varchar(20))"));
        m_set->setSql(QStringLiteral("select * from v"));
        m_set->open();
        QVERIFY(m_set->append());
        f(QStringLiteral("AMT"))->setValue(QStringLiteral("1234567.8912"));
        f(QStringLiteral("d"))->setValue(QDateTime(QDate(2024, 3, 5), QTime(9, 8, 7)));
        f(QStringLiteral("day"))->setValue(QStringLiteral("2024-03-06"));
        f(QStringLiteral("ok"))->setValue(true);
        f(QStringLiteral("n"))->setValue(QStringLiteral(" 42 "));
        f(QStringLiteral("x"))->setValue(0.25);
        f(QStringLiteral("s"))->setValue(QStringLiteral(""));  // empty text, not NULL
        QVERIFY(m_set->post());
        QCOMPARE(stored(QStringLiteral("select amt, d, day, ok, n, x, quote(s) from v")),
                 QStringLiteral("1234567.8912|2024-03-05 09:08:07|2024-03-06|1|42|0.25|''"));
        m_set->requery();
        QCOMPARE(f(QStringLiteral("amt"))->asCurrency().units(), qint64(12345678912));
        QCOMPARE(f(QStringLiteral("amt"))->displayText(), QStringLiteral("1234567.89"));
        QCOMPARE(f(QStringLiteral("d"))->asDateTime(), QDateTime(QDate(2024, 3, 5), QTime(9, 8, 7)));
        QCOMPARE(f(QStringLiteral("day"))->asDate(), QDate(2024, 3, 6));
        QVERIFY(f(QStringLiteral("ok"))->asBoolean());
        QCOMPARE(f(QStringLiteral("n"))->asInteger(), 42);
        QCOMPARE(f(QStringLiteral("id"))->asInteger(), 1);

        QVERIFY(m_set->edit());
        QVERIFY_THROWS_EXCEPTION(CorvaneError, f(QStringLiteral("n"))->setValue(QStringLiteral("4x")));
        QVERIFY_THROWS_EXCEPTION(CorvaneError, f(QStringLiteral("amt"))->setValue(QStringLiteral("1.2.3")));
        QVERIFY_THROWS_EXCEPTION(CorvaneError, f(QStringLiteral("id"))->setValue(7));  // the identity is the table's
        f(QStringLiteral("amt"))->setValue(QString());
        f(QStringLiteral("d"))->setValue(QDate(2024, 4, 1));
        QVERIFY(m_set->post());
        QCOMPARE(stored(QStringLiteral("select quote(amt), d from v")), QStringLiteral("NULL|2024-04-01"));
    }

    void displayFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none: two decimals") << "" << "1234.5" << "1234.50";
        QTest::newRow("two decimals") << "0.00" << "-0.004" << "0.00";
        QTest::newRow("half to even") << "0.00" << "2.125" << "2.12";
        QTest::newRow("thousands") << "#,##0.00" << "-1234567.891" << "-1,234,567.89";
        QTest::newRow("optional decimals") << "0.##" << "3.1" << "3.1";
        QTest::newRow("hidden price") << "****" << "99" << "****";
        QTest::newRow("literal around") << "￥0.00元" << "5" << "￥5.00元";
    }
    void displayFormats()
    {
        QFETCH(QString, format);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        ExecTmpQuery(CurAdo, QStringLiteral("create table p (price money)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p values (?)"), {value});
        m_set->setSql(QStringLiteral("select price from p"));
        m_set->open();
        f(QStringLiteral("price"))->setDisplayFormat(format);
        QCOMPARE(f(QStringLiteral("price"))->displayText(), shown);
    }

    void handlerWritesOfOtherFieldsAreToldAgain()
    {
        openCash();
        QStringList told;
        connect(m_set.get(), &DataSet::fieldChanged, this, [&](DataField *field) {
            told.append(field->name());
            // count -> amount of that denomination -> total, each through its own change
            if (field->name() == QStringLiteral("数量100"))
                f(QStringLiteral("金额100"))->setValue(field->asInteger() * 100);
            else if (field->name() == QStringLiteral("金额100"))
                f(QStringLiteral("金额"))->setValue(QVariant::fromValue(field->asCurrency()));
        });
        f(QStringLiteral("数量100"))->setValue(3);
        QCOMPARE(told, (QStringList{"数量100", "金额100", "金额"}));
        QCOMPARE(f(QStringLiteral("金额"))->asCurrency(), Currency::fromInteger(300));
    }

    void sameFieldWritesDoNotLoop()
    {
        openCash();
        int rounds = 0;
        QStringList shown;
        connect(f(QStringLiteral("note")), &DataField::changed, this, [&] {
            ++rounds;
            f(QStringLiteral("note"))->setValue(f(QStringLiteral("note"))->asString().toUpper());
        });
        // A listener behind the handler sees every settled value.
        connect(m_set.get(), &DataSet::dataChanged, this, [&](DataField *field) {
            if (field)
                shown.append(field->asString());
        });
        f(QStringLiteral("note"))->setValue(QStringLiteral("abc"));
        QCOMPARE(f(QStringLiteral("note"))->asString(), QStringLiteral("ABC"));
        QCOMPARE(rounds, 2);
        QCOMPARE(shown.last(), QStringLiteral("ABC"));
    }

    void endlessSelfRewriteIsStopped()
    {
        openCash();
        connect(f(QStringLiteral("数量100")), &DataField::changed, this,
                [&] { f(QStringLiteral("数量100"))->setValue(f(QStringLiteral("数量100"))->asInteger() + 1); });
        QVERIFY_THROWS_EXCEPTION(CorvaneError, f(QStringLiteral("数量100"))->setValue(1));
        // The guard is released: the field can be told again.
        disconnect(f(QStringLiteral("数量100")), nullptr, this, nullptr);
        int told = 0;
        connect(f(QStringLiteral("数量100")), &DataField::changed, this, [&] { ++told; });
        f(QStringLiteral("数量100"))->setValue(5);
        QCOMPARE(told, 1);
    }

    void recordMovesTellControlsWithoutField()
    {
        openCash();
        m_set->cancel();
        QList<DataField *> told;
        connect(m_set.get(), &DataSet::dataChanged, this, [&](DataField *field) { told.append(field); });
        m_set->disableControls();
        QVERIFY(m_set->append());
        f(QStringLiteral("note"))->setValue(QStringLiteral("quiet"));
        QVERIFY(told.isEmpty());
        m_set->enableControls();
        m_set->first();
        QCOMPARE(told, (QList<DataField *>{nullptr, nullptr, nullptr}));  // enabled, posted, moved
    }

    void apostropheRoundTripsThroughPostAndLocate()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create table c (name text, city text)"));  // no key
        m_set->setSql(QStringLiteral("select * from c"));
        m_set->open();
        const QString name = QStringLiteral("O'Brien's \"公司\"");
        QVERIFY(m_set->append());
        f(QStringLiteral("name"))->setValue(name);
        QVERIFY(m_set->post());
        QVERIFY(m_set->edit());
        f(QStringLiteral("city"))->setValue(QStringLiteral("Xi'an"));
        QVERIFY(m_set->post());
        QCOMPARE(stored(QStringLiteral("select name || '|' || city from c")), name + QStringLiteral("|Xi'an"));
        m_set->requery();
        QVERIFY(m_set->locate(QStringLiteral("NAME"), name));
        QVERIFY(m_set->locate({QStringLiteral("name"), QStringLiteral("city")}, {name, QStringLiteral("xi'AN")}, DataSet::CaseInsensitive));
        QVERIFY(m_set->locate(QStringLiteral("name"), QStringLiteral("O'Bri"), DataSet::PartialKey));
        QVERIFY(!m_set->locate(QStringLiteral("name"), QStringLiteral("O'Bri")));
        QVERIFY(m_set->edit());
        f(QStringLiteral("city"))->setValue(QStringLiteral("XI'AN"));  // a change of case only
        QVERIFY(m_set->post());
        QCOMPARE(stored(QStringLiteral("select city from c")), QStringLiteral("XI'AN"));
        m_set->deleteRecord();
        QCOMPARE(stored(QStringLiteral("select count(*) from c")), QStringLiteral("0"));
    }

    void identitiesAreNeverReused()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create table g (id integer primary key autoincrement, name text)"));
        m_set->setSql(QStringLiteral("select * from g order by id"));
        m_set->open();
        for (const char *name : {"a", "b", "c"}) {
            QVERIFY(m_set->append());
            f(QStringLiteral("name"))->setValue(QString::fromLatin1(name));
            QVERIFY(m_set->post());
        }
        QCOMPARE(f(QStringLiteral("id"))->asInteger(), 3);
        m_set->deleteRecord();
        QVERIFY(m_set->append());
        f(QStringLiteral("name"))->setValue(QStringLiteral("d"));
        QVERIFY(m_set->post());
        QCOMPARE(f(QStringLiteral("id"))->asInteger(), 4);
        QCOMPARE(stored(QStringLiteral("select group_concat(id) from g")), QStringLiteral("1,2,4"));
    }

    void sortTextReadsTheDirectionFromTheLastWord_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QString>("order");
        QTest::newRow("name containing DESC") << "DESCR" << "a,b,c";
        QTest::newRow("descending") << "descr DESC" << "c,b,a";
        QTest::newRow("two items") << "grp desc, descr" << "b,c,a";
        QTest::newRow("bracketed") << "[grp] ASC,descr DESC" << "a,c,b";
        QTest::newRow("none") << "" << "b,a,c";
    }
    void sortTextReadsTheDirectionFromTheLastWord()
    {
        QFETCH(QString, sort);
        QFETCH(QString, order);
        ExecTmpQuery(CurAdo, QStringLiteral("create table s (id integer primary key, descr text, grp int)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s (descr, grp) values ('b', 2), ('A', 1), ('c', 2)"));
        m_set->setSql(QStringLiteral("select * from s order by id"));
        m_set->open();
        m_set->last();
        m_set->setSort(sort);
        QCOMPARE(f(QStringLiteral("descr"))->asString(), QStringLiteral("c"));  // the current row stays
        QStringList seen;
        for (int row = 0; row < m_set->recordCount(); ++row)
            seen.append(m_set->value(row, f(QStringLiteral("descr"))).toString().toLower());
        QCOMPARE(seen.join(u','), order);
    }

    void unknownSortFieldIsRefused()
    {
        m_set->setSql(QStringLiteral("select 1 as a"));
        m_set->open();
        QVERIFY_THROWS_EXCEPTION(CorvaneError, m_set->setSort(QStringLiteral("b DESC")));
        QCOMPARE(m_set->sort(), QString());
    }

    void bookmarkSurvivesRequeryByKey()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create table b (id integer primary key autoincrement, name text)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into b (name) values ('a'), ('b'), ('c')"));
        m_set->setSql(QStringLiteral("select * from b order by id desc"));
        m_set->open();
        m_set->setRecNo(2);
        const Bookmark mark = m_set->bookmark();
        ExecTmpQuery(CurAdo, QStringLiteral("insert into b (name) values ('d')"));
        m_set->requery();
        QCOMPARE(f(QStringLiteral("name"))->asString(), QStringLiteral("b"));  // requery stays on the row
        m_set->first();
        QVERIFY(m_set->gotoBookmark(mark));
        QCOMPARE(f(QStringLiteral("name"))->asString(), QStringLiteral("b"));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from b where name = 'b'"));
        m_set->requery();
        QVERIFY(!m_set->gotoBookmark(mark));
    }

    void fieldsAreKeptAcrossAReopen()
    {
        m_set->setSql(QStringLiteral("select 1 as a, 2 as b"));
        m_set->open();
        DataField *a = f(QStringLiteral("a"));
        a->setDisplayLabel(QStringLiteral("甲"));
        a->setTag(1001);
        m_set->close();
        m_set->setSql(QStringLiteral("select 3 as A"));
        m_set->open();
        QCOMPARE(f(QStringLiteral("a")), a);
        QCOMPARE(a->displayLabel(), QStringLiteral("甲"));
        QCOMPARE(a->tag(), 1001);
        QCOMPARE(a->asInteger(), 3);
        QVERIFY(!m_set->findField(QStringLiteral("b")));
    }

    void parseSortTextItems()
    {
        const QList<SortItem> items = parseSortText(QStringLiteral(" 金额 DESC ,, name asc,[unit price]"));
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0].field, QStringLiteral("金额"));
        QVERIFY(items[0].descending);
        QCOMPARE(items[1].field, QStringLiteral("name"));
        QVERIFY(!items[1].descending);
        QCOMPARE(items[2].field, QStringLiteral("unit price"));
    }
};

QTEST_MAIN(TestDataSetFields)
#include "tst_dataset_fields.moc"
